#pragma once

#include <string>
#include <vector>

namespace orvane::testing {

// One line object of the tool's `ocr` output.
struct PrintedLine {
  std::string text;
  double confidence;
  double x;
  double y;
  double width;
  double height;
};

// The line objects of an `ocr` document, in order, read from the writer's compact form.
std::vector<PrintedLine> printedLines(const std::string& document);

// The value of the top-level "text" member.
std::string printedText(const std::string& document);

}  // namespace orvane::testing
