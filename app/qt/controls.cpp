#include <QAbstractButton>
#include <QByteArray>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVariant>
#include <cstdio>
#include <cstdlib>

#include "app/control_table.h"
#include "app/controls.h"
#include "app/qt/widgets.h"
#include "desktop/qt/qt_text.h"

namespace {

// The bytes last written into a widget, and what the widget showed right
// after. UTF-16 cannot carry a lone lead byte back, and a line edit may
// change line breaks, so while the widget still shows exactly that, the
// written bytes are its text.
constexpr char kWrittenBytes[] = "quelvoWrittenBytes";
constexpr char kWrittenShown[] = "quelvoWrittenShown";

QWidget* OpenControl(Control control) {
  QWidget* widget = ControlWidget(control);
  if (!widget) {
    std::fprintf(stderr, "Quelvo-Tolvane: control %d used while its window is not open\n",
                 static_cast<int>(control));
    std::abort();
  }
  return widget;
}

QString Shown(QWidget* widget, ControlKind kind) {
  switch (kind) {
    case ControlKind::EditBox:
      return static_cast<QLineEdit*>(widget)->text();
    case ControlKind::TransparentLabel:
      return static_cast<QLabel*>(widget)->text();
    case ControlKind::GroupBox:
      return static_cast<QGroupBox*>(widget)->title();
    case ControlKind::PushButton:
    case ControlKind::CheckBox:
      return static_cast<QAbstractButton*>(widget)->text();
  }
  return {};
}

void Show(QWidget* widget, ControlKind kind, const QString& text) {
  switch (kind) {
    case ControlKind::EditBox:
      static_cast<QLineEdit*>(widget)->setText(text);
      return;
    case ControlKind::TransparentLabel:
      // The label has no background of its own: its parent repaints the
      // whole box, so nothing of the former text stays behind.
      static_cast<QLabel*>(widget)->setText(text);
      widget->parentWidget()->update(widget->geometry());
      return;
    case ControlKind::GroupBox:
      static_cast<QGroupBox*>(widget)->setTitle(text);
      return;
    case ControlKind::PushButton:
    case ControlKind::CheckBox:
      static_cast<QAbstractButton*>(widget)->setText(text);
      return;
  }
}

}  // namespace

Text GetControlText(Control control) {
  QWidget* widget = OpenControl(control);
  const QString shown = Shown(widget, SpecOf(control).kind);
  const QVariant written = widget->property(kWrittenBytes);
  if (written.isValid() && widget->property(kWrittenShown).toString() == shown) {
    const QByteArray bytes = written.toByteArray();
    return Text(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
  }
  return GbkFromQString(shown);
}

void SetControlText(Control control, const Text& text) {
  QWidget* widget = OpenControl(control);
  const ControlKind kind = SpecOf(control).kind;
  Show(widget, kind, QStringFromGbk(text));
  widget->setProperty(kWrittenBytes,
                      QByteArray(text.bytes().data(), static_cast<qsizetype>(text.bytes().size())));
  widget->setProperty(kWrittenShown, Shown(widget, kind));
}

bool IsTicked(Control control) {
  return static_cast<QAbstractButton*>(OpenControl(control))->isChecked();
}

NativeWindow MainWindowHandle() {
  return static_cast<NativeWindow>(OpenControl(Control::选择框5)->window()->winId());
}
