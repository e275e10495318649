#include "ocr/reading_order.h"

#include <gtest/gtest.h>
#include <algorithm>
#include <cmath>
#include <limits>
#include <random>

namespace orvane {
namespace {

OCRLine line(std::string text, double x, double y, double height) {
  return OCRLine{std::move(text), 1.0f, x, y, 0.1, height};
}

std::vector<std::string> textsOf(const std::vector<OCRLine>& lines) {
  std::vector<std::string> texts;
  for (const OCRLine& l : lines)
    texts.push_back(l.text);
  return texts;
}

std::vector<std::string> sortedTexts(std::vector<OCRLine> lines) {
  sortIntoReadingOrder(lines);
  return textsOf(lines);
}

// Lines named "0", "1", ... so that a sort's output can be checked to be a permutation.
std::vector<OCRLine> numberedLines(std::size_t count, std::mt19937& random) {
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  std::vector<OCRLine> lines;
  for (std::size_t i = 0; i < count; ++i)
    lines.push_back(line(std::to_string(i), unit(random), unit(random), 0.02 * unit(random)));
  return lines;
}

void expectPermutationOfNumbers(const std::vector<OCRLine>& lines, std::size_t count) {
  ASSERT_EQ(lines.size(), count);
  std::vector<bool> seen(count, false);
  for (const OCRLine& l : lines) {
    const std::size_t n = std::stoul(l.text);
    ASSERT_LT(n, count);
    EXPECT_FALSE(seen[n]) << "line " << n << " came out twice";
    seen[n] = true;
  }
}

TEST(ReadsBefore, HigherLineFirstWhenCentresDifferByMoreThanTheTolerance) {
  const OCRLine upper = line("upper", 0.9, 0.5, 0.0);
  const OCRLine lower = line("lower", 0.1, 0.5 - 0.0121, 0.0);
  EXPECT_TRUE(readsBefore(upper, lower));
  EXPECT_FALSE(readsBefore(lower, upper));
}

TEST(ReadsBefore, CentresWithinTheToleranceIncludingItAreOneRowReadLeftToRight) {
  // Centres 0.012 and 0: exactly the tolerance apart.
  const OCRLine tall = line("tall", 0.3, 0.0, 0.024);
  const OCRLine flat = line("flat", 0.2, 0.0, 0.0);
  EXPECT_TRUE(readsBefore(flat, tall));
  EXPECT_FALSE(readsBefore(tall, flat));
  EXPECT_EQ(sortedTexts({tall, flat}), (std::vector<std::string>{"flat", "tall"}));
}

TEST(ReadingOrder, WorkedExampleComesOutBAC) {
  const OCRLine a = line("A", 0.5, 0.80, 0.04);
  const OCRLine b = line("B", 0.1, 0.805, 0.04);
  const OCRLine c = line("C", 0.0, 0.70, 0.04);
  EXPECT_EQ(sortedTexts({a, b, c}), (std::vector<std::string>{"B", "A", "C"}));
  EXPECT_EQ(sortedTexts({c, a, b}), (std::vector<std::string>{"B", "A", "C"}));
}

TEST(ReadingOrder, EqualRowAndEqualXKeepTheRecognisersOrder) {
  std::vector<OCRLine> lines;
  for (const char* name : {"first", "second", "third", "fourth"})
    lines.push_back(line(name, 0.25, 0.5, 0.01));
  lines.insert(lines.begin() + 2, line("top", 0.9, 0.9, 0.01));
  EXPECT_EQ(sortedTexts(lines),
            (std::vector<std::string>{"top", "first", "second", "third", "fourth"}));
}

TEST(StableMergeSort, AgreesWithStableSortUnderAStrictWeakOrdering) {
  std::mt19937 random(7);
  for (std::size_t count : {0u, 1u, 2u, 3u, 17u, 64u, 257u}) {
    std::vector<OCRLine> lines = numberedLines(count, random);
    for (OCRLine& l : lines)
      l.x = std::round(l.x * 4);  // many ties, so stability shows
    const auto byX = [](const OCRLine& a, const OCRLine& b) { return a.x < b.x; };
    std::vector<OCRLine> expected = lines;
    std::stable_sort(expected.begin(), expected.end(), byX);
    stableMergeSort(lines, byX);
    EXPECT_EQ(textsOf(lines), textsOf(expected)) << count << " lines";
  }
}

TEST(StableMergeSort, IntransitiveRowChainsKeepEveryLineOnce) {
  // Each neighbour within the tolerance, the ends far apart: a chain of "same rows" that drifts.
  std::vector<OCRLine> chain;
  for (int i = 0; i < 200; ++i)
    chain.push_back(line(std::to_string(i), (i * 37 % 200) / 200.0, 0.5 - i * 0.01, 0.0));
  std::vector<OCRLine> sorted = chain;
  sortIntoReadingOrder(sorted);
  expectPermutationOfNumbers(sorted, chain.size());
  // Neighbours that are clearly in different rows still come out higher first.
  const std::vector<OCRLine> far = {line("low", 0, 0.1, 0), line("high", 0.5, 0.9, 0)};
  EXPECT_EQ(sortedTexts(far), (std::vector<std::string>{"high", "low"}));
}

TEST(StableMergeSort, NanBoxesKeepEveryLineOnce) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  std::mt19937 random(11);
  std::vector<OCRLine> lines = numberedLines(101, random);
  for (std::size_t i = 0; i < lines.size(); i += 3) {
    lines[i].y = nan;
    if (i % 2 == 0)
      lines[i].x = nan;
  }
  lines[1].height = nan;
  sortIntoReadingOrder(lines);
  expectPermutationOfNumbers(lines, 101);
}

TEST(StableMergeSort, InconsistentComparatorsKeepEveryLineOnce) {
  std::mt19937 random(3);
  std::bernoulli_distribution coin;
  const std::vector<LineComparator> comparators = {
      [](const OCRLine&, const OCRLine&) { return true; },
      [](const OCRLine&, const OCRLine&) { return false; },
      [&](const OCRLine&, const OCRLine&) { return coin(random); },
  };
  for (const LineComparator& before : comparators) {
    for (std::size_t count : {1u, 2u, 5u, 100u, 513u}) {
      std::vector<OCRLine> lines = numberedLines(count, random);
      stableMergeSort(lines, before);
      expectPermutationOfNumbers(lines, count);
    }
  }
}

}  // namespace
}  // namespace orvane
