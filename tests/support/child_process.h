#pragma once

#include <optional>
#include <string>
#include <vector>

namespace orvane::testing {

struct ProcessOutcome {
  int exitStatus;   // -1 when the process did not exit normally
  int signal;       // the signal that ended it, 0 when it exited
  bool timedOut;    // killed after the time limit
  std::string out;  // all of standard output
  std::string err;  // all of standard error
};

struct ProcessOptions {
  // Extra or replaced environment variables, "NAME=value"; "NAME" alone removes one.
  std::vector<std::string> environment;
  std::optional<std::string> workingDirectory;
  // Only a guard against hangs: room for sanitizer builds on a loaded machine, not a measure of
  // speed.
  double timeoutSeconds = 120;
  // How standard output reaches the child: captured, closed, or a pipe nobody reads.
  enum class Stdout { captured, closed, readerGone } stdoutMode = Stdout::captured;
};

// The test's own environment with changes applied: "NAME=value" adds or replaces a variable,
// "NAME" alone removes one.
std::vector<std::string> environmentWith(const std::vector<std::string>& changes);

// Pointers to the strings, ending with a null pointer, for exec-style calls.
std::vector<char*> pointers(std::vector<std::string>& strings);

// Runs program with args (args[0] included), captures both streams, waits for it to end.
ProcessOutcome runProcess(const std::vector<std::string>& args, const ProcessOptions& options = {});

// The path of the tool under test, as the build placed it.
const std::string& toolPath();

// Runs the tool with the given arguments (without args[0]).
ProcessOutcome runTool(const std::vector<std::string>& arguments,
                       const ProcessOptions& options = {});

}  // namespace orvane::testing
