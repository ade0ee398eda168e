#pragma once

#include "desktop/win32/windows_api.h"

// Creates MainWindow from the shared table, raises it into the always-on-top
// layer with 选择框5 ticked, and shows it. nullptr when it cannot be made.
HWND CreateMainWindow(int showCommand);
