#include "actions/share_actions.h"
#include "app/controls.h"
#include "desktop/desktop.h"
#include "text/primitives.h"

void ReopenShare() {
  // The fields are used as they stand, spaces and all; either may be empty.
  const Text link = GetControlText(Control::编辑框5);
  if (CompareText(link, Text()) != 0)
    OpenUrl(link);
  const Text code = GetControlText(Control::编辑框6);
  if (CompareText(code, Text()) != 0)
    SetClipboardText(code);
}

void ClearShareFields() {
  SetControlText(Control::编辑框4, Text());
  SetControlText(Control::编辑框5, Text());
  SetControlText(Control::编辑框6, Text());
}
