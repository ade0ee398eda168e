#pragma once

// How a message box style from the actions reaches the desktop, and how the
// button that closed the box is numbered for them.

// The style plus MB_TASKMODAL, unless it asks to be system-modal already.
int DesktopMessageStyle(int style);
// MessageBox's answer (IDOK, IDCANCEL, ...) as OK 0, Cancel 1, Abort 2,
// Retry 3, Ignore 4, Yes 5, No 6; any other answer is 0.
int ButtonNumber(int messageBoxAnswer);
