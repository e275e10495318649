#include "windows/window_entry.h"

#include <gtest/gtest.h>
#include <cmath>
#include <limits>

namespace orvane {
namespace {

TEST(NumberAccessors, IntegersKeepTheirLowBits) {
  const WindowNumber big = WindowNumber::ofInteger(0x1'0000'0005);
  EXPECT_EQ(unsignedIntValue(big), 5u);
  EXPECT_EQ(intValue(big), 5);
  EXPECT_EQ(integerValue(big), 0x1'0000'0005);
  EXPECT_EQ(unsignedIntValue(WindowNumber::ofInteger(-1)), 0xFFFFFFFFu);
  EXPECT_EQ(intValue(WindowNumber::ofInteger(0xFFFFFFFF)), -1);
  EXPECT_EQ(doubleValue(WindowNumber::ofInteger(-7)), -7.0);
}

TEST(NumberAccessors, FloatingValuesTruncateTowardZeroAndNeverOverflow) {
  EXPECT_EQ(integerValue(WindowNumber::ofFloating(2.9)), 2);
  EXPECT_EQ(integerValue(WindowNumber::ofFloating(-2.9)), -2);
  EXPECT_EQ(intValue(WindowNumber::ofFloating(-0.5)), 0);
  EXPECT_EQ(integerValue(WindowNumber::ofFloating(NAN)), 0);
  EXPECT_EQ(integerValue(WindowNumber::ofFloating(1e300)),
            std::numeric_limits<std::int64_t>::max());
  EXPECT_EQ(integerValue(WindowNumber::ofFloating(-INFINITY)),
            std::numeric_limits<std::int64_t>::min());
  EXPECT_EQ(unsignedIntValue(WindowNumber::ofFloating(4294967296.0 + 3.5)), 3u);
  EXPECT_EQ(unsignedIntValue(WindowNumber::ofFloating(-1.5)), 0xFFFFFFFFu);
  EXPECT_EQ(intValue(WindowNumber::ofFloating(2147483648.0)), -2147483647 - 1);
  EXPECT_EQ(intValue(WindowNumber::ofFloating(NAN)), 0);
  EXPECT_EQ(doubleValue(WindowNumber::ofFloating(0.05)), 0.05);
}

TEST(TypedLookups, AValueOfAnotherTypeCountsAsAbsent) {
  const WindowEntry entry = {
      {"n", numberValue(1)}, {"s", stringValue("x")}, {"d", boundsValue(0, 0, 1, 1)}};
  EXPECT_NE(numberAt(entry, "n"), nullptr);
  EXPECT_EQ(numberAt(entry, "s"), nullptr);
  EXPECT_EQ(stringAt(entry, "n"), nullptr);
  EXPECT_NE(stringAt(entry, "s"), nullptr);
  EXPECT_EQ(dictionaryAt(entry, "s"), nullptr);
  EXPECT_NE(dictionaryAt(entry, "d"), nullptr);
  EXPECT_EQ(numberAt(entry, "missing"), nullptr);
}

TEST(RectFromDictionary, NeedsFourNumbersAndKeepsTheStoredSize) {
  const auto rect =
      rectFromDictionary(std::get<WindowDictionary>(boundsValue(-10, 20.5, -300, 200).content));
  ASSERT_TRUE(rect.has_value());
  EXPECT_EQ(rect->x, -10);
  EXPECT_EQ(rect->y, 20.5);
  EXPECT_EQ(rect->width, -300);
  EXPECT_EQ(rect->height, 200);

  const WindowDictionary integers = {{"X", numberValue(1)},
                                     {"Y", numberValue(2)},
                                     {"Width", numberValue(3)},
                                     {"Height", numberValue(4)}};
  EXPECT_TRUE(rectFromDictionary(integers).has_value());
  for (const char* key : {"X", "Y", "Width", "Height"}) {
    WindowDictionary missing = integers;
    missing.erase(key);
    EXPECT_FALSE(rectFromDictionary(missing).has_value()) << key;
    WindowDictionary mistyped = integers;
    mistyped[key] = stringValue("3");
    EXPECT_FALSE(rectFromDictionary(mistyped).has_value()) << key;
  }
  WindowDictionary lowerCase = integers;
  lowerCase.erase("Width");
  lowerCase["width"] = numberValue(3);
  EXPECT_FALSE(rectFromDictionary(lowerCase).has_value());
}

}  // namespace
}  // namespace orvane
