#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cli/command_result.h"
#include "platform/platform.h"

namespace orvane {

enum class OperandRule {
  ignored,     // any further words are ignored
  exactlyOne,  // exactly one operand
  exactlyTwo,  // exactly two operands
};

struct Command {
  std::string_view name;
  OperandRule operands;
  std::string_view operandNames;  // as the usage text shows them, "" for none
  // Converts the operands and calls the operation. Never prints.
  CommandResult (*run)(std::span<const std::string> operands, Platform& platform);
};

// The commands, in the order of the usage text; looked up in this order.
extern const std::vector<Command> commandTable;

// The usage error's message: "usage: OrvaneScreenTool " and each command with its operand names,
// separated by " | ".
const std::string& usageText();

// Picks the command named by args[1] (args[0] is the program path), checks its operand rule and
// runs it. Throws ToolError::usage for a malformed command line, and passes on whatever the
// operation throws.
CommandResult dispatch(const std::vector<std::string>& args, Platform& platform);

}  // namespace orvane
