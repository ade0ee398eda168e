#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "desktop/desktop.h"
#include "desktop/qt/qt_text.h"

namespace {

// The GBK bytes travel beside the Unicode text: UTF-16 cannot carry a byte
// that is no whole GBK character (a code cut through a character), and a
// later read must give back exactly what was written. Another program that
// takes the clipboard takes this format away with it.
const QString kGbkFormat = QStringLiteral("application/x-quelvo-tolvane-gbk");

}  // namespace

Text GetClipboardText() {
  const QMimeData* data = QGuiApplication::clipboard()->mimeData(QClipboard::Clipboard);
  // A clipboard without text (a picture, a list of files) reads as the empty
  // text. The formats are asked for once: when the owner never answers, each
  // asking waits out the toolkit's clipboard timeout, and hasText() would ask
  // twice (for text and for links).
  if (!data || !data->formats().contains(QStringLiteral("text/plain")))
    return Text();
  const QString text = data->text();
  if (data->hasFormat(kGbkFormat)) {
    const QByteArray bytes = data->data(kGbkFormat);
    const Text written(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (QStringFromGbk(written) == text)
      return written;
  }
  return GbkFromQString(text);
}

bool SetClipboardText(const Text& text) {
  QClipboard* clipboard = QGuiApplication::clipboard();
  const QString wanted = QStringFromGbk(text);
  auto* data = new QMimeData;
  data->setText(wanted);
  data->setData(kGbkFormat, QByteArray(text.bytes().data(), static_cast<qsizetype>(text.bytes().size())));
  clipboard->setMimeData(data, QClipboard::Clipboard);
  // Qt reports no failure to take the selection; once it has it, the text
  // reads back from this program, so a read tells whether it was placed.
  return clipboard->text(QClipboard::Clipboard) == wanted;
}
