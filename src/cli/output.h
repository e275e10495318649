#pragma once

#include <string>
#include <string_view>

#include "cli/command_result.h"
#include "platform/platform.h"

namespace orvane {

// The compact JSON text of result, without the closing line feed. Throws EncodingError.
std::string encodeJSON(const CommandResult& result);

// Encodes result whole, then writes it with its line feed to out in one write, so that a failed
// write leaves no document without its line feed behind. Throws before writing anything when
// the result cannot be encoded.
void printJSON(const CommandResult& result, OutputSink& out);

// The error path's output: the error object {"success":false,"error":message} and one line feed
// on err. A failing write is ignored: there is nowhere left to report it.
void reportError(std::string_view message, OutputSink& err) noexcept;

}  // namespace orvane
