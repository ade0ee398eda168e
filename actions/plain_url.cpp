#include <optional>

#include "actions/message_styles.h"
#include "actions/share_actions.h"
#include "actions/share_texts.h"
#include "app/controls.h"
#include "desktop/desktop.h"
#include "text/extract.h"
#include "text/primitives.h"

void OpenPlainUrl() {
  Text taken = GetClipboardText();
  if (FindText(taken, kLinkMarker, std::nullopt, false) == -1) {
    ShowMessage(kNoUrlMessage, kStyleInformation, kNoUrlTitle, MainWindowHandle());
    return;
  }
  // Everything from the first "http" to the end is one text for the shell.
  if (CompareText(TextLeft(taken, 4), kLinkMarker) != 0)
    taken = TextAfter(taken, kLinkMarker, 1, 1);
  OpenUrl(TrimBothEnds(taken));
  SetControlText(Control::编辑框3, taken);
}

void ClearUrlField() {
  SetControlText(Control::编辑框3, Text());
}
