#include "app/win32/message_loop.h"

#include "app/win32/control_registry.h"

int RunMessageLoop() {
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    // Both windows get the dialog keys: Tab and Shift+Tab move the focus,
    // Esc becomes IDCANCEL (close), Enter becomes IDOK (ignored).
    HWND root = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    if (root && (root == MainWindowHwnd() || root == HelpWindowHwnd()) && IsDialogMessageW(root, &message))
      continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}
