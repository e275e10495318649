#include "e2e/ocr_output.h"

#include <cstdlib>

namespace orvane::testing {

namespace {

// Reads the writer's compact output in order; what it cannot find it reports as empty values.
class Scanner {
 public:
  explicit Scanner(const std::string& document) : text_(document) {}

  // Moves past the next occurrence of marker; false when there is none.
  bool skipPast(const std::string& marker) {
    const std::size_t found = text_.find(marker, at_);
    if (found == std::string::npos)
      return false;
    at_ = found + marker.size();
    return true;
  }

  // The body of the string that starts at the current position, unescaped.
  std::string string() {
    std::string out;
    if (at_ >= text_.size() || text_[at_] != '"')
      return out;
    for (++at_; at_ < text_.size() && text_[at_] != '"'; ++at_) {
      if (text_[at_] != '\\' || at_ + 1 == text_.size()) {
        out += text_[at_];
        continue;
      }
      const char next = text_[++at_];
      out += next == 'n' ? '\n' : next == 't' ? '\t' : next;
    }
    ++at_;
    return out;
  }

  double number(const std::string& key) {
    if (!skipPast("\"" + key + "\":"))
      return -1;
    return std::strtod(text_.c_str() + at_, nullptr);
  }

 private:
  const std::string& text_;
  std::size_t at_ = 0;
};

}  // namespace

std::vector<PrintedLine> printedLines(const std::string& document) {
  std::vector<PrintedLine> lines;
  Scanner scanner(document);
  while (scanner.skipPast("{\"text\":")) {
    PrintedLine line{};
    line.text = scanner.string();
    line.confidence = scanner.number("confidence");
    line.x = scanner.number("x");
    line.y = scanner.number("y");
    line.width = scanner.number("width");
    line.height = scanner.number("height");
    lines.push_back(line);
  }
  return lines;
}

std::string printedText(const std::string& document) {
  Scanner scanner(document);
  return scanner.skipPast("],\"text\":") ? scanner.string() : "<no text member>";
}

}  // namespace orvane::testing
