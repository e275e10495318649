#include "platform/sway/sway_ipc.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstring>
#include <thread>

#include "base/tool_error.h"
#include "support/temporary_folder.h"

namespace orvane::sway {
namespace {

using namespace std::chrono_literals;

// A listening socket whose one connection is answered by reply (or left unanswered).
class FakeCompositor {
 public:
  explicit FakeCompositor(std::string path) : path_(std::move(path)) {
    listener_ = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path_.c_str(), sizeof(address.sun_path) - 1);
    EXPECT_EQ(bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
    EXPECT_EQ(listen(listener_, 1), 0);
  }
  ~FakeCompositor() {
    if (server_.joinable())
      server_.join();
    close(listener_);
  }

  void answerWith(std::string reply) {
    server_ = std::thread([this, reply = std::move(reply)] {
      const int connection = accept(listener_, nullptr, nullptr);
      char request[14];
      if (recv(connection, request, sizeof(request), MSG_WAITALL) == sizeof(request))
        send(connection, reply.data(), reply.size(), MSG_NOSIGNAL);
      close(connection);
    });
  }

 private:
  std::string path_;
  int listener_ = -1;
  std::thread server_;
};

std::string header(std::uint32_t length, std::uint32_t type = 4) {
  std::string bytes = "i3-ipc";
  bytes.append(reinterpret_cast<const char*>(&length), 4);
  bytes.append(reinterpret_cast<const char*>(&type), 4);
  return bytes;
}

std::string failureOf(const std::string& path, std::chrono::milliseconds limit = 5s) {
  try {
    requestTree(path, std::chrono::steady_clock::now() + limit);
  } catch (const PlatformError& error) {
    return error.what();
  }
  return "no failure";
}

TEST(SwayIpc, ReadsOneWholeAnswer) {
  const testing::TemporaryFolder folder("sway-ipc");
  const std::string path = (folder.path() / "ipc").string();
  FakeCompositor compositor(path);
  compositor.answerWith(header(4) + "{}  ");
  EXPECT_EQ(requestTree(path, std::chrono::steady_clock::now() + 30s), "{}  ");
}

TEST(SwayIpc, BadAnswersFailClearly) {
  const testing::TemporaryFolder folder("sway-ipc");
  const std::string path = (folder.path() / "ipc").string();
  EXPECT_NE(failureOf(path).find("cannot be reached"), std::string::npos);
  {
    FakeCompositor silent(path);  // accepts, never answers: the deadline ends the wait
    EXPECT_EQ(failureOf(path, 300ms),
              "window list unavailable: sway IPC gave no answer within the time limit");
  }
  const std::pair<std::string, std::string> cases[] = {
      {header(100) + "{}", "closed the connection before the answer was complete"},
      {header(0xFFFFFFF0u), "answer is too large"},
      {header(2, 3) + "{}", "answered with something other than the window tree"},
      {"i3-ip", "closed the connection before the answer was complete"},
  };
  for (const auto& [reply, expected] : cases) {
    unlink(path.c_str());
    FakeCompositor compositor(path);
    compositor.answerWith(reply);
    EXPECT_EQ(failureOf(path), "window list unavailable: sway IPC " + expected);
  }
}

}  // namespace
}  // namespace orvane::sway
