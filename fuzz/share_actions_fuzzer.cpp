// Whatever lands on the clipboard, in whatever state the boxes are: the
// click actions never crash, cut codes of at most four bytes, and show only
// their own messages.
#include <fuzzer/FuzzedDataProvider.h>

#include <string>

#include "actions/share_actions.h"
#include "fuzz/fuzz_checks.h"
#include "tests/fakes/fake_desktop.h"
#include "text/encoding.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  ResetFake();
  FakeDesktop& fake = Fake();
  fake.ticks[Control::选择框8] = in.ConsumeBool();
  fake.clipboardWritable = in.ConsumeBool();
  const bool plainUrl = in.ConsumeBool();
  fake.controlTexts[Control::编辑框3] = Text("before");
  const std::string clipboard = in.ConsumeRemainingBytesAsString();
  fake.clipboard = Text(clipboard);
  const Text original = fake.clipboard;

  OpenShareWithCode();
  FUZZ_CHECK(fake.controlTexts[Control::编辑框6].bytes().size() <= 4);
  FUZZ_CHECK(fake.events.size() <= 6);
  for (const DesktopEvent& event : fake.events) {
    if (event.kind == DesktopEvent::Message)
      FUZZ_CHECK(event.owner == FakeDesktop::kMainWindow && event.style == 0);
    if (event.kind == DesktopEvent::Open)
      FUZZ_CHECK(event.text.bytes().starts_with("http"));
  }
  if (!fake.clipboardWritable || !fake.ticks[Control::选择框8])
    FUZZ_CHECK(fake.clipboard == original);

  ReopenShare();
  ClearShareFields();
  FUZZ_CHECK(fake.controlTexts[Control::编辑框4].empty());

  if (plainUrl) {
    fake.events.clear();
    fake.clipboard = original;
    OpenPlainUrl();
    FUZZ_CHECK(fake.events.size() == 1);
    const Text shown = fake.controlTexts[Control::编辑框3];
    if (fake.events[0].kind == DesktopEvent::Open) {
      FUZZ_CHECK(shown.bytes().starts_with("http") && original.bytes().ends_with(shown.bytes()));
    } else {
      FUZZ_CHECK(shown == Text("before"));
    }
    ClearUrlField();
  }
  return 0;
}
