#pragma once

#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "app/controls.h"
#include "desktop/native_window.h"
#include "text/text.h"

// Linked in place of a real desktop and front end: a clipboard that can be
// empty, hold a text, refuse writing or change between reads, a set of
// controls, and a record of everything that reached the desktop, in order.

struct DesktopEvent {
  enum Kind { Open, Copy, Message } kind;
  Text text;
  int style = 0;
  Text title;
  NativeWindow owner = 0;

  static DesktopEvent Opened(Text url) { return {Open, std::move(url), 0, Text(), 0}; }
  static DesktopEvent Copied(Text code) { return {Copy, std::move(code), 0, Text(), 0}; }
  static DesktopEvent Shown(Text text, int style, Text title, NativeWindow owner) {
    return {Message, std::move(text), style, std::move(title), owner};
  }
};
bool operator==(const DesktopEvent& a, const DesktopEvent& b);
void PrintTo(const DesktopEvent& event, std::ostream* os);

struct FakeDesktop {
  Text clipboard;  // the empty text stands for "no text" too
  bool clipboardWritable = true;
  std::deque<Text> scriptedReads;  // when not empty, each read takes the next of these instead
  int clipboardReads = 0;
  std::vector<DesktopEvent> events;

  std::map<Control, Text> controlTexts;
  std::map<Control, Text> readBack;  // a control that gives back this instead of what it holds
  std::map<Control, bool> ticks;
  std::vector<Control> writes;  // every SetControlText, in order

  static constexpr NativeWindow kMainWindow = 0x5157;
};

// The one fake every test starts afresh.
FakeDesktop& Fake();
void ResetFake();
