#include "platform/desktop/window_entry_building.h"

#include <gtest/gtest.h>

#include <vector>

namespace orvane {
namespace {

struct NamerSpy {
  std::vector<std::uint32_t> asked;
  ProcessNamer namer() {
    return [this](std::uint32_t processId) -> std::optional<std::string> {
      asked.push_back(processId);
      return "proc" + std::to_string(processId);
    };
  }
};

WindowFacts bareWindow() {
  WindowFacts window;
  window.number = 0x400007;
  window.x = -5;
  window.y = 10;
  window.width = 300;
  window.height = 200;
  return window;
}

TEST(WindowEntry, BareWindowHasNumberBoundsAndLayerOnly) {
  NamerSpy spy;
  const WindowEntry entry = windowEntry(bareWindow(), spy.namer());
  EXPECT_EQ(integerValue(*numberAt(entry, kCGWindowNumber)), 0x400007);
  EXPECT_EQ(integerValue(*numberAt(entry, kCGWindowLayer)), 0);
  const auto bounds = rectFromDictionary(*dictionaryAt(entry, kCGWindowBounds));
  ASSERT_TRUE(bounds);
  EXPECT_EQ(bounds->x, -5);
  EXPECT_EQ(bounds->y, 10);
  EXPECT_EQ(bounds->width, 300);
  EXPECT_EQ(bounds->height, 200);
  EXPECT_EQ(entry.size(), 3u);
  EXPECT_TRUE(spy.asked.empty());
}

TEST(WindowEntry, OwnerIsTheClassElseTheProcessName) {
  NamerSpy spy;
  WindowFacts window = bareWindow();
  window.processId = 77;
  window.className = "XTerm";
  EXPECT_EQ(*stringAt(windowEntry(window, spy.namer()), kCGWindowOwnerName), "XTerm");
  EXPECT_TRUE(spy.asked.empty());

  window.className.reset();
  const WindowEntry entry = windowEntry(window, spy.namer());
  EXPECT_EQ(*stringAt(entry, kCGWindowOwnerName), "proc77");
  EXPECT_EQ(intValue(*numberAt(entry, kCGWindowOwnerPID)), 77);
  EXPECT_EQ(spy.asked, std::vector<std::uint32_t>{77});
}

TEST(WindowEntry, CarriesTitleLayerAndAlphaWhenKnown) {
  NamerSpy spy;
  WindowFacts window = bareWindow();
  window.name = "";
  window.layer = 101;
  window.alpha = 0.5;
  const WindowEntry entry = windowEntry(window, spy.namer());
  EXPECT_EQ(*stringAt(entry, kCGWindowName), "");
  EXPECT_EQ(integerValue(*numberAt(entry, kCGWindowLayer)), 101);
  EXPECT_EQ(doubleValue(*numberAt(entry, kCGWindowAlpha)), 0.5);
  EXPECT_EQ(stringAt(entry, kCGWindowOwnerName), nullptr);
}

}  // namespace
}  // namespace orvane
