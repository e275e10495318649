#include "platform/posix/standard_streams.h"

#include <fcntl.h>
#include <unistd.h>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <string>

#include "base/tool_error.h"

namespace orvane {

namespace {

// Whether fd was closed; if so, /dev/null takes its place.
bool reserveIfClosed(int fd) {
  if (fcntl(fd, F_GETFD) != -1 || errno != EBADF)
    return false;
  const int placeholder = open("/dev/null", O_RDWR | O_CLOEXEC);
  if (placeholder != -1 && placeholder != fd) {
    dup2(placeholder, fd);
    close(placeholder);
  }
  return true;
}

// Libraries may write to descriptor 2 on their own (libxcb copies an X server's refusal text
// there), so only the tool's sink keeps the real standard error, on a descriptor of its own, and
// descriptor 2 goes to /dev/null.
int keepStandardErrorForTheTool() {
  const int kept = fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 3);
  const int nothing = open("/dev/null", O_WRONLY | O_CLOEXEC);
  if (kept == -1 || nothing == -1) {
    if (nothing != -1)
      close(nothing);
    return kept == -1 ? STDERR_FILENO : kept;
  }
  dup2(nothing, STDERR_FILENO);
  close(nothing);
  return kept;
}

}  // namespace

void FileDescriptorSink::write(std::string_view bytes) {
  if (closed_)
    throw PlatformError("cannot write output: the stream is closed");
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd_, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR)
        continue;
      throw PlatformError(std::string("cannot write output: ") + std::strerror(errno));
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
}

StandardStreams prepareStandardStreams() {
  std::signal(SIGPIPE, SIG_IGN);
  // Standard input is never read, but it must not be left free for another open either.
  reserveIfClosed(STDIN_FILENO);
  const bool outClosed = reserveIfClosed(STDOUT_FILENO);
  const bool errClosed = reserveIfClosed(STDERR_FILENO);
  return {FileDescriptorSink(STDOUT_FILENO, outClosed),
          FileDescriptorSink(keepStandardErrorForTheTool(), errClosed)};
}

}  // namespace orvane
