#pragma once

#include <string>
#include <vector>

#include "platform/platform.h"

namespace orvane {

// One whole run: dispatches args, prints the result on out and returns 0, or reports any failure
// as the error object on err and returns 1. The only place where failures are caught.
int runTool(const std::vector<std::string>& args, Platform& platform, OutputSink& out,
            OutputSink& err);

}  // namespace orvane
