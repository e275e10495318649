#include "windows/frontmost.h"

#include <gtest/gtest.h>

#include "base/tool_error.h"
#include "support/fakes.h"
#include "windows/entry_builder.h"

namespace orvane {
namespace {

using testing::FakeRegistry;
using testing::FakeWindowSource;
using testing::windowEntry;
using testing::with;
using testing::without;

// The name of the frontmost application, or "(none)" when no window qualifies.
std::string frontmostName(std::vector<WindowEntry> snapshot,
                          std::map<std::int32_t, std::string> ids = {}) {
  FakeWindowSource source(std::move(snapshot));
  FakeRegistry registry(std::move(ids));
  try {
    return frontmostApplication(source, registry).name;
  } catch (const ToolError& error) {
    EXPECT_EQ(error.which(), ToolError::Case::windowNotFound);
    return "(none)";
  }
}

TEST(Frontmost, MinimumSizeIs80By60Inclusive) {
  EXPECT_EQ(frontmostName({windowEntry(1, 0, 0, 80, 60, 1, "A")}), "A");
  EXPECT_EQ(frontmostName({windowEntry(1, 0, 0, 79.5, 600, 1, "A")}), "(none)");
  EXPECT_EQ(frontmostName({windowEntry(1, 0, 0, 800, 59.5, 1, "A")}), "(none)");
  // A window too small for `list` still decides the frontmost application.
  EXPECT_EQ(frontmostName({windowEntry(1, 0, 0, 200, 150, 1, "Small"),
                           windowEntry(2, 0, 0, 800, 600, 2, "Big")}),
            "Small");
}

// The filters it shares with `list` are tested with isUsable; this shows they apply here.
TEST(Frontmost, PassesOverOtherLayersInvisibleWindowsAndSystemSurfaces) {
  EXPECT_EQ(
      frontmostName(
          {
              with(windowEntry(1, 0, 0, 800, 600, 1, "Menu"), kCGWindowLayer, numberValue(101)),
              without(windowEntry(2, 0, 0, 800, 600, 2, "NoLayer"), kCGWindowLayer),
              with(windowEntry(3, 0, 0, 800, 600, 3, "Clear"), kCGWindowAlpha, numberValue(0)),
              with(windowEntry(4, 0, 0, 800, 600, 4, "Faint"), kCGWindowAlpha, floatingValue(0.05)),
              windowEntry(5, 0, 0, 800, 600, 5, "Dock"),
              windowEntry(6, 0, 0, 800, 600, 6, "Host"),
              windowEntry(7, 0, 0, 800, 600, 7, "dock"),
          },
          {{6, "com.orvane.desktop.dev"}}),
      "dock");
  EXPECT_EQ(frontmostName({with(windowEntry(1, 0, 0, 800, 600, 1, "Just"), kCGWindowAlpha,
                                floatingValue(0.051))}),
            "Just");
}

TEST(Frontmost, AsksTheRegistryOnlyForVisibleLayerZeroWindowsAndStopsAtTheFirstMatch) {
  FakeWindowSource source({
      with(windowEntry(1, 0, 0, 800, 600, 1), kCGWindowLayer, numberValue(25)),
      with(windowEntry(2, 0, 0, 800, 600, 2), kCGWindowAlpha, floatingValue(0.0)),
      windowEntry(3, 0, 0, 10, 10, 3),
      windowEntry(4, 0, 0, 800, 600, 4),
      windowEntry(5, 0, 0, 800, 600, 5),
  });
  FakeRegistry registry;
  EXPECT_EQ(frontmostApplication(source, registry).name, "Editor");
  EXPECT_EQ(registry.lookups, (std::vector<std::int32_t>{3, 4}));
  EXPECT_EQ(source.snapshotsTaken, 1);
}

TEST(Frontmost, ReportsTheBundleIdInItsOwnCaseAndEmptyWhenUnknown) {
  FakeWindowSource source({windowEntry(1, 0, 0, 800, 600, 1, "Maps")});
  FakeRegistry registry({{1, "Org.Example.Maps"}});
  const FrontmostResult front = frontmostApplication(source, registry);
  EXPECT_EQ(front.bundleId, "Org.Example.Maps");
  EXPECT_EQ(front.name, "Maps");
  EXPECT_EQ(source.snapshotsTaken, 1);

  FakeWindowSource unnamed({without(windowEntry(1, 0, 0), kCGWindowOwnerName)});
  FakeRegistry none;
  const FrontmostResult anonymous = frontmostApplication(unnamed, none);
  EXPECT_EQ(anonymous.bundleId, "");
  EXPECT_EQ(anonymous.name, "");
}

TEST(Frontmost, EmptySnapshotIsNotFound) {
  EXPECT_EQ(frontmostName({}), "(none)");
}

}  // namespace
}  // namespace orvane
