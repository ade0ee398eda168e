#include <string>

#include "app/control_table.h"
#include "app/controls.h"
#include "app/win32/control_registry.h"
#include "desktop/win32/wide_text.h"

namespace {

std::wstring WindowTextOf(HWND hwnd) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
  const int copied = GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()));
  text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
  return text;
}

// A transparent label has no background of its own: what lies behind it is
// painted afresh first, or the former text would show through the new one.
void SetLabelText(HWND label, const std::wstring& text) {
  HWND parent = GetParent(label);
  RECT area;
  GetWindowRect(label, &area);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&area), 2);
  RedrawWindow(parent, &area, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
  SetWindowTextW(label, text.c_str());
  RedrawWindow(parent, &area, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

}  // namespace

Text GetControlText(Control control) {
  const RegisteredControl& registered = Registered(control);
  std::wstring shown = WindowTextOf(registered.hwnd);
  if (registered.written && shown == registered.shownAfterWrite)
    return *registered.written;
  return TextFromWide(shown);
}

void SetControlText(Control control, const Text& text) {
  RegisteredControl& registered = Registered(control);
  const std::wstring wide = WideFromText(text);
  if (SpecOf(control).kind == ControlKind::TransparentLabel) {
    SetLabelText(registered.hwnd, wide);
  } else {
    SetWindowTextW(registered.hwnd, wide.c_str());
  }
  registered.written = text;
  registered.shownAfterWrite = WindowTextOf(registered.hwnd);
}

bool IsTicked(Control control) {
  return SendMessageW(Registered(control).hwnd, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

NativeWindow MainWindowHandle() {
  return reinterpret_cast<NativeWindow>(MainWindowHwnd());
}
