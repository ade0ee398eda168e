#include <QProcess>
#include <QString>
#include <QStringList>

#include "desktop/desktop.h"
#include "text/encoding.h"

void OpenUrl(const Text& url) {
  // One argument, exactly the text: no shell sees it, so nothing in it is
  // interpreted. Whether xdg-open exists or succeeds is not the caller's concern.
  const std::string utf8 = Utf8FromGbk(url);
  QProcess::startDetached(QStringLiteral("xdg-open"),
                          {QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()))});
}
