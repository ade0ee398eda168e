#include "app/qt/display.h"

#include <xcb/xcb.h>

#include <QDir>
#include <QLibraryInfo>
#include <cstdlib>
#include <memory>

namespace {

std::string_view Environment(const char* name) {
  const char* value = std::getenv(name);
  return value ? std::string_view(value) : std::string_view();
}

bool WaylandPluginInstalled() {
  const QDir platforms(QLibraryInfo::path(QLibraryInfo::PluginsPath) + QStringLiteral("/platforms"));
  return !platforms.entryList({QStringLiteral("libqwayland*.so")}, QDir::Files).isEmpty();
}

}  // namespace

DisplayChoice ChooseDisplay(std::string_view qpaPlatform, std::string_view display,
                            std::string_view waylandDisplay, bool waylandPluginInstalled) {
  if (!qpaPlatform.empty()) {
    return qpaPlatform.starts_with("xcb") ? (display.empty() ? DisplayChoice::None : DisplayChoice::X11)
                                          : DisplayChoice::AsUserSet;
  }
  if (!display.empty())
    return DisplayChoice::X11;
  if (!waylandDisplay.empty() && waylandPluginInstalled)
    return DisplayChoice::Wayland;
  return DisplayChoice::None;
}

bool XServerAnswers(const std::string& display) {
  std::unique_ptr<xcb_connection_t, decltype(&xcb_disconnect)> connection(
      xcb_connect(display.c_str(), nullptr), &xcb_disconnect);
  return connection && xcb_connection_has_error(connection.get()) == 0;
}

std::string PrepareDisplay() {
  const std::string display(Environment("DISPLAY"));
  switch (ChooseDisplay(Environment("QT_QPA_PLATFORM"), display, Environment("WAYLAND_DISPLAY"),
                        WaylandPluginInstalled())) {
    case DisplayChoice::X11:
      if (!XServerAnswers(display))
        return "the X display \"" + display + "\" refused the connection";
      if (Environment("QT_QPA_PLATFORM").empty())
        setenv("QT_QPA_PLATFORM", "xcb", 1);
      return {};
    case DisplayChoice::AsUserSet:
      return {};
    case DisplayChoice::Wayland:
      setenv("QT_QPA_PLATFORM", "wayland", 1);
      return {};
    case DisplayChoice::None:
      break;
  }
  return "there is no display to show it on (DISPLAY is not set)";
}
