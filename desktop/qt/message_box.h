#pragma once

#include <QMessageBox>

// How a Win32 MessageBox style and its answer map onto QMessageBox.

// The buttons of the style's button set (its low four bits); an unknown set is OK alone.
QMessageBox::StandardButtons ButtonsOfStyle(int style);
// The icon of the style's icon bits (0x10 stop, 0x20 question, 0x30 warning, 0x40 information).
QMessageBox::Icon IconOfStyle(int style);
// The number the caller gets for the button that closed the box: OK 0,
// Cancel 1, Abort 2, Retry 3, Ignore 4, Yes 5, No 6, anything else 0.
int AnswerOfButton(QMessageBox::StandardButton button);
