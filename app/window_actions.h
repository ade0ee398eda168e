#pragma once

#include "text/text.h"

// The two click actions that work on windows rather than texts. Each front
// end implements them.

// Opens HelpWindow (or brings the open one forward) showing `usageText`.
void ShowUsageHelp(const Text& usageText);
// Puts MainWindow into the always-on-top layer or takes it out of it, as the
// tick of 选择框5 says, without moving or activating it.
void ToggleAlwaysOnTop();
