#include "ocr/reading_order.h"

#include <cmath>
#include <cstddef>
#include <utility>

namespace orvane {

namespace {

double verticalCentre(const OCRLine& line) {
  return line.y + line.height * 0.5;
}

// Merges the sorted runs [begin, middle) and [middle, end) of from into the same range of to.
// Each step moves exactly one element and the indices never leave their runs.
void mergeRuns(std::vector<OCRLine>& from, std::vector<OCRLine>& to, std::size_t begin,
               std::size_t middle, std::size_t end, const LineComparator& before) {
  std::size_t left = begin;
  std::size_t right = middle;
  for (std::size_t out = begin; out < end; ++out) {
    // The right element goes first only when it strictly precedes the left one: stability.
    const bool takeRight = right < end && (left == middle || before(from[right], from[left]));
    to[out] = std::move(takeRight ? from[right++] : from[left++]);
  }
}

// Sorts the range [begin, end) of source, leaving the result in target. scratch and target hold
// the same elements on that range when called.
void sortRange(std::vector<OCRLine>& target, std::vector<OCRLine>& scratch, std::size_t begin,
               std::size_t end, const LineComparator& before) {
  if (end - begin < 2)
    return;
  const std::size_t middle = begin + (end - begin) / 2;
  // Sort both halves into scratch, then merge them back into target.
  sortRange(scratch, target, begin, middle, before);
  sortRange(scratch, target, middle, end, before);
  mergeRuns(scratch, target, begin, middle, end, before);
}

}  // namespace

bool readsBefore(const OCRLine& a, const OCRLine& b) {
  const double ca = verticalCentre(a);
  const double cb = verticalCentre(b);
  if (std::fabs(ca - cb) > rowTolerance)
    return ca > cb;
  return a.x < b.x;
}

void stableMergeSort(std::vector<OCRLine>& lines, const LineComparator& before) {
  std::vector<OCRLine> scratch = lines;
  sortRange(lines, scratch, 0, lines.size(), before);
}

void sortIntoReadingOrder(std::vector<OCRLine>& lines) {
  stableMergeSort(lines, readsBefore);
}

}  // namespace orvane
