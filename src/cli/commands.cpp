#include "cli/commands.h"

#include "base/tool_error.h"
#include "cli/coordinate.h"
#include "ocr/recognize.h"
#include "windows/frontmost.h"
#include "windows/usable_windows.h"
#include "windows/window_lookup.h"

namespace orvane {

namespace {

ToolError usageError() {
  return ToolError::usage(usageText());
}

double coordinateOrUsage(const std::string& text) {
  const auto value = parseCoordinate(text);
  if (!value)
    throw usageError();
  return *value;
}

CommandResult runFrontmost(std::span<const std::string>, Platform& platform) {
  return frontmostApplication(platform.windowSource(), platform.applicationRegistry());
}

CommandResult runList(std::span<const std::string>, Platform& platform) {
  return usableWindows(platform.windowSource(), platform.applicationRegistry());
}

CommandResult runListAll(std::span<const std::string>, Platform& platform) {
  return allWindows(platform.windowSource(), platform.applicationRegistry());
}

CommandResult runWindowForBundle(std::span<const std::string> operands, Platform& platform) {
  return windowForBundle(operands[0], platform.windowSource(), platform.applicationRegistry());
}

CommandResult runWindowAtPoint(std::span<const std::string> operands, Platform& platform) {
  const double x = coordinateOrUsage(operands[0]);
  const double y = coordinateOrUsage(operands[1]);
  return windowAtPoint({x, y}, platform.windowSource(), platform.applicationRegistry());
}

CommandResult runOCR(std::span<const std::string> operands, Platform& platform) {
  return recognize(operands[0], platform.imageDecoder(), platform.textRecognizer(),
                   platform.sleeper());
}

bool operandCountFits(OperandRule rule, std::size_t count) {
  switch (rule) {
    case OperandRule::ignored:
      return true;
    case OperandRule::exactlyOne:
      return count == 1;
    case OperandRule::exactlyTwo:
      return count == 2;
  }
  return false;
}

}  // namespace

const std::vector<Command> commandTable = {
    {"frontmost", OperandRule::ignored, "", runFrontmost},
    {"list", OperandRule::ignored, "", runList},
    {"list-all", OperandRule::ignored, "", runListAll},
    {"window-for-bundle", OperandRule::exactlyOne, "<bundle-id>", runWindowForBundle},
    {"window-at-point", OperandRule::exactlyTwo, "<x> <y>", runWindowAtPoint},
    {"ocr", OperandRule::exactlyOne, "<image-path>", runOCR},
};

const std::string& usageText() {
  static const std::string text = [] {
    std::string usage = "usage: OrvaneScreenTool";
    for (const Command& command : commandTable) {
      usage += &command == &commandTable.front() ? " " : " | ";
      usage += command.name;
      if (!command.operandNames.empty()) {
        usage += ' ';
        usage += command.operandNames;
      }
    }
    return usage;
  }();
  return text;
}

CommandResult dispatch(const std::vector<std::string>& args, Platform& platform) {
  if (args.size() < 2)
    throw usageError();
  for (const Command& command : commandTable) {
    if (args[1] != command.name)
      continue;
    const std::span<const std::string> operands = std::span(args).subspan(2);
    if (!operandCountFits(command.operands, operands.size()))
      throw usageError();
    return command.run(operands, platform);
  }
  throw usageError();
}

}  // namespace orvane
