#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace orvane::dbus {

using Deadline = std::chrono::steady_clock::time_point;

// A method to call with string arguments.
struct MethodCall {
  std::string destination;
  std::string path;
  std::string interface;
  std::string member;
  std::vector<std::string> arguments;
};

// What came back for a call, once it has.
struct Reply {
  bool arrived = false;
  std::string sender;                    // the answering connection's unique name
  std::optional<std::string> errorName;  // the D-Bus error's name, as org.freedesktop.DBus.Error.…
  std::optional<std::string> error;      // its name and message
  std::optional<std::int32_t> integer;   // the value of a reply of one 32-bit integer
  std::optional<std::string> text;       // the value of a reply of one string
};

// A method call made to this connection: who sent it, and its string argument.
using StringReceiver = std::function<void(const std::string& sender, std::string text)>;

// The user's session bus through sd-bus, which is loaded from libsystemd when the first bus is
// opened, so that runs that never need D-Bus never map it. Every wait is bounded by a deadline;
// failures throw PlatformError with failurePrefix before their own description.
class SessionBus {
 public:
  // Connects and waits, until deadline at most, for the bus to give this connection its name.
  SessionBus(Deadline deadline, std::string failurePrefix);
  ~SessionBus();
  SessionBus(const SessionBus&) = delete;
  SessionBus& operator=(const SessionBus&) = delete;

  const std::string& uniqueName() const { return uniqueName_; }

  // Sends call; the reply is filled in while the bus is processed, so it must outlive that.
  void send(const MethodCall& call, Reply& reply);
  // Calls member of interface at path on this connection go to receive, with a reply each.
  void serve(const std::string& path, const std::string& interface, const std::string& member,
             StringReceiver receive);
  // Writes out what has been sent, until deadline at most; whether it all went.
  bool flush(Deadline deadline);
  // Processes messages until done() holds (true) or deadline passes (false).
  bool processUntil(const std::function<bool()>& done, Deadline deadline);

  struct State;

 private:
  std::unique_ptr<State> state_;
  std::string uniqueName_;
};

}  // namespace orvane::dbus
