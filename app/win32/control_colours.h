#pragma once

#include "app/control_table.h"
#include "desktop/win32/windows_api.h"

// The answer to WM_CTLCOLORSTATIC, WM_CTLCOLOREDIT and WM_CTLCOLORBTN for one
// of our controls: black text on the background the table gives it, or
// nullptr where the desktop's own colours apply (push buttons).
HBRUSH ColourControl(const ControlSpec& spec, HDC dc);
