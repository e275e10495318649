// No server, or one that does not answer: the listings are empty, the lookups find nothing, and
// the tool never waits much longer than its two-second limit.
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <csignal>
#include <cstring>
#include <thread>

#include "support/child_process.h"
#include "virtual_desktop.h"

namespace orvane::testing {
namespace {

using Clock = std::chrono::steady_clock;

// The tool's limit is 2 s; the rest is room for a loaded machine, not a measure of speed.
constexpr double patienceSeconds = 10;

// Built by appending: GCC 12 at -O3 misreads `":" + std::to_string(n)` as an overlapping copy.
std::string displayName(int number) {
  std::string name = ":";
  name += std::to_string(number);
  return name;
}

ProcessOutcome runWithDisplay(const std::vector<std::string>& arguments,
                              const std::string& display) {
  ProcessOptions options;
  options.environment = x11SessionEnvironment(display);
  options.timeoutSeconds = 15;
  return runTool(arguments, options);
}

void expectEmptyList(const std::string& display) {
  const auto start = Clock::now();
  const ProcessOutcome list = runWithDisplay({"list-all"}, display);
  EXPECT_LT(std::chrono::duration<double>(Clock::now() - start).count(), patienceSeconds);
  EXPECT_EQ(list.exitStatus, 0) << list.err;
  EXPECT_EQ(list.out, "[]\n");
  EXPECT_EQ(list.err, "");
}

void expectNothingThere(const std::string& display) {
  expectEmptyList(display);
  const ProcessOutcome frontmost = runWithDisplay({"frontmost"}, display);
  EXPECT_EQ(frontmost.exitStatus, 1);
  EXPECT_EQ(frontmost.out, "");
  EXPECT_EQ(frontmost.err, "{\"success\":false,\"error\":\"target window not found\"}\n");
}

// A listening socket where an X server of some free display number would be, which either never
// accepts or, once connected, sends a valid setup and then never answers again.
class FakeServer {
 public:
  explicit FakeServer(bool sendSetup) {
    listener_ = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    for (int number = 700; number < 800 && display_.empty(); ++number) {
      sockaddr_un address{};
      address.sun_family = AF_UNIX;
      const std::string path = "/tmp/.X11-unix/X" + std::to_string(number);
      std::memcpy(address.sun_path + 1, path.data(), path.size());  // abstract name
      const auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + path.size());
      if (access(path.c_str(), F_OK) != 0 &&
          bind(listener_, reinterpret_cast<sockaddr*>(&address), length) == 0)
        display_ = displayName(number);
    }
    listen(listener_, 8);
    if (sendSetup)
      thread_ = std::thread([this] { serve(); });
  }
  ~FakeServer() {
    stop_ = true;
    if (thread_.joinable())
      thread_.join();
    for (const int client : clients_)
      close(client);
    close(listener_);
  }
  const std::string& display() const { return display_; }

 private:
  void serve() {
    while (!stop_) {
      pollfd pending{listener_, POLLIN, 0};
      if (poll(&pending, 1, 50) <= 0)
        continue;
      const int client = accept(listener_, nullptr, nullptr);
      if (client < 0)
        continue;
      clients_.push_back(client);
      const std::vector<std::uint8_t> setup = setupReply();
      (void)!write(client, setup.data(), setup.size());
    }
  }

  // A success reply with one 1280x800 screen whose root is 0x100, in this machine's byte order.
  static std::vector<std::uint8_t> setupReply() {
    std::vector<std::uint8_t> reply(8 + 32 + 40, 0);
    const auto put16 = [&](std::size_t at, std::uint16_t v) { std::memcpy(&reply[at], &v, 2); };
    const auto put32 = [&](std::size_t at, std::uint32_t v) { std::memcpy(&reply[at], &v, 4); };
    reply[0] = 1;
    put16(2, 11);
    put16(6, (32 + 40) / 4);
    put32(12, 0x00200000);  // resource id base
    put32(16, 0x001fffff);  // resource id mask
    put16(26, 0xffff);      // maximum request length
    reply[28] = 1;          // screens
    reply[32] = 32;         // scanline unit
    reply[33] = 32;         // scanline pad
    reply[34] = 8;          // min keycode
    reply[35] = 255;        // max keycode
    put32(40, 0x100);       // root
    put16(60, 1280);
    put16(62, 800);
    reply[78] = 24;  // root depth
    return reply;
  }

  int listener_ = -1;
  std::string display_;
  std::atomic<bool> stop_ = false;
  std::vector<int> clients_;
  std::thread thread_;
};

TEST(UnreachableServer, NoDisplayNamed) {
  expectNothingThere("");
}

TEST(UnreachableServer, NoServerOnTheDisplay) {
  FakeServer reserved(false);  // holds a free number; a fresh one is free too
  expectNothingThere(displayName(std::stoi(reserved.display().substr(1)) + 1000));
}

TEST(UnreachableServer, ServerThatNeverAccepts) {
  FakeServer silent(false);
  ASSERT_FALSE(silent.display().empty());
  expectEmptyList(silent.display());
}

TEST(UnreachableServer, ServerThatFallsSilentAfterTheSetup) {
  FakeServer silent(true);
  ASSERT_FALSE(silent.display().empty());
  expectEmptyList(silent.display());
}

TEST(UnreachableServer, StoppedServer) {
  VirtualDesktop desktop({.windowManager = false, .resourceExtension = true});
  desktop.openTestWindow({});
  desktop.server().signal(SIGSTOP);
  expectEmptyList(desktop.display());
}

}  // namespace
}  // namespace orvane::testing
