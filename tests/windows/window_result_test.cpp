#include "windows/window_result.h"

#include <gtest/gtest.h>

#include "support/fakes.h"
#include "windows/entry_builder.h"

namespace orvane {
namespace {

using testing::FakeRegistry;
using testing::windowEntry;
using testing::with;
using testing::without;

TEST(Result, ANumberAndBoundsAloneMakeARecordWithEmptyStrings) {
  FakeRegistry registry;
  const WindowEntry entry = {{std::string(kCGWindowNumber), numberValue(42)},
                             {std::string(kCGWindowBounds), boundsValue(1, 2, 3, 4)}};
  const auto window = result(entry, registry);
  ASSERT_TRUE(window.has_value());
  EXPECT_EQ(window->windowId, 42u);
  EXPECT_EQ(window->owner, "");
  EXPECT_EQ(window->bundleId, "");
  EXPECT_EQ(window->title, "");
  EXPECT_EQ(registry.lookups, std::vector<std::int32_t>{0});  // asked for process 0
}

TEST(Result, NoRecordWithoutANumericWindowNumberOrConvertibleBounds) {
  FakeRegistry registry;
  const WindowEntry full = windowEntry(1, 0, 0);
  EXPECT_TRUE(result(full, registry).has_value());
  EXPECT_FALSE(result(without(full, kCGWindowNumber), registry).has_value());
  EXPECT_FALSE(result(with(full, kCGWindowNumber, stringValue("1")), registry).has_value());
  EXPECT_FALSE(result(without(full, kCGWindowBounds), registry).has_value());
  EXPECT_FALSE(result(with(full, kCGWindowBounds, numberValue(5)), registry).has_value());
  EXPECT_FALSE(
      result(with(full, kCGWindowBounds, WindowValue{WindowDictionary{}}), registry).has_value());
}

TEST(Result, MistypedOwnerAndTitleCountAsAbsent) {
  FakeRegistry registry;
  const auto window = result(with(with(windowEntry(1, 0, 0), kCGWindowOwnerName, numberValue(3)),
                                  kCGWindowName, boundsValue(0, 0, 1, 1)),
                             registry);
  ASSERT_TRUE(window.has_value());
  EXPECT_EQ(window->owner, "");
  EXPECT_EQ(window->title, "");
}

TEST(Result, NegativeSizesBecomeMagnitudesWithTheOriginKept) {
  FakeRegistry registry;
  const auto window = result(windowEntry(1, 50, 60, -400, -300), registry);
  ASSERT_TRUE(window.has_value());
  EXPECT_EQ(window->x, 50);
  EXPECT_EQ(window->y, 60);
  EXPECT_EQ(window->width, 400);
  EXPECT_EQ(window->height, 300);
}

TEST(Result, BundleIdComesFromTheRegistryByProcessIdReadAs32Bits) {
  FakeRegistry registry({{7, "org.example.Editor"}});
  const auto window =
      result(with(windowEntry(9, 0, 0), kCGWindowOwnerPID, numberValue(0x1'0000'0007)), registry);
  ASSERT_TRUE(window.has_value());
  EXPECT_EQ(window->bundleId, "org.example.Editor");
  EXPECT_EQ(window->windowId, 9u);
  EXPECT_EQ(window->owner, "Editor");
  EXPECT_EQ(window->title, "window 9");
}

}  // namespace
}  // namespace orvane
