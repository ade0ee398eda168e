#pragma once

#include "desktop/native_window.h"
#include "text/text.h"

// The desktop as the click actions see it. Each platform links its own
// implementation of these functions; the tests link fakes instead. None of
// them reports an error: a failure comes back as an empty text or false.

// The clipboard's text, or the empty text when it holds none or is busy.
Text GetClipboardText();
// Replaces the clipboard's content; true when the text was placed.
bool SetClipboardText(const Text& text);
// Hands the text, byte for byte, to the desktop's "open" action and returns at once.
void OpenUrl(const Text& url);
// A modal message box owned by `owner`; `style` is a Win32 MessageBox style.
// Returns the button that closed it: OK 0, Cancel 1, Abort 2, Retry 3,
// Ignore 4, Yes 5, No 6.
int ShowMessage(const Text& text, int style, const Text& title, NativeWindow owner);
