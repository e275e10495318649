#include <string>
#include <vector>

#include "cli/run_tool.h"
#include "platform/posix/standard_streams.h"
#include "platform/system_platform.h"

int main(int argc, char** argv) {
  orvane::StandardStreams streams = orvane::prepareStandardStreams();
  const std::vector<std::string> args(argv, argv + argc);
  const auto platform = orvane::makeSystemPlatform();
  return orvane::runTool(args, *platform, streams.out, streams.err);
}
