#include "platform/x11/x11_connection.h"

#include <poll.h>
#include <xcb/xcbext.h>

#include <cerrno>

#include "platform/x11/x11_connection_watch.h"

namespace orvane::x11 {

namespace {

xcb_window_t rootOfScreen(xcb_connection_t* connection, int screenNumber) {
  xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
  for (int index = 0; screens.rem > 0; xcb_screen_next(&screens), ++index) {
    if (index == screenNumber)
      return screens.data->root;
  }
  return 0;
}

}  // namespace

Connection::Connection(Clock::time_point deadline)
    : deadline_(deadline), watch_(ConnectionWatch::start(deadline)) {
  int screen = 0;
  xcb_connection_t* connection = watch_->awaitConnection(screen);
  if (connection != nullptr && !xcb_connection_has_error(connection))
    root_ = rootOfScreen(connection, screen);
  if (root_ == 0) {
    xcb_disconnect(watch_->finish());
    throw ConnectionLost{};
  }
  connection_ = connection;
}

Connection::~Connection() {
  // The watchdog must be gone before the socket is closed and its number reused.
  xcb_disconnect(watch_->finish());
}
void* Connection::awaitReply(unsigned sequence) {
  if (xcb_flush(connection_) <= 0)
    throw ConnectionLost{};
  for (;;) {
    void* reply = nullptr;
    xcb_generic_error_t* error = nullptr;
    const bool answered = xcb_poll_for_reply(connection_, sequence, &reply, &error) != 0;
    std::free(error);
    if (xcb_connection_has_error(connection_)) {
      std::free(reply);
      throw ConnectionLost{};
    }
    if (answered)
      return reply;
    waitUntilReadable();
  }
}

void Connection::waitUntilReadable() const {
  const auto remaining =
      std::chrono::ceil<std::chrono::milliseconds>(deadline_ - Clock::now()).count();
  if (remaining <= 0)
    throw ConnectionLost{};
  pollfd socket{xcb_get_file_descriptor(connection_), POLLIN, 0};
  if (poll(&socket, 1, static_cast<int>(remaining)) < 0 && errno != EINTR)
    throw ConnectionLost{};
}

}  // namespace orvane::x11
