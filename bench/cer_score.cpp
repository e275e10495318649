// Prints the character errors of a recognised text against its ground truth: "EDITS REFERENCE",
// the edit distance and the length of the ground truth in code points (see cer.h).
//
//   cer_score [--json] TRUTH-FILE RECOGNISED-FILE
//
// With --json the recognised file is the tool's `ocr` output and its "text" member is scored; an
// output without one (an error object, an empty file) scores as no text at all.
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "cer.h"
#include "json_text.h"

namespace {

bool readAll(const char* path, std::string& out) {
  std::ifstream in(path, std::ios::binary);
  if (!in)
    return false;
  out.assign(std::istreambuf_iterator<char>(in), {});
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  const bool json = argc == 4 && std::string(argv[1]) == "--json";
  if (argc != 3 + (json ? 1 : 0)) {
    std::fprintf(stderr, "usage: cer_score [--json] TRUTH-FILE RECOGNISED-FILE\n");
    return 2;
  }
  std::string truth, recognised;
  if (!readAll(argv[argc - 2], truth) || !readAll(argv[argc - 1], recognised)) {
    std::fprintf(stderr, "cer_score: cannot read the input files\n");
    return 2;
  }
  if (json)
    recognised = orvane::bench::topLevelText(recognised).value_or("");
  const auto errors = orvane::bench::characterErrors(truth, recognised);
  std::printf("%zu %zu\n", errors.edits, errors.reference);
  return 0;
}
