// Starts a program on a bare X server (no window manager) and reports the
// milliseconds until its first top-level window is mapped, and its resident
// memory half a second later. Usage: window_timer PROGRAM [ARGS...]
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <thread>

namespace {

long ResidentKilobytes(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("VmRSS:", 0) == 0)
      return std::strtol(line.c_str() + 6, nullptr, 10);
  }
  return -1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: window_timer PROGRAM [ARGS...]\n");
    return 2;
  }
  xcb_connection_t* x = xcb_connect(nullptr, nullptr);
  if (xcb_connection_has_error(x)) {
    std::fprintf(stderr, "window_timer: no X server\n");
    return 2;
  }
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
  const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
  xcb_change_window_attributes(x, root, XCB_CW_EVENT_MASK, &mask);
  xcb_flush(x);

  const auto started = std::chrono::steady_clock::now();
  const pid_t child = fork();
  if (child == 0) {
    execvp(argv[1], argv + 1);
    _exit(127);
  }
  double milliseconds = -1;
  while (auto* event = xcb_wait_for_event(x)) {
    std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> owned(event, &std::free);
    if ((event->response_type & 0x7F) != XCB_MAP_NOTIFY)
      continue;
    if (reinterpret_cast<xcb_map_notify_event_t*>(event)->override_redirect)
      continue;
    milliseconds =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - started).count();
    break;
  }
  std::this_thread::sleep_for(std::chrono::milliseconds(500));
  const long rss = ResidentKilobytes(child);
  kill(child, SIGTERM);
  waitpid(child, nullptr, 0);
  xcb_disconnect(x);
  std::printf("%.1f %ld\n", milliseconds, rss);
  return milliseconds < 0 ? 1 : 0;
}
