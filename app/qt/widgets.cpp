#include "app/qt/widgets.h"

#include <QPointer>
#include <array>

namespace {

constexpr std::size_t kControlCount = static_cast<std::size_t>(Control::帮助窗口_透明标签1) + 1;

// A closed HelpWindow is deleted; QPointer forgets its label by itself.
std::array<QPointer<QWidget>, kControlCount> widgets;

std::size_t SlotOf(Control control) {
  return static_cast<std::size_t>(control);
}

}  // namespace

void RegisterControl(Control control, QWidget* widget) {
  widgets[SlotOf(control)] = widget;
}

QWidget* ControlWidget(Control control) {
  return widgets[SlotOf(control)].data();
}

QWidget* WindowOf(Control control) {
  QWidget* widget = ControlWidget(control);
  return widget ? widget->window() : nullptr;
}

QWidget* MainWindowWidget() {
  return WindowOf(Control::选择框5);
}

QWidget* HelpWindowWidget() {
  return WindowOf(Control::帮助窗口_透明标签1);
}
