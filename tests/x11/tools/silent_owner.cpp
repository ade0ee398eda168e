// Takes the CLIPBOARD selection and never answers a request for it, as a
// hung program that still owns the clipboard would. Prints "owner" once it
// holds the selection; ends when another client takes the selection over or
// the X connection goes away.
#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

struct ConnectionCloser {
  void operator()(xcb_connection_t* connection) const { xcb_disconnect(connection); }
};
using Connection = std::unique_ptr<xcb_connection_t, ConnectionCloser>;

template <typename Reply>
using ReplyOf = std::unique_ptr<Reply, decltype(&std::free)>;

xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
  const auto cookie = xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)), name);
  ReplyOf<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(connection, cookie, nullptr), &std::free);
  return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

xcb_window_t Owner(xcb_connection_t* connection, xcb_atom_t selection) {
  ReplyOf<xcb_get_selection_owner_reply_t> reply(
      xcb_get_selection_owner_reply(connection, xcb_get_selection_owner(connection, selection), nullptr),
      &std::free);
  return reply ? reply->owner : xcb_window_t{XCB_WINDOW_NONE};
}

}  // namespace

int main() {
  Connection connection(xcb_connect(nullptr, nullptr));
  if (xcb_connection_has_error(connection.get())) {
    std::fprintf(stderr, "silent_owner: no X display\n");
    return 1;
  }
  xcb_connection_t* c = connection.get();
  const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
  const xcb_window_t window = xcb_generate_id(c);
  xcb_create_window(c, XCB_COPY_FROM_PARENT, window, screen->root, 0, 0, 1, 1, 0, XCB_WINDOW_CLASS_INPUT_ONLY,
                    screen->root_visual, 0, nullptr);
  const xcb_atom_t clipboard = Atom(c, "CLIPBOARD");
  xcb_set_selection_owner(c, window, clipboard, XCB_CURRENT_TIME);
  if (Owner(c, clipboard) != window) {
    std::fprintf(stderr, "silent_owner: could not take the clipboard\n");
    return 1;
  }
  std::puts("owner");
  std::fflush(stdout);

  // A SelectionRequest is read and dropped: the requestor waits in vain.
  while (xcb_generic_event_t* event = xcb_wait_for_event(c)) {
    const bool lost = (event->response_type & 0x7f) == XCB_SELECTION_CLEAR;
    std::free(event);
    if (lost)
      return 0;
  }
  return 0;
}
