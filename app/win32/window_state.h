#pragma once

#include <memory>
#include <span>
#include <type_traits>
#include <vector>

#include "app/control_table.h"
#include "desktop/win32/windows_api.h"

enum class WindowRole { Main, Help };

struct FontDeleter {
  void operator()(HFONT font) const { DeleteObject(font); }
};
using OwnedFont = std::unique_ptr<std::remove_pointer_t<HFONT>, FontDeleter>;

// What a top-level window owns besides its controls. It lives from the
// building of the controls to WM_NCDESTROY, after the controls are gone.
struct WindowState {
  WindowRole role;
  std::span<const ControlSpec> controls;
  std::vector<OwnedFont> fonts;  // one per control
  HWND lastFocus = nullptr;      // given back when the window is active again
  bool built = false;            // every control made
};

WindowState* StateOf(HWND window);
