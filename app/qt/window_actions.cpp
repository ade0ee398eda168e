#include "app/window_actions.h"

#include "app/controls.h"
#include "app/qt/above_layer.h"
#include "app/qt/widgets.h"
#include "app/qt/windows.h"

namespace {

// Brings the open HelpWindow forward, or creates it. A closed one may still
// be waiting for its deletion: it is not open any more.
void LoadHelpWindow() {
  QWidget* help = HelpWindowWidget();
  if (help && help->isVisible()) {
    if (help->isMinimized()) {
      help->showNormal();
    } else {
      help->raise();
      help->activateWindow();
    }
    return;
  }
  help = BuildHelpWindow(MainWindowWidget());
  help->show();
}

}  // namespace

void ShowUsageHelp(const Text& usageText) {
  LoadHelpWindow();
  SetControlText(Control::帮助窗口_透明标签1, usageText);
}

void ToggleAlwaysOnTop() {
  // Set from the box each time, never flipped, so the two cannot drift apart.
  SetAboveLayer(MainWindowWidget(), IsTicked(Control::选择框5));
}
