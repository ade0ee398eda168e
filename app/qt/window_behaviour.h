#pragma once

#include <QSize>
#include <QWidget>

// What both windows do on their own, whatever their controls.

// A left press on the widget itself (not on one of its controls) moves the
// window as a press on the title bar does. For windows and group boxes.
void AllowDragging(QWidget* widget);
// Esc closes the window, also while one of its edit boxes has the focus.
void CloseOnEscape(QWidget* window);
// Once the window manager has framed the window, the client area is made
// `outer` less the frame, so that frame and all measure `outer`.
void KeepOuterSize(QWidget* window, QSize outer);
// Windows owned by `window` close when it closes.
void CloseOwnedWindowsWith(QWidget* window);
