#include "desktop/qt/message_box.h"

#include <QApplication>
#include <QWidget>

#include "desktop/desktop.h"
#include "desktop/qt/qt_text.h"

namespace {

constexpr int kButtonSetMask = 0x0F;
constexpr int kIconMask = 0xF0;

}  // namespace

QMessageBox::StandardButtons ButtonsOfStyle(int style) {
  using B = QMessageBox::StandardButton;
  switch (style & kButtonSetMask) {
    case 1:
      return B::Ok | B::Cancel;
    case 2:
      return B::Abort | B::Retry | B::Ignore;
    case 3:
      return B::Yes | B::No | B::Cancel;
    case 4:
      return B::Yes | B::No;
    case 5:
      return B::Retry | B::Cancel;
    default:
      return B::Ok;
  }
}

QMessageBox::Icon IconOfStyle(int style) {
  switch (style & kIconMask) {
    case 0x10:
      return QMessageBox::Critical;
    case 0x20:
      return QMessageBox::Question;
    case 0x30:
      return QMessageBox::Warning;
    case 0x40:
      return QMessageBox::Information;
    default:
      return QMessageBox::NoIcon;
  }
}

int AnswerOfButton(QMessageBox::StandardButton button) {
  switch (button) {
    case QMessageBox::Cancel:
      return 1;
    case QMessageBox::Abort:
      return 2;
    case QMessageBox::Retry:
      return 3;
    case QMessageBox::Ignore:
      return 4;
    case QMessageBox::Yes:
      return 5;
    case QMessageBox::No:
      return 6;
    default:
      return 0;
  }
}

int ShowMessage(const Text& text, int style, const Text& title, NativeWindow owner) {
  QWidget* parent = QWidget::find(static_cast<WId>(owner));
  QMessageBox box(IconOfStyle(style), QStringFromGbk(title), QStringFromGbk(text), ButtonsOfStyle(style),
                  parent);
  box.setTextFormat(Qt::PlainText);
  // Every window of the program waits for the box, as a task-modal box does.
  box.setWindowModality(Qt::ApplicationModal);
  box.exec();
  return AnswerOfButton(box.standardButton(box.clickedButton()));
}
