#include <optional>

#include "actions/message_styles.h"
#include "actions/share_actions.h"
#include "actions/share_texts.h"
#include "app/controls.h"
#include "desktop/desktop.h"
#include "text/extract.h"
#include "text/primitives.h"

namespace {

constexpr int32_t kCodeLength = 4;

bool Contains(const Text& text, const Text& sought) {
  return FindText(text, sought, std::nullopt, false) != -1;
}

Text RemoveFirst(const Text& text, const Text& sought) {
  return ReplaceSubtext(text, sought, std::nullopt, 1, 1, true);
}

// The three code markers differ in how spaces and brackets are treated.
struct Pass {
  const char* codeMarker;
  bool spacesLeaveWholeText;  // spaces go from the whole text, so from link and code too
  bool spacesLeaveLinkAndCode;
  bool bracketsLeaveLink;
};

constexpr Pass kPasses[] = {
    {kCodeMarkerTiquma, false, true, false},
    {kCodeMarkerMima, true, false, false},
    {kCodeMarkerFangwenma, true, false, true},
};

// A colon within the first four bytes is dropped (the first of each kind), so
// the code moves up by that much.
Text CutCode(const Text& afterMarker) {
  Text rest = afterMarker;
  if (Contains(TextLeft(rest, kCodeLength), kColon))
    rest = RemoveFirst(rest, kColon);
  if (Contains(TextLeft(rest, kCodeLength), kFullWidthColon))
    rest = RemoveFirst(rest, kFullWidthColon);
  return TextLeft(rest, kCodeLength);
}

// Each pass starts from what the clipboard holds now: once a pass has copied
// its code, the later ones test the code instead of the message.
void RunPass(const Pass& pass) {
  const Text marker(pass.codeMarker);
  if (!Contains(GetClipboardText(), marker))
    return;

  Text whole = ReplaceSubtext(GetClipboardText(), kLineBreak, std::nullopt, std::nullopt, std::nullopt, true);
  if (pass.spacesLeaveWholeText)
    whole = RemoveAllSpaces(whole);
  SetControlText(Control::编辑框4, whole);

  Text link = TextBetween(whole, kLinkMarker, marker, 0, false, 1, 0);
  if (pass.spacesLeaveLinkAndCode)
    link = RemoveAllSpaces(link);
  if (pass.bracketsLeaveLink) {
    if (Contains(link, kFullWidthBracket))
      link = RemoveFirst(link, kFullWidthBracket);
    if (Contains(link, kBracket))
      link = RemoveFirst(link, kBracket);
  }
  SetControlText(Control::编辑框5, link);

  // The code comes from the box, as it reads back.
  Text afterMarker = TextAfter(GetControlText(Control::编辑框4), marker, 1, 0);
  if (pass.spacesLeaveLinkAndCode)
    afterMarker = RemoveAllSpaces(afterMarker);
  const Text code = CutCode(afterMarker);
  SetControlText(Control::编辑框6, code);

  if (IsTicked(Control::选择框8)) {
    if (CompareText(link, Text()) != 0)
      OpenUrl(link);
    SetClipboardText(code);
  }
}

}  // namespace

void OpenShareWithCode() {
  if (CompareText(GetClipboardText(), Text()) == 0) {
    ShowMessage(kEmptyClipboardMessage, kStylePlain, kEmptyClipboardTitle, MainWindowHandle());
    return;
  }
  const bool isShare = Contains(GetClipboardText(), kProviderBaidu) ||
                       Contains(GetClipboardText(), kProviderLanzou) ||
                       Contains(GetClipboardText(), kProviderTianyi);
  if (!isShare) {
    ShowMessage(kNotAShareMessage, kStylePlain, kNotAShareTitle, MainWindowHandle());
    return;
  }
  for (const Pass& pass : kPasses)
    RunPass(pass);
}
