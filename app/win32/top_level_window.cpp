#include "app/win32/top_level_window.h"

#include <memory>

#include "app/win32/control_building.h"
#include "app/win32/control_colours.h"
#include "app/win32/control_registry.h"
#include "app/win32/resource_ids.h"
#include "desktop/win32/wide_text.h"

namespace {

constexpr wchar_t kWindowClass[] = L"QuelvoTolvaneWindow";
constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

void RunClickAction(HWND from) {
  const auto control = ControlAt(from);
  if (!control)
    return;
  if (ClickAction action = ClickActionFor(*control))
    action();
}

void ForgetControlsOf(HWND window) {
  WindowState* state = StateOf(window);
  if (!state)
    return;
  for (const ControlSpec& spec : state->controls)
    ForgetControl(spec.control);
  if (state->role == WindowRole::Main) {
    SetMainWindowHwnd(nullptr);
    // Only a window that was up ends the loop; one that failed to build is
    // reported by the start-up instead.
    if (state->built)
      PostQuitMessage(0);
  } else {
    SetHelpWindowHwnd(nullptr);
  }
}

// Focus goes back where it was when the window is active again, as in a
// dialog; the first control that takes it when there was none.
void RestoreFocus(HWND window) {
  WindowState* state = StateOf(window);
  HWND target = state && state->lastFocus && IsWindow(state->lastFocus) ? state->lastFocus : nullptr;
  if (!target)
    target = GetNextDlgTabItem(window, nullptr, FALSE);
  if (target && target != window)
    SetFocus(target);
}

LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NCHITTEST: {
      // The background drags the window as the title bar does; group boxes
      // let the press through to here.
      const LRESULT hit = DefWindowProcW(window, message, wParam, lParam);
      return hit == HTCLIENT ? HTCAPTION : hit;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN: {
      const auto control = ControlAt(reinterpret_cast<HWND>(lParam));
      HBRUSH brush = control ? ColourControl(SpecOf(*control), reinterpret_cast<HDC>(wParam)) : nullptr;
      if (brush)
        return reinterpret_cast<LRESULT>(brush);
      break;
    }
    case WM_COMMAND:
      if (lParam == 0) {
        // From IsDialogMessage: Esc closes the window; Enter (IDOK) means nothing.
        if (LOWORD(wParam) == IDCANCEL)
          PostMessageW(window, WM_CLOSE, 0, 0);
        return 0;
      }
      if (HIWORD(wParam) == BN_CLICKED)
        RunClickAction(reinterpret_cast<HWND>(lParam));
      return 0;
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (WindowState* state = StateOf(window); state && focus && IsChild(window, focus))
          state->lastFocus = focus;
      }
      break;
    case WM_SETFOCUS:
      RestoreFocus(window);
      return 0;
    case WM_DESTROY:
      ForgetControlsOf(window);
      return 0;
    case WM_NCDESTROY:
      delete StateOf(window);
      SetWindowLongPtrW(window, GWLP_USERDATA, 0);
      break;
    default:
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

bool RegisterWindowClass(HINSTANCE instance) {
  static const bool registered = [instance] {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = WindowProcedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kWindowClass;
    windowClass.hIcon =
        static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(QUELVO_PROGRAM_ICON), IMAGE_ICON,
                                      GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), 0));
    windowClass.hIconSm =
        static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(QUELVO_PROGRAM_ICON), IMAGE_ICON,
                                      GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
    return RegisterClassExW(&windowClass) != 0;
  }();
  return registered;
}

}  // namespace

WindowState* StateOf(HWND window) {
  return reinterpret_cast<WindowState*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

HWND CreateTopLevelWindow(WindowRole role, HWND owner) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  if (!RegisterWindowClass(instance))
    return nullptr;
  const bool main = role == WindowRole::Main;
  const WindowSpec& spec = main ? MainWindowSpec() : HelpWindowSpec();
  const int left = CentredOrigin(GetSystemMetrics(SM_CXSCREEN), spec.outerWidth);
  const int top = CentredOrigin(GetSystemMetrics(SM_CYSCREEN), spec.outerHeight);

  HWND window = CreateWindowExW(0, kWindowClass, WideFromText(spec.title).c_str(), kWindowStyle, left, top,
                                spec.outerWidth, spec.outerHeight, owner, nullptr, instance, nullptr);
  if (!window)
    return nullptr;
  // From here the window owns its state and frees it when it is destroyed.
  auto* state = new WindowState{role, main ? MainWindowControls() : HelpWindowControls(), {}, nullptr};
  SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state));
  if (main) {
    SetMainWindowHwnd(window);
  } else {
    SetHelpWindowHwnd(window);
  }
  if (!BuildControls(window, *state)) {
    DestroyWindow(window);
    return nullptr;
  }
  state->built = true;

  RECT outer;
  if (GetWindowRect(window, &outer) &&
      (outer.right - outer.left != spec.outerWidth || outer.bottom - outer.top != spec.outerHeight)) {
    SetWindowPos(window, nullptr, left, top, spec.outerWidth, spec.outerHeight,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
  return window;
}
