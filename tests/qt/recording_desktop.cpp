#include "recording_desktop.h"

#include <QString>

#include "desktop/desktop.h"
#include "desktop/qt/qt_text.h"

namespace {
RecordingDesktop recorded;
}

RecordingDesktop& Recorded() {
  return recorded;
}
void ResetRecorded() {
  recorded = RecordingDesktop();
}

Text GetClipboardText() {
  return recorded.clipboard;
}

bool SetClipboardText(const Text& text) {
  recorded.events << QStringLiteral("copy ") + QStringFromGbk(text);
  recorded.clipboard = text;
  return true;
}

void OpenUrl(const Text& url) {
  recorded.events << QStringLiteral("open ") + QStringFromGbk(url);
}

int ShowMessage(const Text& text, int style, const Text& title, NativeWindow owner) {
  recorded.events << QStringLiteral("message %1|%2|%3|%4")
                         .arg(QStringFromGbk(text))
                         .arg(style)
                         .arg(QStringFromGbk(title))
                         .arg(owner != 0 ? QStringLiteral("owned") : QStringLiteral("unowned"));
  return recorded.answer;
}
