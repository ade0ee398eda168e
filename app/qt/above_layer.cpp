#include "app/qt/above_layer.h"

#include <xcb/xcb.h>

#include <QtGui/qguiapplication_platform.h>
#include <QGuiApplication>
#include <QWindow>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

constexpr std::uint32_t kNetWmStateRemove = 0;
constexpr std::uint32_t kNetWmStateAdd = 1;
constexpr std::uint32_t kSourceApplication = 1;

struct FreeReply {
  void operator()(void* reply) const { std::free(reply); }
};
template <typename Reply>
using ReplyPtr = std::unique_ptr<Reply, FreeReply>;

xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
  ReplyPtr<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
      connection, xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name),
      nullptr));
  return reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
}

// A mapped window's state belongs to the window manager: the client asks
// for a change with a message to the root window (EWMH _NET_WM_STATE).
bool AskWindowManager(xcb_connection_t* connection, xcb_window_t window, bool above) {
  ReplyPtr<xcb_query_tree_reply_t> tree(
      xcb_query_tree_reply(connection, xcb_query_tree(connection, window), nullptr));
  const xcb_atom_t state = Atom(connection, "_NET_WM_STATE");
  const xcb_atom_t aboveAtom = Atom(connection, "_NET_WM_STATE_ABOVE");
  if (!tree || state == XCB_ATOM_NONE || aboveAtom == XCB_ATOM_NONE)
    return false;

  xcb_client_message_event_t message{};
  message.response_type = XCB_CLIENT_MESSAGE;
  message.format = 32;
  message.window = window;
  message.type = state;
  message.data.data32[0] = above ? kNetWmStateAdd : kNetWmStateRemove;
  message.data.data32[1] = aboveAtom;
  message.data.data32[2] = 0;
  message.data.data32[3] = kSourceApplication;
  xcb_send_event(connection, 0, tree->root,
                 XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                 reinterpret_cast<const char*>(&message));
  xcb_flush(connection);
  return true;
}

}  // namespace

void SetAboveLayer(QWidget* window, bool above) {
  // The interface is there whenever Qt was built with X11; a connection only on the xcb platform.
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  if (xcb_connection_t* connection = x11 ? x11->connection() : nullptr) {
    AskWindowManager(connection, static_cast<xcb_window_t>(window->winId()), above);
    return;
  }
  // No window manager to ask: the platform window takes the hint itself.
  // QWindow::setFlags, unlike QWidget::setWindowFlags, does not hide the window.
  QWindow* handle = window->windowHandle();
  handle->setFlag(Qt::WindowStaysOnTopHint, above);
}
