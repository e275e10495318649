#pragma once

#include <sys/types.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace orvane::testing {

// A program running beside the test: killed and reaped when destroyed, and killed by the kernel
// if the test process dies first, so that no server outlives a crashed test.
class BackgroundProcess {
 public:
  // environment: "NAME=value" entries added to or replacing the test's own.
  explicit BackgroundProcess(const std::vector<std::string>& args,
                             const std::vector<std::string>& environment = {});
  ~BackgroundProcess();
  BackgroundProcess(const BackgroundProcess&) = delete;
  BackgroundProcess& operator=(const BackgroundProcess&) = delete;

  pid_t pid() const { return pid_; }

  // The next line of the program's standard output, without its line feed; nothing when the
  // program closes it or the time runs out first.
  std::optional<std::string> readLine(double timeoutSeconds = 30);

  // Sends a signal; stopping the process is undone before it is killed.
  void signal(int number) const;

  // Whether the process has ended; reaps it when it has.
  bool hasEnded();

 private:
  pid_t pid_ = -1;
  bool ended_ = false;
  int stdoutFd_ = -1;
  std::string buffered_;
};

// Polls condition until it holds or the time runs out; returns its last answer.
bool waitUntil(const std::function<bool()>& condition, double timeoutSeconds = 30);

}  // namespace orvane::testing
