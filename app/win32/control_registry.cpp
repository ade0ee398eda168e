#include "app/win32/control_registry.h"

#include <cstdlib>
#include <map>

namespace {

struct Registry {
  std::map<Control, RegisteredControl> controls;
  HWND mainWindow = nullptr;
  HWND helpWindow = nullptr;
};

Registry& TheRegistry() {
  static Registry registry;
  return registry;
}

}  // namespace

void RememberControl(Control control, HWND hwnd) {
  TheRegistry().controls[control] = RegisteredControl{hwnd, {}, {}};
}

void ForgetControl(Control control) {
  TheRegistry().controls.erase(control);
}

RegisteredControl& Registered(Control control) {
  auto& controls = TheRegistry().controls;
  auto found = controls.find(control);
  if (found == controls.end()) {
    OutputDebugStringW(L"quelvo-tolvane: a control of a window that is not open was used\n");
    std::abort();
  }
  return found->second;
}

std::optional<Control> ControlAt(HWND hwnd) {
  for (const auto& [control, registered] : TheRegistry().controls) {
    if (registered.hwnd == hwnd)
      return control;
  }
  return std::nullopt;
}

HWND MainWindowHwnd() {
  return TheRegistry().mainWindow;
}
void SetMainWindowHwnd(HWND hwnd) {
  TheRegistry().mainWindow = hwnd;
}
HWND HelpWindowHwnd() {
  return TheRegistry().helpWindow;
}
void SetHelpWindowHwnd(HWND hwnd) {
  TheRegistry().helpWindow = hwnd;
}
