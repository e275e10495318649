#include "windows/usable_windows.h"

#include <gtest/gtest.h>
#include <cmath>

#include "support/fakes.h"
#include "windows/entry_builder.h"
#include "windows/window_filters.h"

namespace orvane {
namespace {

using testing::FakeRegistry;
using testing::FakeWindowSource;
using testing::windowEntry;
using testing::with;
using testing::without;

bool usable(const WindowEntry& entry, std::map<std::int32_t, std::string> ids = {}) {
  FakeRegistry registry(std::move(ids));
  return isUsable(entry, registry);
}

TEST(IsUsable, SizeThresholdsAreInclusive) {
  EXPECT_TRUE(usable(windowEntry(1, 0, 0, 320, 220)));
  EXPECT_FALSE(usable(windowEntry(1, 0, 0, 319.5, 220)));
  EXPECT_FALSE(usable(windowEntry(1, 0, 0, 320, 219.5)));
  EXPECT_TRUE(usable(windowEntry(1, 0, 0, -320, -220)));  // magnitudes count
}

TEST(IsUsable, LayerMustBeANumericZero) {
  const WindowEntry entry = windowEntry(1, 0, 0);
  EXPECT_FALSE(usable(without(entry, kCGWindowLayer)));
  EXPECT_FALSE(usable(with(entry, kCGWindowLayer, numberValue(3))));
  EXPECT_FALSE(usable(with(entry, kCGWindowLayer, numberValue(-1))));
  EXPECT_FALSE(usable(with(entry, kCGWindowLayer, stringValue("0"))));
  EXPECT_TRUE(usable(with(entry, kCGWindowLayer, floatingValue(0.5))));  // integer value 0
  EXPECT_FALSE(usable(with(entry, kCGWindowLayer, numberValue(0x1'0000'0000))));
}

TEST(IsUsable, AlphaMustBeAboveTheVisibleMinimumWhenGiven) {
  const WindowEntry entry = windowEntry(1, 0, 0);
  EXPECT_FALSE(usable(with(entry, kCGWindowAlpha, floatingValue(0.05))));
  EXPECT_TRUE(usable(with(entry, kCGWindowAlpha, floatingValue(0.051))));
  EXPECT_FALSE(usable(with(entry, kCGWindowAlpha, numberValue(0))));
  EXPECT_TRUE(usable(with(entry, kCGWindowAlpha, numberValue(1))));
  EXPECT_FALSE(usable(with(entry, kCGWindowAlpha, floatingValue(NAN))));
  EXPECT_TRUE(usable(with(entry, kCGWindowAlpha, stringValue("0"))));  // mistyped: passes
}

TEST(IsUsable, ExcludedBundleIdsMatchAnywhereInAnyLetterCase) {
  const WindowEntry entry = windowEntry(1, 0, 0);
  EXPECT_FALSE(usable(entry, {{100, "com.apple.dock"}}));
  EXPECT_FALSE(usable(entry, {{100, "COM.Apple.Dock.extra"}}));
  EXPECT_FALSE(usable(entry, {{100, "x.com.apple.controlcenter.y"}}));
  EXPECT_FALSE(usable(entry, {{100, "com.apple.dockyard"}}));
  EXPECT_FALSE(usable(entry, {{100, "com.orvane.desktop"}}));
  EXPECT_FALSE(usable(entry, {{100, "Com.Orvane.Desktop.Dev"}}));
  // The Kelvin sign lowers to an ASCII k, so this spelling is the dock too.
  EXPECT_FALSE(usable(entry, {{100, "com.apple.doc\xE2\x84\xAA"}}));
  EXPECT_TRUE(usable(entry, {{100, "com.apple.doc"}}));
  EXPECT_TRUE(usable(entry, {{100, "com.apple.Safari"}}));
  EXPECT_TRUE(usable(entry));  // no bundle id at all
}

TEST(IsUsable, ExcludedOwnersMatchWholeAndCaseSensitively) {
  for (const char* owner : {"Dock", "Window Server", "Notification Center", "Control Center"}) {
    EXPECT_FALSE(usable(windowEntry(1, 0, 0, 400, 300, 100, owner))) << owner;
  }
  for (const char* owner : {"dock", "Dock2", "Docker", "", "Window server"}) {
    EXPECT_TRUE(usable(windowEntry(1, 0, 0, 400, 300, 100, owner))) << owner;
  }
}

TEST(IsUsable, AsksTheRegistryOnlyAfterTheLayerAndAlphaTests) {
  FakeRegistry registry;
  EXPECT_FALSE(isUsable(with(windowEntry(1, 0, 0), kCGWindowLayer, numberValue(25)), registry));
  EXPECT_FALSE(isUsable(with(windowEntry(1, 0, 0), kCGWindowAlpha, numberValue(0)), registry));
  EXPECT_TRUE(registry.lookups.empty());
  EXPECT_TRUE(isUsable(windowEntry(1, 0, 0), registry));
  EXPECT_EQ(registry.lookups.size(), 1u);

  FakeWindowSource source({with(windowEntry(1, 0, 0, 400, 300, 1), kCGWindowLayer, numberValue(3)),
                           windowEntry(2, 0, 0, 400, 300, 2)});
  FakeRegistry listed;
  usableWindows(source, listed);
  EXPECT_EQ(listed.lookups, std::vector<std::int32_t>{2});
}

TEST(IsUsable, MistypedBoundsMakeNoRecordAndSoNoUsableWindow) {
  WindowDictionary bounds = std::get<WindowDictionary>(boundsValue(0, 0, 400, 300).content);
  bounds["Width"] = stringValue("400");
  EXPECT_FALSE(usable(with(windowEntry(1, 0, 0), kCGWindowBounds, WindowValue{bounds})));
  EXPECT_FALSE(usable(with(windowEntry(1, 0, 0), kCGWindowNumber, stringValue("1"))));
}

TEST(LowercasedForMatching, LowersFullyAndTextThatIsNotUtf8InItsAsciiLetters) {
  // K, Kelvin sign, dotted capital I (two characters in lower case), E acute, Angstrom sign.
  EXPECT_EQ(lowercasedForMatching("AzK\xE2\x84\xAA\xC4\xB0\xC3\x89\xE2\x84\xAB"),
            "azkki\xCC\x87\xC3\xA9\xC3\xA5");
  EXPECT_EQ(lowercasedForMatching("COM.APPLE.DOCK\xFF\xC3\x89"), "com.apple.dock\xFF\xC3\x89");
}

TEST(Listings, ListIsTheUsableSubsetOfListAllInSnapshotOrder) {
  FakeWindowSource source({
      with(windowEntry(1, 0, 0), kCGWindowLayer, numberValue(25)),  // a panel
      windowEntry(2, 0, 0),
      windowEntry(3, 0, 0, 100, 100),                  // too small
      without(windowEntry(4, 0, 0), kCGWindowBounds),  // no record at all
      windowEntry(5, 0, 0, 400, 300, 100, "Dock"),
      without(windowEntry(7, 0, 0), kCGWindowNumber),  // no record either
      windowEntry(6, 0, 0),
  });
  FakeRegistry registry;
  std::vector<std::uint32_t> all;
  for (const WindowResult& window : allWindows(source, registry))
    all.push_back(window.windowId);
  std::vector<std::uint32_t> usableIds;
  for (const WindowResult& window : usableWindows(source, registry)) {
    usableIds.push_back(window.windowId);
  }
  EXPECT_EQ(all, (std::vector<std::uint32_t>{1, 2, 3, 5, 6}));
  EXPECT_EQ(usableIds, (std::vector<std::uint32_t>{2, 6}));
  EXPECT_EQ(source.snapshotsTaken, 2);
}

TEST(Listings, EmptySnapshotGivesEmptyLists) {
  FakeWindowSource source;
  FakeRegistry registry;
  EXPECT_TRUE(usableWindows(source, registry).empty());
  EXPECT_TRUE(allWindows(source, registry).empty());
}

TEST(Listings, AskTheRegistryOncePerProcess) {
  FakeWindowSource source({windowEntry(1, 0, 0), windowEntry(2, 0, 0), windowEntry(3, 0, 0)});
  FakeRegistry registry;
  allWindows(source, registry);
  EXPECT_EQ(registry.lookups, std::vector<std::int32_t>{100});
}

}  // namespace
}  // namespace orvane
