#pragma once

#include <xcb/xcb.h>

#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

namespace orvane::x11 {

// Connects on a helper thread, because xcb_connect waits without limit for a server that accepts
// the connection but never answers; then the same thread guards the deadline by shutting the
// socket down, which ends whatever xcb call the owner is blocked in.
class ConnectionWatch : public std::enable_shared_from_this<ConnectionWatch> {
 public:
  static std::shared_ptr<ConnectionWatch> start(std::chrono::steady_clock::time_point deadline);

  // The new connection (possibly one in error) and its screen number, or null when the deadline
  // passed first.
  xcb_connection_t* awaitConnection(int& screen);

  // Ends the watch and returns the connection, which the caller then disconnects; null when
  // connecting is still under way, in which case the thread is let go and disconnects by itself
  // if it ever ends.
  xcb_connection_t* finish();

 private:
  explicit ConnectionWatch(std::chrono::steady_clock::time_point deadline) : deadline_(deadline) {}
  void run();

  const std::chrono::steady_clock::time_point deadline_;
  std::mutex mutex_;
  std::condition_variable changed_;
  xcb_connection_t* connection_ = nullptr;
  int screen_ = 0;
  bool connected_ = false;
  bool finished_ = false;
  std::thread thread_;
};

}  // namespace orvane::x11
