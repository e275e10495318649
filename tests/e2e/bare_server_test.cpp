// The tool against a server without a window manager and without the X Resource extension:
// applications' windows are the top-level windows, and process ids come from _NET_WM_PID alone.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>

#include "platform/x11/x11_window_source.h"
#include "virtual_desktop.h"
#include "window_json.h"

namespace orvane::testing {
namespace {

class BareServer : public ::testing::Test {
 protected:
  std::vector<ListedWindow> listed() {
    const ProcessOutcome outcome = desktop.runTool({"list-all"});
    EXPECT_EQ(outcome.exitStatus, 0) << outcome.err;
    const auto windows = parseWindowArray(outcome.out);
    EXPECT_TRUE(windows) << outcome.out;
    return windows.value_or(std::vector<ListedWindow>{});
  }

  ListedWindow only(const std::vector<std::string>& options) {
    const xcb_window_t window = desktop.openTestWindow(options);
    const auto windows = listed();
    const auto found = std::ranges::find(windows, window, &ListedWindow::windowId);
    EXPECT_NE(found, windows.end());
    return found == windows.end() ? ListedWindow{} : *found;
  }

  VirtualDesktop desktop{{.windowManager = false, .resourceExtension = false}};
};

TEST_F(BareServer, TopLevelWindowsAreListedFrontToBackWithTheirBorders) {
  const xcb_window_t back =
      desktop.openTestWindow({"--geometry", "400x300+10+20", "--border", "5"});
  const xcb_window_t front = desktop.openTestWindow({"--geometry", "100x50+0+0"});
  const auto windows = listed();
  ASSERT_EQ(windows.size(), 2u);
  EXPECT_EQ(windows[0].windowId, front);
  EXPECT_EQ(windows[1].windowId, back);
  EXPECT_EQ(std::tuple(windows[1].x, windows[1].y, windows[1].width, windows[1].height),
            std::tuple(10.0, 20.0, 410.0, 310.0));
}

// Hints that a window is off screen do not outweigh the server, which shows it: kwin keeps windows
// of other desktops mapped, i3 its background tabs.
TEST_F(BareServer, MappedWindowsAreOnScreenWhateverTheirHintsSay) {
  desktop.probe().setRootCardinal("_NET_CURRENT_DESKTOP", 2);
  const xcb_window_t hidden = desktop.openTestWindow({"--state", "HIDDEN"});
  const xcb_window_t iconic = desktop.openTestWindow({"--wm-state", "3"});
  const xcb_window_t elsewhere = desktop.openTestWindow({"--desktop", "1"});
  const xcb_window_t current = desktop.openTestWindow({"--desktop", "2", "--wm-state", "1"});
  const xcb_window_t everywhere = desktop.openTestWindow({"--desktop", "4294967295"});
  const auto windows = listed();
  std::vector<xcb_window_t> ids;
  for (const ListedWindow& window : windows)
    ids.push_back(window.windowId);
  EXPECT_EQ(ids, (std::vector<xcb_window_t>{everywhere, current, elsewhere, iconic, hidden}));
}

// Managers keep windows just beyond the edges of the 1280x800 screen to notice the pointer there.
TEST_F(BareServer, WindowsWhollyBeyondTheScreenAreNotOnIt) {
  const xcb_window_t right = desktop.openTestWindow({"--geometry", "1x800+1280+0"});
  const xcb_window_t below = desktop.openTestWindow({"--geometry", "1280x1+0+800"});
  const xcb_window_t corner = desktop.openTestWindow({"--geometry", "10x10+-9+-9"});
  // On screen by its right border alone.
  const xcb_window_t bordered =
      desktop.openTestWindow({"--geometry", "10x10+-13+0", "--border", "2"});
  std::vector<xcb_window_t> ids;
  for (const ListedWindow& window : listed())
    ids.push_back(window.windowId);
  EXPECT_EQ(ids, (std::vector<xcb_window_t>{bordered, corner}));
  (void)right, (void)below;
}

TEST_F(BareServer, ProcessIdComesFromNetWmPidOnlyWhenItIsSound) {
  EXPECT_EQ(only({"--class", "a\\x00Own"}).bundleId, "orvane_testwin");
  EXPECT_EQ(only({"--class", "a\\x00Own", "--no-pid"}).bundleId, "");
  EXPECT_EQ(only({"--class", "a\\x00Own", "--pid-as-string"}).bundleId, "");
  EXPECT_EQ(only({"--class", "a\\x00Own", "--machine", "elsewhere.invalid"}).bundleId, "");
  const ListedWindow anonymous = only({"--no-pid"});
  EXPECT_EQ(anonymous.owner, "");
  EXPECT_EQ(anonymous.bundleId, "");
}

TEST_F(BareServer, TitlesAndOwnersFromOddProperties) {
  EXPECT_EQ(only({"--title", "Gr\\xc3\\xbc\\xc3\\x9f \\xf0\\x9f\\x8c\\x8d"}).title, "Grüß 🌍");
  EXPECT_EQ(only({"--wm-name", "caf\\xe9"}).title, "café");
  EXPECT_EQ(only({"--title", "new", "--wm-name", "old"}).title, "new");
  EXPECT_EQ(only({"--title", "bad \\xff\\xfe end"}).title, "bad \xef\xbf\xbd\xef\xbf\xbd end");
  EXPECT_EQ(only({"--title", ""}).title, "");
  EXPECT_EQ(only({"--class", "inst\\x00Unterminated"}).owner, "Unterminated");
  EXPECT_EQ(only({"--class", "only-instance"}).owner, "orvane_testwin");
  EXPECT_EQ(only({}).owner, "orvane_testwin");
  const std::string huge = only({"--title-bytes", "1048576"}).title;
  EXPECT_EQ(huge.size(), 256u * 1024);
  EXPECT_EQ(huge.find_first_not_of('x'), std::string::npos);
}

// The source itself, for what the listings do not show: layers and opacity.
TEST_F(BareServer, EntriesCarryLayerAndOpacity) {
  const xcb_window_t plain = desktop.openTestWindow({});
  const xcb_window_t popup = desktop.openTestWindow({"--override-redirect"});
  const xcb_window_t dock = desktop.openTestWindow({"--type", "DOCK"});
  const xcb_window_t faded = desktop.openTestWindow({"--opacity", "0.25"});
  const xcb_window_t oddOpacity = desktop.openTestWindow({"--opacity8"});
  ASSERT_EQ(setenv("DISPLAY", desktop.display().c_str(), 1), 0);
  const auto entries = makeX11WindowSource([](std::uint32_t) { return std::nullopt; })->entries();
  const auto entryOf = [&](xcb_window_t window) -> const WindowEntry& {
    return *std::ranges::find_if(entries, [&](const WindowEntry& entry) {
      return unsignedIntValue(*numberAt(entry, kCGWindowNumber)) == window;
    });
  };
  ASSERT_EQ(entries.size(), 5u);
  EXPECT_EQ(integerValue(*numberAt(entryOf(plain), kCGWindowLayer)), 0);
  EXPECT_EQ(integerValue(*numberAt(entryOf(popup), kCGWindowLayer)), 101);
  EXPECT_EQ(integerValue(*numberAt(entryOf(dock), kCGWindowLayer)), 20);
  EXPECT_EQ(numberAt(entryOf(plain), kCGWindowAlpha), nullptr);
  EXPECT_NEAR(doubleValue(*numberAt(entryOf(faded), kCGWindowAlpha)), 0.25, 1e-6);
  EXPECT_EQ(numberAt(entryOf(oddOpacity), kCGWindowAlpha), nullptr);
  EXPECT_NE(numberAt(entryOf(plain), kCGWindowOwnerPID), nullptr);
}

}  // namespace
}  // namespace orvane::testing
