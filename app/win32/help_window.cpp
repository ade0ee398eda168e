#include "app/controls.h"
#include "app/win32/control_registry.h"
#include "app/win32/top_level_window.h"
#include "app/window_actions.h"

void ShowUsageHelp(const Text& usageText) {
  HWND help = HelpWindowHwnd();
  if (help) {
    // The open window keeps its place, wherever the user moved it.
    if (IsIconic(help)) {
      ShowWindow(help, SW_RESTORE);
    } else {
      SetActiveWindow(help);
    }
  } else {
    // Owned by MainWindow: no taskbar button, in front of it in either
    // layer, hidden with it, destroyed with it.
    help = CreateTopLevelWindow(WindowRole::Help, MainWindowHwnd());
    if (!help)
      return;  // no window, so no label to write into
    ShowWindow(help, SW_SHOW);
  }
  SetControlText(Control::帮助窗口_透明标签1, usageText);
}
