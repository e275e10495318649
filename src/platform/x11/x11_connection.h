#pragma once

#include <xcb/xcb.h>

#include <chrono>
#include <cstdlib>
#include <memory>

namespace orvane::x11 {

using Clock = std::chrono::steady_clock;

// The server could not be reached before the deadline, or the connection broke. A snapshot that
// meets it is given up whole: a half-read window list is never reported.
struct ConnectionLost {};

struct FreeDeleter {
  void operator()(void* memory) const { std::free(memory); }
};
template <typename T>
using Reply = std::unique_ptr<T, FreeDeleter>;

class ConnectionWatch;

// A connection to the server named by DISPLAY on which no wait outlasts one deadline: replies are
// awaited with poll(), and a watchdog shuts the socket down at the deadline, which also ends any
// write that xcb blocks in. Writing to that socket afterwards relies on SIGPIPE being ignored.
class Connection {
 public:
  // Throws ConnectionLost when no server is named, none answers, or the deadline passes first.
  explicit Connection(Clock::time_point deadline);
  ~Connection();
  Connection(const Connection&) = delete;
  Connection& operator=(const Connection&) = delete;

  xcb_connection_t* get() const { return connection_; }
  xcb_window_t root() const { return root_; }

  // The reply to the request with this sequence number, or null when the server answered it with
  // an error (typically a window destroyed meanwhile). Throws ConnectionLost.
  template <typename T>
  Reply<T> reply(unsigned sequence) {
    return Reply<T>(static_cast<T*>(awaitReply(sequence)));
  }

 private:
  void* awaitReply(unsigned sequence);
  void waitUntilReadable() const;

  Clock::time_point deadline_;
  std::shared_ptr<ConnectionWatch> watch_;
  xcb_connection_t* connection_ = nullptr;
  xcb_window_t root_ = 0;
};

}  // namespace orvane::x11
