#include "windows/window_lookup.h"

#include <gtest/gtest.h>
#include <cmath>

#include "base/tool_error.h"
#include "support/fakes.h"
#include "windows/entry_builder.h"

namespace orvane {
namespace {

using testing::FakeRegistry;
using testing::FakeWindowSource;
using testing::windowEntry;
using testing::with;

// Throws windowNotFound or gives the found window's id.
std::uint32_t idAt(FakeWindowSource& source, Point point) {
  FakeRegistry registry;
  return windowAtPoint(point, source, registry).windowId;
}

void expectNotFound(FakeWindowSource& source, Point point) {
  FakeRegistry registry;
  try {
    windowAtPoint(point, source, registry);
    ADD_FAILURE() << "found a window at (" << point.x << ", " << point.y << ")";
  } catch (const ToolError& error) {
    EXPECT_EQ(error.which(), ToolError::Case::windowNotFound);
  }
}

TEST(WindowAtPoint, LeftAndTopEdgesAreInsideRightAndBottomAreNot) {
  FakeWindowSource source({windowEntry(1, 100, 100, 400, 300), windowEntry(2, 0, 0, 1000, 1000)});
  EXPECT_EQ(idAt(source, {100, 100}), 1u);
  EXPECT_EQ(idAt(source, {499.999, 399.999}), 1u);
  EXPECT_EQ(idAt(source, {500, 200}), 2u);  // right edge: the window behind
  EXPECT_EQ(idAt(source, {200, 400}), 2u);  // bottom edge
  EXPECT_EQ(idAt(source, {99.5, 200}), 2u);
  EXPECT_EQ(source.snapshotsTaken, 5);
}

TEST(WindowAtPoint, TheFrontmostUsableWindowWins) {
  FakeWindowSource source({
      with(windowEntry(1, 0, 0, 800, 600), kCGWindowLayer, numberValue(3)),
      with(windowEntry(2, 0, 0, 800, 600), kCGWindowAlpha, floatingValue(0.01)),
      windowEntry(3, 0, 0, 200, 200),  // too small for a usable window
      windowEntry(4, 0, 0, 800, 600, 100, "Dock"),
      windowEntry(5, 0, 0, 800, 600),
      windowEntry(6, 0, 0, 800, 600),
  });
  EXPECT_EQ(idAt(source, {10, 10}), 5u);
}

TEST(WindowAtPoint, NothingContainsANonFinitePoint) {
  FakeWindowSource source({windowEntry(1, -1e9, -1e9, 2e9, 2e9)});
  EXPECT_EQ(idAt(source, {0, 0}), 1u);
  expectNotFound(source, {NAN, 0});
  expectNotFound(source, {0, NAN});
  expectNotFound(source, {INFINITY, 0});
  expectNotFound(source, {0, -INFINITY});
  FakeWindowSource empty;
  expectNotFound(empty, {0, 0});
}

TEST(WindowForBundle, MatchesTheWholeIdExactlyAndTakesTheFrontOne) {
  FakeWindowSource source({
      windowEntry(1, 0, 0, 100, 100, 7),  // too small
      windowEntry(2, 0, 0, 400, 300, 8),
      windowEntry(3, 0, 0, 400, 300, 7),
      windowEntry(4, 0, 0, 400, 300, 7),
      windowEntry(5, 0, 0, 400, 300, 9),
  });
  FakeRegistry registry({{7, "org.example.Maps"}, {8, "com.apple.dock"}});
  EXPECT_EQ(windowForBundle("org.example.Maps", source, registry).windowId, 3u);
  // No bundle id: the first usable window whose process has none.
  EXPECT_EQ(windowForBundle("", source, registry).windowId, 5u);
  for (const char* id : {"org.example.maps", "org.example", "Maps", "com.apple.dock"}) {
    EXPECT_THROW(windowForBundle(id, source, registry), ToolError) << id;
  }
}

TEST(WindowForBundle, CanonicallyEquivalentSpellingsMatchButLetterCaseStillCounts) {
  const std::string composed = "org.example.caf\xC3\xA9";     // U+00E9
  const std::string decomposed = "org.example.cafe\xCC\x81";  // e + U+0301
  const std::string kelvin = "org.example.\xE2\x84\xAA";      // U+212A, canonically K
  const std::string invalid = "org.example.\xFF";
  FakeWindowSource source({windowEntry(1, 0, 0, 400, 300, 7), windowEntry(2, 0, 0, 400, 300, 8),
                           windowEntry(3, 0, 0, 400, 300, 9)});
  FakeRegistry registry({{7, composed}, {8, kelvin}, {9, invalid}});
  EXPECT_EQ(windowForBundle(decomposed, source, registry).windowId, 1u);
  EXPECT_EQ(windowForBundle(composed, source, registry).windowId, 1u);
  EXPECT_EQ(windowForBundle("org.example.K", source, registry).windowId, 2u);
  EXPECT_EQ(windowForBundle(invalid, source, registry).windowId, 3u);  // bytes, as they are
  for (const std::string& id :
       {std::string("org.example.CAF\xC3\x89"), std::string("org.example.cafe"),
        std::string("org.example.k"), std::string("org.example.\xFE")}) {
    EXPECT_THROW(windowForBundle(id, source, registry), ToolError) << id;
  }
}

}  // namespace
}  // namespace orvane
