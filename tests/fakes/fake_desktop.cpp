#include "fakes/fake_desktop.h"

#include <ostream>

#include "desktop/desktop.h"
#include "support/text_testing.h"

namespace {
FakeDesktop fake;
}

FakeDesktop& Fake() {
  return fake;
}
void ResetFake() {
  fake = FakeDesktop();
}

bool operator==(const DesktopEvent& a, const DesktopEvent& b) {
  return a.kind == b.kind && a.text == b.text && a.style == b.style && a.title == b.title &&
         a.owner == b.owner;
}

void PrintTo(const DesktopEvent& event, std::ostream* os) {
  switch (event.kind) {
    case DesktopEvent::Open:
      *os << "open " << event.text;
      break;
    case DesktopEvent::Copy:
      *os << "copy " << event.text;
      break;
    case DesktopEvent::Message:
      *os << "message " << event.text << " style " << event.style << " title " << event.title << " owner "
          << event.owner;
      break;
  }
}

Text GetClipboardText() {
  ++fake.clipboardReads;
  if (!fake.scriptedReads.empty()) {
    Text next = fake.scriptedReads.front();
    fake.scriptedReads.pop_front();
    return next;
  }
  return fake.clipboard;
}

bool SetClipboardText(const Text& text) {
  fake.events.push_back(DesktopEvent::Copied(text));
  if (!fake.clipboardWritable)
    return false;
  fake.clipboard = text;
  return true;
}

void OpenUrl(const Text& url) {
  fake.events.push_back(DesktopEvent::Opened(url));
}

int ShowMessage(const Text& text, int style, const Text& title, NativeWindow owner) {
  fake.events.push_back(DesktopEvent::Shown(text, style, title, owner));
  return 0;
}

Text GetControlText(Control control) {
  if (auto it = fake.readBack.find(control); it != fake.readBack.end())
    return it->second;
  return fake.controlTexts[control];
}

void SetControlText(Control control, const Text& text) {
  fake.controlTexts[control] = text;
  fake.writes.push_back(control);
}

bool IsTicked(Control control) {
  return fake.ticks[control];
}

NativeWindow MainWindowHandle() {
  return FakeDesktop::kMainWindow;
}
