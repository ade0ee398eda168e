#pragma once

#include <QWidget>

// Puts a shown window into the always-on-top layer or takes it out, without
// moving, resizing, re-mapping or activating it. On X11 the window manager
// is asked to change _NET_WM_STATE_ABOVE; elsewhere Qt's own hint is set.
void SetAboveLayer(QWidget* window, bool above);
