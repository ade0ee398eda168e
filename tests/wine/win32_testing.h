#pragma once

#include <optional>

#include "desktop/win32/windows_api.h"

// Runs every message that is waiting, as the event loop would, including
// the dialog keys. The exit code when the loop was told to end.
inline std::optional<int> PumpMessages(HWND dialogKeysFor = nullptr) {
  std::optional<int> quit;
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      quit = static_cast<int>(message.wParam);
      continue;
    }
    if (dialogKeysFor && IsDialogMessageW(dialogKeysFor, &message))
      continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return quit;
}

inline RECT ClientRectIn(HWND window, HWND control) {
  RECT rect;
  GetWindowRect(control, &rect);
  MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}
