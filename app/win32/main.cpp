#include "app/control_table.h"
#include "app/win32/main_window.h"
#include "app/win32/message_loop.h"
#include "app/win32/startup_texts.h"
#include "desktop/win32/wide_text.h"
#include "desktop/win32/windows_api.h"
// After windows.h, which lean builds keep these out of.
#include <commctrl.h>
#include <objbase.h>

namespace {

// Some shell handlers behind ShellExecuteW are COM objects and want an
// apartment on the calling thread.
class ComApartment {
 public:
  ComApartment()
      : initialised_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE))) {}
  ~ComApartment() {
    if (initialised_)
      CoUninitialize();
  }
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;

 private:
  bool initialised_;
};

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand) {
  const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  ComApartment apartment;

  if (!CreateMainWindow(showCommand)) {
    MessageBoxW(nullptr, WideFromText(kStartupFailedMessage).c_str(),
                WideFromText(MainWindowSpec().title).c_str(), MB_ICONERROR | MB_OK);
    return 1;
  }
  return RunMessageLoop();
}
