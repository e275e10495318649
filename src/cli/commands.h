#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cli/command_result.h"
#include "cli/platform.h"

namespace orvane {

enum class OperandRule {
  ignored,     // any further words are ignored
  exactlyOne,  // exactly one operand
  exactlyTwo,  // exactly two operands
};

struct Command {
  std::string_view name;
  OperandRule operands;
  // Converts the operands and calls the operation. Never prints.
  CommandResult (*run)(std::span<const std::string> operands, Platform& platform);
};

// The commands, in the order of the usage text; looked up in this order.
extern const std::vector<Command> commandTable;

// Picks the command named by args[1] (args[0] is the program path), checks its operand rule and
// runs it. Throws ToolError::usage for a malformed command line, and passes on whatever the
// operation throws.
CommandResult dispatch(const std::vector<std::string>& args, Platform& platform);

}  // namespace orvane
