#include "platform/x11/x11_connection_watch.h"

#include <sys/socket.h>

namespace orvane::x11 {

std::shared_ptr<ConnectionWatch> ConnectionWatch::start(
    std::chrono::steady_clock::time_point deadline) {
  std::shared_ptr<ConnectionWatch> watch(new ConnectionWatch(deadline));
  // The thread keeps the watch alive for as long as it runs, even once let go.
  watch->thread_ = std::thread([self = watch] { self->run(); });
  return watch;
}

void ConnectionWatch::run() {
  int screen = 0;
  xcb_connection_t* connection = xcb_connect(nullptr, &screen);
  const int socket =
      xcb_connection_has_error(connection) ? -1 : xcb_get_file_descriptor(connection);

  std::unique_lock lock(mutex_);
  if (finished_) {
    lock.unlock();
    xcb_disconnect(connection);
    return;
  }
  connection_ = connection;
  screen_ = screen;
  connected_ = true;
  changed_.notify_all();
  if (!changed_.wait_until(lock, deadline_, [this] { return finished_; }) && socket >= 0)
    shutdown(socket, SHUT_RDWR);
}

xcb_connection_t* ConnectionWatch::awaitConnection(int& screen) {
  std::unique_lock lock(mutex_);
  changed_.wait_until(lock, deadline_, [this] { return connected_; });
  screen = screen_;
  return connected_ ? connection_ : nullptr;
}

xcb_connection_t* ConnectionWatch::finish() {
  bool connected = false;
  {
    std::lock_guard lock(mutex_);
    finished_ = true;
    connected = connected_;
  }
  changed_.notify_all();
  if (!connected) {
    thread_.detach();
    return nullptr;
  }
  thread_.join();
  return connection_;
}

}  // namespace orvane::x11
