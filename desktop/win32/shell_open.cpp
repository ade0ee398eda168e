#include "desktop/desktop.h"
#include "desktop/win32/wide_text.h"
#include "desktop/win32/windows_api.h"
// After windows.h; lean builds leave the shell's header out.
#include <shellapi.h>

void OpenUrl(const Text& url) {
  // The text goes as it is, without trimming or escaping; what the shell
  // makes of it, and whether it fails, is its own affair.
  ShellExecuteW(nullptr, L"open", WideFromText(url).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}
