#pragma once

#include <string>
#include <string_view>

// Which display the program starts on. Qt's xcb plugin aborts when the X
// server cannot be reached, so the X display is tried first.

enum class DisplayChoice {
  X11,        // the X server named by DISPLAY
  AsUserSet,  // the platform the user chose in QT_QPA_PLATFORM
  Wayland,    // a Wayland session without an X server
  None,       // nothing to show a window on
};

// `qpaPlatform`, `display` and `waylandDisplay` are QT_QPA_PLATFORM, DISPLAY
// and WAYLAND_DISPLAY, empty when unset. In a Wayland session that also has
// an X server (XWayland) the program goes through X, where the always-on-top
// layer can be asked for.
DisplayChoice ChooseDisplay(std::string_view qpaPlatform, std::string_view display,
                            std::string_view waylandDisplay, bool waylandPluginInstalled);

// Whether an X server accepts a connection on `display`.
bool XServerAnswers(const std::string& display);

// Settles the platform for QApplication (setting QT_QPA_PLATFORM to xcb
// where X is chosen). Returns an empty text when a window can be shown, or
// the reason why not.
std::string PrepareDisplay();
