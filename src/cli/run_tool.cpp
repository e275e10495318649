#include "cli/run_tool.h"

#include <exception>
#include <new>

#include "cli/commands.h"
#include "cli/output.h"

namespace orvane {

int runTool(const std::vector<std::string>& args, Platform& platform, OutputSink& out,
            OutputSink& err) {
  try {
    printJSON(dispatch(args, platform), out);
    return 0;
  } catch (const std::bad_alloc&) {
    reportError("out of memory", err);
  } catch (const std::exception& error) {
    reportError(error.what(), err);
  } catch (...) {
    reportError("unknown error", err);
  }
  return 1;
}

}  // namespace orvane
