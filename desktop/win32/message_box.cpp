#include "desktop/desktop.h"
#include "desktop/win32/message_box_rules.h"
#include "desktop/win32/wide_text.h"
#include "desktop/win32/windows_api.h"

int ShowMessage(const Text& text, int style, const Text& title, NativeWindow owner) {
  const int answer = MessageBoxW(reinterpret_cast<HWND>(owner), WideFromText(text).c_str(),
                                 WideFromText(title).c_str(), static_cast<UINT>(DesktopMessageStyle(style)));
  return ButtonNumber(answer);
}
