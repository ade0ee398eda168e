#pragma once

#include "app/win32/window_state.h"

// Creates MainWindow or HelpWindow from the shared table: a fixed single
// border with caption, system menu and minimise box, centred on the primary
// screen at its outer size, with every control built and registered. Not
// yet shown. nullptr when it cannot be made.
HWND CreateTopLevelWindow(WindowRole role, HWND owner);
