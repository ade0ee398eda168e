#include <QClipboard>
#include <QGuiApplication>

#include "desktop/desktop.h"
#include "desktop/qt/qt_text.h"

Text GetClipboardText() {
  // A clipboard without text (a picture, a list of files) gives an empty QString.
  return GbkFromQString(QGuiApplication::clipboard()->text(QClipboard::Clipboard));
}

bool SetClipboardText(const Text& text) {
  QClipboard* clipboard = QGuiApplication::clipboard();
  const QString wanted = QStringFromGbk(text);
  clipboard->setText(wanted, QClipboard::Clipboard);
  // Qt reports no failure to take the selection; once it has it, the text
  // reads back from this program, so a read tells whether it was placed.
  return clipboard->text(QClipboard::Clipboard) == wanted;
}
