#include "app/win32/main_window.h"

#include "app/controls.h"
#include "app/win32/control_registry.h"
#include "app/win32/top_level_window.h"
#include "app/window_actions.h"

namespace {

constexpr UINT kKeepPlaceAndActivation = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;

}  // namespace

HWND CreateMainWindow(int showCommand) {
  HWND window = CreateTopLevelWindow(WindowRole::Main, nullptr);
  if (!window)
    return nullptr;
  // 选择框5 was built ticked; the window joins the layer it stands for.
  SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, kKeepPlaceAndActivation);
  ShowWindow(window, showCommand);
  UpdateWindow(window);
  return window;
}

void ToggleAlwaysOnTop() {
  // Set from the box every time, never flipped, so the two cannot drift
  // apart; a refusal of the desktop is not reported.
  HWND layer = IsTicked(Control::选择框5) ? HWND_TOPMOST : HWND_NOTOPMOST;
  SetWindowPos(MainWindowHwnd(), layer, 0, 0, 0, 0, kKeepPlaceAndActivation);
}
