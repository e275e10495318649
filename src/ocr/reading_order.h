#pragma once

#include <functional>
#include <vector>

#include "ocr/ocr_records.h"

namespace orvane {

// Two lines whose vertical centres lie within this distance (a fraction of the image height) share
// a row and are ordered left to right.
inline constexpr double rowTolerance = 0.012;

// Whether line a is read before line b: the higher line first, or within one row the left one.
// Not a strict weak ordering: rows chain through neighbours within the tolerance.
bool readsBefore(const OCRLine& a, const OCRLine& b);

using LineComparator = std::function<bool(const OCRLine&, const OCRLine&)>;

// A stable top-down merge sort that only ever compares elements of lines, so any comparator, even
// an intransitive or inconsistent one, leaves every line in the list exactly once.
void stableMergeSort(std::vector<OCRLine>& lines, const LineComparator& before);

// Sorts lines into reading order with readsBefore; lines that neither precedes keep their order.
void sortIntoReadingOrder(std::vector<OCRLine>& lines);

}  // namespace orvane
