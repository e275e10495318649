#include "support/child_process.h"

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>
#include <stdexcept>

extern char** environ;

namespace orvane::testing {

std::vector<std::string> environmentWith(const std::vector<std::string>& changes) {
  std::vector<std::string> result;
  for (char** entry = environ; *entry != nullptr; ++entry)
    result.emplace_back(*entry);
  for (const std::string& change : changes) {
    const std::string name = change.substr(0, change.find('='));
    std::erase_if(result, [&](const std::string& existing) {
      return existing.compare(0, name.size() + 1, name + "=") == 0;
    });
    if (change.find('=') != std::string::npos)
      result.push_back(change);
  }
  return result;
}

std::vector<char*> pointers(std::vector<std::string>& strings) {
  std::vector<char*> result;
  for (std::string& s : strings)
    result.push_back(s.data());
  result.push_back(nullptr);
  return result;
}

ProcessOutcome runProcess(const std::vector<std::string>& args, const ProcessOptions& options) {
  int outPipe[2];
  int errPipe[2];
  if (pipe2(outPipe, O_CLOEXEC) != 0 || pipe2(errPipe, O_CLOEXEC) != 0) {
    throw std::runtime_error("pipe failed");
  }
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
  switch (options.stdoutMode) {
    case ProcessOptions::Stdout::captured:
      posix_spawn_file_actions_adddup2(&actions, outPipe[1], STDOUT_FILENO);
      break;
    case ProcessOptions::Stdout::closed:
      posix_spawn_file_actions_addclose(&actions, STDOUT_FILENO);
      break;
    case ProcessOptions::Stdout::readerGone:
      posix_spawn_file_actions_adddup2(&actions, outPipe[1], STDOUT_FILENO);
      close(outPipe[0]);
      outPipe[0] = -1;
      break;
  }
  posix_spawn_file_actions_adddup2(&actions, errPipe[1], STDERR_FILENO);
  if (options.workingDirectory) {
    posix_spawn_file_actions_addchdir_np(&actions, options.workingDirectory->c_str());
  }
  std::vector<std::string> argStrings = args;
  std::vector<std::string> envStrings = environmentWith(options.environment);
  std::vector<char*> argv = pointers(argStrings);
  std::vector<char*> envp = pointers(envStrings);
  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
  posix_spawn_file_actions_destroy(&actions);
  close(outPipe[1]);
  close(errPipe[1]);
  if (spawned != 0) {
    if (outPipe[0] >= 0)
      close(outPipe[0]);
    close(errPipe[0]);
    throw std::runtime_error(std::string("cannot start ") + args[0] + ": " + strerror(spawned));
  }

  ProcessOutcome outcome{-1, 0, false, {}, {}};
  const auto deadline =
      std::chrono::steady_clock::now() + std::chrono::duration<double>(options.timeoutSeconds);
  pollfd fds[2] = {{outPipe[0], POLLIN, 0}, {errPipe[0], POLLIN, 0}};
  std::string* sinks[2] = {&outcome.out, &outcome.err};
  int open = outPipe[0] >= 0 ? 2 : 1;
  while (open > 0) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) {
      outcome.timedOut = true;
      kill(pid, SIGKILL);
      break;
    }
    if (poll(fds, 2, static_cast<int>(left.count())) < 0 && errno != EINTR)
      break;
    for (int i = 0; i < 2; ++i) {
      if (fds[i].fd < 0 || fds[i].revents == 0)
        continue;
      char buffer[65536];
      const ssize_t n = read(fds[i].fd, buffer, sizeof buffer);
      if (n > 0) {
        sinks[i]->append(buffer, static_cast<std::size_t>(n));
      } else if (n == 0 || errno != EINTR) {
        close(fds[i].fd);
        fds[i].fd = -1;
        --open;
      }
    }
  }
  for (const pollfd& fd : fds) {
    if (fd.fd >= 0)
      close(fd.fd);
  }
  int status = 0;
  while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  if (WIFEXITED(status))
    outcome.exitStatus = WEXITSTATUS(status);
  if (WIFSIGNALED(status))
    outcome.signal = WTERMSIG(status);
  return outcome;
}

const std::string& toolPath() {
  static const std::string path = ORVANE_TOOL_PATH;
  return path;
}

ProcessOutcome runTool(const std::vector<std::string>& arguments, const ProcessOptions& options) {
  std::vector<std::string> args = {toolPath()};
  args.insert(args.end(), arguments.begin(), arguments.end());
  return runProcess(args, options);
}

}  // namespace orvane::testing
