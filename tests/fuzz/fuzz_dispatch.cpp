// Any argument vector: exactly one document, on the right stream, with the right status.
#include <cstdlib>

#include "cli/run_tool.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/json_check.h"
#include "support/fakes.h"

namespace {

using orvane::WindowEntry;

WindowEntry sampleWindow(std::int64_t id, double x, double y, double width, double height) {
  return {{std::string(orvane::kCGWindowNumber), orvane::numberValue(id)},
          {std::string(orvane::kCGWindowOwnerPID), orvane::numberValue(id)},
          {std::string(orvane::kCGWindowOwnerName), orvane::stringValue("Owner/\"name\"")},
          {std::string(orvane::kCGWindowName), orvane::stringValue("title\n\xff")},
          {std::string(orvane::kCGWindowLayer), orvane::numberValue(0)},
          {std::string(orvane::kCGWindowBounds), orvane::boundsValue(x, y, width, height)}};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  orvane::testing::FuzzInput input(data, size);
  std::vector<std::string> args{"OrvaneScreenTool"};
  while (!input.empty() && args.size() < 6)
    args.push_back(input.string(64));
  orvane::testing::FakePlatform platform;
  platform.windows.snapshot = {sampleWindow(1, 0, 0, 400, 300), sampleWindow(2, 100, 50, 800, 600),
                               sampleWindow(3, -50, -50, 90, 70)};
  platform.registry.ids = {{2, "org.example.app"}};
  orvane::testing::RecordingSink out;
  orvane::testing::RecordingSink err;
  const int status = orvane::runTool(args, platform, out, err);

  const orvane::testing::RecordingSink& written = status == 0 ? out : err;
  const orvane::testing::RecordingSink& silent = status == 0 ? err : out;
  if (status != 0 && status != 1)
    std::abort();
  if (!silent.writes.empty())
    std::abort();
  // One write: the document and its line feed together.
  if (written.writes.size() != 1 || !written.writes[0].ends_with('\n'))
    std::abort();
  const std::string& document = written.writes[0];
  if (!orvane::testing::isValidJSONDocument(
          std::string_view(document).substr(0, document.size() - 1)))
    std::abort();
  return 0;
}
