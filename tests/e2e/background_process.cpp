#include "background_process.h"

#include "support/child_process.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <stdexcept>
#include <thread>

namespace orvane::testing {

namespace {

using Clock = std::chrono::steady_clock;

}  // namespace

BackgroundProcess::BackgroundProcess(const std::vector<std::string>& args,
                                     const std::vector<std::string>& environment) {
  std::vector<std::string> argStrings = args;
  std::vector<std::string> envStrings = environmentWith(environment);
  std::vector<char*> argv = pointers(argStrings);
  std::vector<char*> envp = pointers(envStrings);
  int out[2];
  if (pipe2(out, O_CLOEXEC) != 0)
    throw std::runtime_error("pipe failed");
  const pid_t parent = getpid();
  pid_ = fork();
  if (pid_ < 0)
    throw std::runtime_error("fork failed");
  if (pid_ == 0) {
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (getppid() != parent)
      _exit(127);
    const int null = open("/dev/null", O_RDWR);
    dup2(null, STDIN_FILENO);
    dup2(out[1], STDOUT_FILENO);
    dup2(null, STDERR_FILENO);
    execvpe(argv[0], argv.data(), envp.data());
    _exit(127);
  }
  close(out[1]);
  stdoutFd_ = out[0];
}

BackgroundProcess::~BackgroundProcess() {
  if (!hasEnded()) {
    signal(SIGKILL);
    waitpid(pid_, nullptr, 0);
  }
  close(stdoutFd_);
}

bool BackgroundProcess::hasEnded() {
  // Reaped once; its number may belong to another process afterwards.
  if (!ended_)
    ended_ = waitpid(pid_, nullptr, WNOHANG) == pid_;
  return ended_;
}

void BackgroundProcess::signal(int number) const {
  if (ended_)
    return;
  kill(pid_, number);
  if (number == SIGKILL || number == SIGTERM)
    kill(pid_, SIGCONT);
}

std::optional<std::string> BackgroundProcess::readLine(double timeoutSeconds) {
  const auto deadline = Clock::now() + std::chrono::duration<double>(timeoutSeconds);
  for (;;) {
    if (const auto end = buffered_.find('\n'); end != std::string::npos) {
      std::string line = buffered_.substr(0, end);
      buffered_.erase(0, end + 1);
      return line;
    }
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    pollfd readable{stdoutFd_, POLLIN, 0};
    if (left <= 0 || poll(&readable, 1, static_cast<int>(left)) <= 0)
      return std::nullopt;
    char chunk[256];
    const ssize_t count = read(stdoutFd_, chunk, sizeof chunk);
    if (count <= 0)
      return std::nullopt;
    buffered_.append(chunk, static_cast<std::size_t>(count));
  }
}

bool waitUntil(const std::function<bool()>& condition, double timeoutSeconds) {
  const auto deadline = Clock::now() + std::chrono::duration<double>(timeoutSeconds);
  while (!condition()) {
    if (Clock::now() >= deadline)
      return condition();
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return true;
}

}  // namespace orvane::testing
