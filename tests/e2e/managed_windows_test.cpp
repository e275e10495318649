// The tool against a desktop with a real window manager (openbox) and real clients.
#include <gtest/gtest.h>

#include <algorithm>

#include "virtual_desktop.h"
#include "window_json.h"

namespace orvane::testing {
namespace {

class ManagedWindows : public ::testing::Test {
 protected:
  std::vector<ListedWindow> listed(const std::string& command = "list-all") {
    const ProcessOutcome outcome = desktop.runTool({command});
    EXPECT_EQ(outcome.exitStatus, 0) << outcome.err;
    EXPECT_EQ(outcome.err, "");
    const auto windows = parseWindowArray(outcome.out);
    EXPECT_TRUE(windows) << outcome.out;
    return windows.value_or(std::vector<ListedWindow>{});
  }

  static const ListedWindow* find(const std::vector<ListedWindow>& windows, xcb_window_t id) {
    const auto found = std::ranges::find(windows, id, &ListedWindow::windowId);
    return found == windows.end() ? nullptr : &*found;
  }

  static std::vector<xcb_window_t> idsAmong(const std::vector<ListedWindow>& windows,
                                            const std::vector<xcb_window_t>& wanted) {
    std::vector<xcb_window_t> ids;
    for (const ListedWindow& window : windows) {
      if (std::ranges::find(wanted, window.windowId) != wanted.end())
        ids.push_back(window.windowId);
    }
    return ids;
  }

  void expectFrame(const ListedWindow& window) {
    const auto frame = desktop.probe().frameOf(window.windowId);
    ASSERT_TRUE(frame);
    EXPECT_EQ(window.x, frame->x) << window.title;
    EXPECT_EQ(window.y, frame->y) << window.title;
    EXPECT_EQ(window.width, frame->width) << window.title;
    EXPECT_EQ(window.height, frame->height) << window.title;
  }

  VirtualDesktop desktop;
};

TEST_F(ManagedWindows, StockClientsAreListedInStackingOrderWithTheirFrames) {
  const xcb_window_t terminal = desktop.openStockClient(
      {"/usr/bin/xterm", "-geometry", "60x15+30+40", "-title", "orvane terminal"},
      "orvane terminal");
  const xcb_window_t logo = desktop.openStockClient(
      {"/usr/bin/xlogo", "-geometry", "360x300+600+80", "-title", "orvane logo"}, "orvane logo");
  const xcb_window_t own =
      desktop.openTestWindow({"--title", "orvane own", "--class", "own\\x00OwnClass"});
  const std::vector<xcb_window_t> all = {terminal, logo, own};

  for (const xcb_window_t front : {terminal, own, logo}) {
    desktop.activate(front);
    const auto windows = listed();
    auto expected = desktop.probe().stackingFrontToBack();
    std::erase_if(expected, [&](xcb_window_t w) { return std::ranges::find(all, w) == all.end(); });
    EXPECT_EQ(idsAmong(windows, all), expected);
    EXPECT_EQ(expected.front(), front);
  }

  const auto windows = listed();
  ASSERT_TRUE(find(windows, terminal) && find(windows, logo) && find(windows, own));
  const ListedWindow& xterm = *find(windows, terminal);
  EXPECT_EQ(xterm.title, "orvane terminal");
  EXPECT_EQ(xterm.owner, "XTerm");
  EXPECT_EQ(xterm.bundleId, "xterm");
  const ListedWindow& xlogo = *find(windows, logo);
  EXPECT_EQ(xlogo.owner, "XLogo");
  EXPECT_EQ(xlogo.bundleId, "xlogo");
  EXPECT_EQ(find(windows, own)->owner, "OwnClass");
  EXPECT_EQ(find(windows, own)->bundleId, "orvane_testwin");
  for (const xcb_window_t window : all)
    expectFrame(*find(windows, window));
}

TEST_F(ManagedWindows, FrontmostFollowsTheRaisedWindow) {
  const xcb_window_t terminal = desktop.openStockClient(
      {"/usr/bin/xterm", "-geometry", "60x15+30+40", "-title", "orvane terminal"},
      "orvane terminal");
  const xcb_window_t logo = desktop.openStockClient(
      {"/usr/bin/xlogo", "-geometry", "200x200+600+80", "-title", "orvane logo"}, "orvane logo");
  desktop.activate(terminal);
  EXPECT_EQ(parseFrontmost(desktop.runTool({"frontmost"}).out),
            (std::pair<std::string, std::string>("xterm", "XTerm")));
  desktop.activate(logo);
  EXPECT_EQ(parseFrontmost(desktop.runTool({"frontmost"}).out),
            (std::pair<std::string, std::string>("xlogo", "XLogo")));
}

TEST_F(ManagedWindows, PointLookupHonoursTheFrameEdges) {
  const xcb_window_t window = desktop.openTestWindow({"--title", "target"});
  const auto frame = desktop.probe().frameOf(window);
  ASSERT_TRUE(frame);
  const auto at = [&](double x, double y) {
    return desktop.runTool({"window-at-point", std::to_string(x), std::to_string(y)});
  };
  for (const auto& [x, y] : {std::pair{frame->x, frame->y},
                             {frame->x + frame->width - 0.5, frame->y + frame->height - 0.5}}) {
    const auto found = parseWindowObject(at(x, y).out);
    ASSERT_TRUE(found) << x << "," << y;
    EXPECT_EQ(found->windowId, window);
  }
  for (const auto& [x, y] : {std::pair{frame->x + frame->width, frame->y + 1},
                             {frame->x + 1, frame->y + frame->height}}) {
    const ProcessOutcome outside = at(x, y);
    EXPECT_EQ(outside.exitStatus, 1) << x << "," << y;
    EXPECT_EQ(outside.out, "");
    EXPECT_EQ(outside.err, "{\"success\":false,\"error\":\"target window not found\"}\n");
  }
}

TEST_F(ManagedWindows, BundleLookupMatchesTheExecutableNameExactly) {
  const xcb_window_t logo = desktop.openStockClient(
      {"/usr/bin/xlogo", "-geometry", "360x300+600+80", "-title", "orvane logo"}, "orvane logo");
  const auto found = parseWindowObject(desktop.runTool({"window-for-bundle", "xlogo"}).out);
  ASSERT_TRUE(found);
  EXPECT_EQ(found->windowId, logo);
  for (const std::string missing : {"XLogo", "no.such.app"}) {
    const ProcessOutcome outcome = desktop.runTool({"window-for-bundle", missing});
    EXPECT_EQ(outcome.exitStatus, 1);
    EXPECT_EQ(outcome.out, "");
    EXPECT_EQ(outcome.err, "{\"success\":false,\"error\":\"target window not found\"}\n");
  }
}

TEST_F(ManagedWindows, MinimisedWindowsAndOtherDesktopsAreOffScreen) {
  const xcb_window_t minimised = desktop.openTestWindow({"--title", "minimised"});
  const xcb_window_t elsewhere = desktop.openTestWindow({"--title", "elsewhere"});
  const xcb_window_t sticky = desktop.openTestWindow({"--title", "sticky"});
  const xcb_window_t here = desktop.openTestWindow({"--title", "here"});
  desktop.runProgram({"/usr/bin/xdotool", "windowminimize", std::to_string(minimised)});
  desktop.runProgram(
      {"/usr/bin/xdotool", "set_desktop_for_window", std::to_string(elsewhere), "1"});
  desktop.runProgram({"/usr/bin/xdotool", "set_desktop_for_window", std::to_string(sticky), "-1"});
  XProbe& probe = desktop.probe();
  ASSERT_TRUE(waitUntil([&] { return !probe.isViewable(minimised); }));
  ASSERT_TRUE(waitUntil([&] { return !probe.isViewable(elsewhere); }));
  ASSERT_TRUE(waitUntil([&] {
    return probe.cardinals(sticky, "_NET_WM_DESKTOP") == std::vector<std::uint32_t>{0xffffffff};
  }));
  EXPECT_EQ(idsAmong(listed(), {minimised, elsewhere, sticky, here}).size(), 2u);
  EXPECT_TRUE(find(listed(), sticky) && find(listed(), here));
}

TEST_F(ManagedWindows, OnlyOrdinaryVisibleWindowsAreUsable) {
  const std::vector<std::vector<std::string>> unusable = {
      {"--type", "DOCK"},         {"--state", "ABOVE"},
      {"--override-redirect"},    {"--type", "UTILITY"},
      {"--opacity", "0.04"},      {"--type", "TOOLTIP", "--override-redirect"},
      {"--type", "NOTIFICATION"},
  };
  const std::vector<std::vector<std::string>> usable = {
      {"--opacity", "0.5"}, {"--opacity8"}, {"--type", "DIALOG"}, {}};
  std::vector<xcb_window_t> notListed, listedIds;
  for (const auto& options : unusable)
    notListed.push_back(desktop.openTestWindow(options));
  for (const auto& options : usable)
    listedIds.push_back(desktop.openTestWindow(options));
  const auto all = listed("list-all");
  const auto usableWindows = listed("list");
  for (const xcb_window_t window : notListed) {
    EXPECT_TRUE(find(all, window)) << hexId(window);
    EXPECT_FALSE(find(usableWindows, window)) << hexId(window);
  }
  for (const xcb_window_t window : listedIds)
    EXPECT_TRUE(find(usableWindows, window)) << hexId(window);
}

TEST_F(ManagedWindows, DesktopInputOnlyAndUnmappedWindowsAreLeftOut) {
  const xcb_window_t background = desktop.openTestWindow(
      {"--type", "DESKTOP", "--geometry", "1280x800+0+0", "--title", "background"});
  const xcb_window_t inputOnly = desktop.createTestWindow({"--input-only", "--override-redirect"});
  const xcb_window_t unmapped = desktop.createTestWindow({"--unmapped"});
  const xcb_window_t shown = desktop.openTestWindow({"--title", "shown"});
  const auto windows = listed();
  EXPECT_EQ(idsAmong(windows, {background, inputOnly, unmapped, shown}),
            std::vector<xcb_window_t>{shown});
}

TEST_F(ManagedWindows, WindowsComingAndGoingNeverBreakASnapshot) {
  const xcb_window_t steady = desktop.openTestWindow({"--title", "steady"});
  desktop.createTestWindow({"--churn"});
  desktop.createTestWindow({"--churn", "--override-redirect"});
  for (int run = 0; run < 25; ++run) {
    const auto windows = listed();
    ASSERT_TRUE(find(windows, steady)) << "run " << run;
  }
}

}  // namespace
}  // namespace orvane::testing
