#include "cli/coordinate.h"

#include <gtest/gtest.h>
#include <clocale>
#include <cmath>

namespace orvane {
namespace {

TEST(Coordinate, ReadsEveryFormStrtodReadsWhole) {
  EXPECT_EQ(parseCoordinate("100"), 100.0);
  EXPECT_EQ(parseCoordinate("200.5"), 200.5);
  EXPECT_EQ(parseCoordinate("-5"), -5.0);
  EXPECT_EQ(parseCoordinate("1e3"), 1000.0);
  EXPECT_EQ(parseCoordinate("+7"), 7.0);
  EXPECT_EQ(parseCoordinate(".5"), 0.5);
  EXPECT_EQ(parseCoordinate("0x10"), 16.0);
  EXPECT_EQ(parseCoordinate("0X1p4"), 16.0);
  EXPECT_EQ(parseCoordinate("1E-2"), 0.01);
  EXPECT_EQ(parseCoordinate("-0"), 0.0);
}

TEST(Coordinate, AcceptsInfinityAndNan) {
  EXPECT_EQ(parseCoordinate("inf"), INFINITY);
  EXPECT_EQ(parseCoordinate("-Infinity"), -INFINITY);
  for (const char* text : {"nan", "NaN", "nan(0x1_a)", "-nan"}) {
    const auto value = parseCoordinate(text);
    ASSERT_TRUE(value.has_value()) << text;
    EXPECT_TRUE(std::isnan(*value)) << text;
  }
}

TEST(Coordinate, RefusesBlanksLeftoversAndForeignForms) {
  for (const char* text :
       {"",      " 1", "1 ",   "\t1",     "\n1", "\v1", "\f1", "\r1",  "12abc", "1,5", "12 px",
        "1.5.2", "0x", "nan(", "infinit", "--1", "1e",  "١٢",  "１２", "1_000", "e5"}) {
    EXPECT_FALSE(parseCoordinate(text).has_value()) << '"' << text << '"';
  }
  EXPECT_FALSE(parseCoordinate(std::string("1\0", 2)).has_value());
}

TEST(Coordinate, IgnoresTheProcessLocale) {
  // A locale with a comma separator, if this machine has one; the C locale otherwise.
  const char* previous = std::setlocale(LC_NUMERIC, nullptr);
  const std::string saved = previous ? previous : "C";
  const bool switched = std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr ||
                        std::setlocale(LC_NUMERIC, "fr_FR.UTF-8") != nullptr;
  EXPECT_EQ(parseCoordinate("1.5"), 1.5);
  EXPECT_FALSE(parseCoordinate("1,5").has_value());
  std::setlocale(LC_NUMERIC, saved.c_str());
  if (!switched)
    GTEST_SKIP() << "no comma-separator locale installed";
}

}  // namespace
}  // namespace orvane
