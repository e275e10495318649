#include "platform/sway/sway_ipc.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdint>
#include <cstring>

#include "base/tool_error.h"

namespace orvane::sway {

namespace {

constexpr std::string_view magic = "i3-ipc";
constexpr std::uint32_t getTree = 4;
constexpr std::size_t headerBytes = magic.size() + 2 * sizeof(std::uint32_t);

[[noreturn]] void fail(const std::string& why) {
  throw PlatformError("window list unavailable: sway IPC " + why);
}

class Socket {
 public:
  explicit Socket(int fd) : fd_(fd) {}
  Socket(const Socket&) = delete;
  Socket& operator=(const Socket&) = delete;
  ~Socket() {
    if (fd_ != -1)
      close(fd_);
  }
  int fd() const { return fd_; }

 private:
  int fd_;
};

void awaitReady(int fd, short events, std::chrono::steady_clock::time_point deadline) {
  for (;;) {
    const auto remaining =
        std::chrono::ceil<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now())
            .count();
    if (remaining <= 0)
      fail("gave no answer within the time limit");
    pollfd socket{fd, events, 0};
    const int ready = poll(&socket, 1, static_cast<int>(remaining));
    if (ready > 0)
      return;
    if (ready < 0 && errno != EINTR)
      fail(std::string("failed: ") + std::strerror(errno));
  }
}

void sendAll(int fd, std::string_view bytes, std::chrono::steady_clock::time_point deadline) {
  while (!bytes.empty()) {
    const ssize_t sent = send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL);
    if (sent > 0) {
      bytes.remove_prefix(static_cast<std::size_t>(sent));
    } else if (sent < 0 && (errno == EAGAIN || errno == EINTR)) {
      awaitReady(fd, POLLOUT, deadline);
    } else {
      fail(std::string("failed: ") + std::strerror(errno));
    }
  }
}

void receiveAll(int fd, char* into, std::size_t size,
                std::chrono::steady_clock::time_point deadline) {
  while (size > 0) {
    const ssize_t received = recv(fd, into, size, 0);
    if (received > 0) {
      into += received;
      size -= static_cast<std::size_t>(received);
    } else if (received == 0) {
      fail("closed the connection before the answer was complete");
    } else if (errno == EAGAIN || errno == EINTR) {
      awaitReady(fd, POLLIN, deadline);
    } else {
      fail(std::string("failed: ") + std::strerror(errno));
    }
  }
}

int connectTo(const std::string& socketPath) {
  sockaddr_un address{};
  if (socketPath.size() >= sizeof(address.sun_path))
    fail("socket path is too long");
  address.sun_family = AF_UNIX;
  std::memcpy(address.sun_path, socketPath.data(), socketPath.size());
  const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
  if (fd == -1 || connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0) {
    const int error = errno;
    if (fd != -1)
      close(fd);
    fail("socket " + socketPath + " cannot be reached: " + std::strerror(error));
  }
  return fd;
}

std::string header(std::uint32_t length, std::uint32_t type) {
  std::string bytes(magic);
  bytes.append(reinterpret_cast<const char*>(&length), sizeof(length));
  bytes.append(reinterpret_cast<const char*>(&type), sizeof(type));
  return bytes;
}

}  // namespace

std::string requestTree(const std::string& socketPath,
                        std::chrono::steady_clock::time_point deadline) {
  const Socket socket(connectTo(socketPath));
  sendAll(socket.fd(), header(0, getTree), deadline);

  std::array<char, headerBytes> reply{};
  receiveAll(socket.fd(), reply.data(), reply.size(), deadline);
  std::uint32_t length = 0;
  std::uint32_t type = 0;
  std::memcpy(&length, reply.data() + magic.size(), sizeof(length));
  std::memcpy(&type, reply.data() + magic.size() + sizeof(length), sizeof(type));
  if (std::string_view(reply.data(), magic.size()) != magic || type != getTree)
    fail("answered with something other than the window tree");
  if (length > maximumAnswerBytes)
    fail("answer is too large");
  std::string payload(length, '\0');
  receiveAll(socket.fd(), payload.data(), payload.size(), deadline);
  return payload;
}

}  // namespace orvane::sway
