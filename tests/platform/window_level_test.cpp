#include "platform/desktop/window_level.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

std::int64_t managed(std::optional<WindowType> type, bool above = false) {
  return windowLayer({false, type, above});
}

std::int64_t overrideRedirect(std::optional<WindowType> type) {
  return windowLayer({true, type, false});
}

TEST(WindowLayer, OrdinaryWindowsAndDialogsAreAtTheNormalLevel) {
  EXPECT_EQ(managed(std::nullopt), 0);
  EXPECT_EQ(managed(WindowType::normal), 0);
  EXPECT_EQ(managed(WindowType::dialog), 0);
}

TEST(WindowLayer, OtherManagedWindowsTakeTheNearestMacLevel) {
  EXPECT_EQ(managed(WindowType::normal, true), 3);
  EXPECT_EQ(managed(WindowType::utility), 3);
  EXPECT_EQ(managed(WindowType::toolbar), 3);
  EXPECT_EQ(managed(WindowType::splash), 3);
  EXPECT_EQ(managed(WindowType::dock), 20);
  EXPECT_EQ(managed(WindowType::dock, true), 20);
  EXPECT_EQ(managed(WindowType::notification), 25);
  EXPECT_EQ(managed(WindowType::popupMenu), 101);
  EXPECT_EQ(managed(WindowType::tooltip), 200);
  EXPECT_EQ(managed(WindowType::dnd), 500);
  EXPECT_LT(managed(WindowType::desktop), 0);
}

TEST(WindowLayer, OverrideRedirectWindowsAreNeverAtTheNormalLevel) {
  EXPECT_EQ(overrideRedirect(std::nullopt), 101);
  EXPECT_EQ(overrideRedirect(WindowType::normal), 101);
  EXPECT_EQ(overrideRedirect(WindowType::utility), 101);
  EXPECT_EQ(overrideRedirect(WindowType::dropdownMenu), 101);
  EXPECT_EQ(overrideRedirect(WindowType::tooltip), 200);
  EXPECT_EQ(overrideRedirect(WindowType::notification), 25);
  EXPECT_EQ(overrideRedirect(WindowType::dnd), 500);
}

}  // namespace
}  // namespace orvane
