#pragma once

#include <span>

#include "app/control_table.h"
#include "app/win32/window_state.h"

// Creates the controls of a table as children of `window`, each with its own
// font, and registers them. A control inside a group box is a child of the
// window too, placed at the group box's place plus its own, so that its
// notifications reach the window procedure. False when one cannot be made.
bool BuildControls(HWND window, WindowState& state);

// The id of a control's child window: clear of IDOK and IDCANCEL, which
// IsDialogMessage sends for Enter and Esc.
int ChildIdOf(Control control);
