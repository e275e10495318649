#pragma once

#include <string_view>

#include "platform/platform.h"

namespace orvane {

// Writes straight to a file descriptor, unbuffered, retrying partial writes and EINTR. A failed
// write (a closed pipe, a closed descriptor) throws PlatformError.
class FileDescriptorSink : public OutputSink {
 public:
  // closed: the descriptor was not open when the process started; every write then fails.
  explicit FileDescriptorSink(int fd, bool closed = false) : fd_(fd), closed_(closed) {}
  void write(std::string_view bytes) override;

 private:
  int fd_;
  bool closed_;
};

struct StandardStreams {
  FileDescriptorSink out;
  FileDescriptorSink err;
};

// Prepares the process's standard streams for the tool: SIGPIPE is ignored, so a reader that
// went away makes a write fail instead of killing the process, and a closed descriptor 1 or 2 is
// held open on /dev/null, so that no later open (the X connection) can take its number, while
// the returned sink still refuses to write there. Descriptor 2 itself then points at /dev/null so
// that no library's own messages reach the tool's standard error; the error sink writes to a
// copy of the original.
StandardStreams prepareStandardStreams();

}  // namespace orvane
