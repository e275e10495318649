// Any boxes, NaN and infinities included, under the row comparator and under a comparator that
// answers at random: the sort always gives back a permutation of its input.
#include <algorithm>
#include <cstdlib>

#include "fuzz/fuzz_input.h"
#include "ocr/reading_order.h"

namespace {

using orvane::OCRLine;

std::vector<std::string> textsOf(const std::vector<OCRLine>& lines) {
  std::vector<std::string> texts;
  for (const OCRLine& line : lines) texts.push_back(line.text);
  std::sort(texts.begin(), texts.end());
  return texts;
}

void expectPermutation(const std::vector<OCRLine>& before, const std::vector<OCRLine>& after) {
  if (after.size() != before.size() || textsOf(after) != textsOf(before)) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  orvane::testing::FuzzInput input(data, size);
  std::vector<OCRLine> lines;
  const int count = input.inRange(0, 64);
  for (int i = 0; i < count; ++i) {
    const bool raw = input.boolean();
    const auto coordinate = [&] {
      return raw ? input.anyDouble() : input.inRange(0, 100) / 100.0;
    };
    lines.push_back(OCRLine{std::to_string(i), input.anyFloat(), coordinate(), coordinate(),
                            coordinate(), coordinate()});
  }
  std::vector<OCRLine> sorted = lines;
  orvane::sortIntoReadingOrder(sorted);
  expectPermutation(lines, sorted);

  std::vector<OCRLine> shuffled = lines;
  orvane::stableMergeSort(shuffled, [&](const OCRLine&, const OCRLine&) { return input.boolean(); });
  expectPermutation(lines, shuffled);
  return 0;
}
