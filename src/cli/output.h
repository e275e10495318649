#pragma once

#include <string_view>

#include "cli/command_result.h"
#include "cli/platform.h"

namespace orvane {

// Encodes result whole, then writes it and one line feed to out, in two writes. Throws before
// writing anything when the result cannot be encoded.
void printJSON(const CommandResult& result, OutputSink& out);

// The error path's output: the error object {"success":false,"error":message} and one line feed
// on err. A failing write is ignored: there is nowhere left to report it.
void reportError(std::string_view message, OutputSink& err) noexcept;

}  // namespace orvane
