#pragma once

#include <variant>
#include <vector>

#include "ocr/ocr_records.h"
#include "windows/frontmost.h"
#include "windows/window_result.h"

namespace orvane {

// What a command answers with: one record, or a list of window records.
using CommandResult =
    std::variant<FrontmostResult, WindowResult, std::vector<WindowResult>, OCRResult>;

}  // namespace orvane
