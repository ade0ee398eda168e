#pragma once

#include <optional>
#include <string>

#include "app/controls.h"
#include "desktop/win32/windows_api.h"
#include "text/text.h"

// What the front end needs to find its widgets: the HWND of every control
// of an open window, and the two top-level windows.

struct RegisteredControl {
  HWND hwnd = nullptr;
  // The last text written by the program and what the control showed right
  // after it. While it still shows that, the written bytes are handed back,
  // also where the wide form could not keep them (a cut character, a line
  // break a single-line box will not show).
  std::optional<Text> written;
  std::wstring shownAfterWrite;
};

void RememberControl(Control control, HWND hwnd);
void ForgetControl(Control control);
// The registered control; a control of a window that is not open is a
// programming error and stops the program.
RegisteredControl& Registered(Control control);
std::optional<Control> ControlAt(HWND hwnd);

HWND MainWindowHwnd();
void SetMainWindowHwnd(HWND hwnd);
HWND HelpWindowHwnd();
void SetHelpWindowHwnd(HWND hwnd);
