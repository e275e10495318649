// One busy desktop under each common window manager, the five window commands checked against
// what the X server itself says: the stacking order of the root's children, the window inside
// each that carries WM_STATE, the outer geometry of those children, and their map state.
#include <gtest/gtest.h>

#include <algorithm>

#include "virtual_desktop.h"
#include "window_json.h"

namespace orvane::testing {
namespace {

const ListedWindow* find(const std::vector<ListedWindow>& windows, xcb_window_t id) {
  const auto found = std::ranges::find(windows, id, &ListedWindow::windowId);
  return found == windows.end() ? nullptr : &*found;
}

bool contains(const std::vector<xcb_window_t>& windows, xcb_window_t window) {
  return std::ranges::find(windows, window) != windows.end();
}

std::vector<xcb_window_t> among(const std::vector<xcb_window_t>& order,
                                const std::vector<xcb_window_t>& wanted) {
  std::vector<xcb_window_t> kept;
  std::ranges::copy_if(order, std::back_inserter(kept),
                       [&](xcb_window_t window) { return contains(wanted, window); });
  return kept;
}

class UnderEachManager : public ::testing::TestWithParam<std::string> {
 protected:
  std::vector<ListedWindow> listed(const std::string& command) {
    const ProcessOutcome outcome = desktop.runTool({command});
    EXPECT_EQ(outcome.exitStatus, 0) << outcome.err;
    const auto windows = parseWindowArray(outcome.out);
    EXPECT_TRUE(windows) << outcome.out;
    return windows.value_or(std::vector<ListedWindow>{});
  }

  // The windows the server shows, front first, with their frames.
  std::vector<std::pair<xcb_window_t, std::optional<Box>>> truth() {
    std::vector<std::pair<xcb_window_t, std::optional<Box>>> shown;
    for (const xcb_window_t window : desktop.probe().stackingFrontToBack())
      shown.emplace_back(window, desktop.probe().frameOf(window));
    return shown;
  }

  // A listing and the server's truth around it. Managers finish some requests after the
  // properties that announce them, so a listing taken while the desktop still changed is
  // taken again.
  std::pair<std::vector<ListedWindow>, std::vector<xcb_window_t>> listedWithTruth(
      const std::string& command) {
    for (int attempt = 1;; ++attempt) {
      const auto before = truth();
      auto windows = listed(command);
      const auto after = truth();
      if (before == after || attempt == 50) {
        std::vector<xcb_window_t> shown;
        for (const auto& [window, frame] : after)
          shown.push_back(window);
        return {std::move(windows), std::move(shown)};
      }
    }
  }

  std::optional<ListedWindow> lookup(const std::vector<std::string>& arguments) {
    const ProcessOutcome outcome = desktop.runTool(arguments);
    EXPECT_EQ(outcome.exitStatus, 0) << arguments.front() << ": " << outcome.err;
    return parseWindowObject(outcome.out);
  }

  // Asks the manager to minimise one window and to send another to the second desktop, and
  // waits until it has done what it does with such requests: most unmap both frames; kwin keeps
  // the one on the other desktop mapped; i3 does neither and keeps both as background tabs.
  void hide(xcb_window_t minimised, xcb_window_t elsewhere) {
    desktop.runProgram({"/usr/bin/wmctrl", "-n", "2"});
    desktop.runProgram({"/usr/bin/xdotool", "windowminimize", std::to_string(minimised)});
    desktop.runProgram({"/usr/bin/wmctrl", "-i", "-r", hexId(elsewhere), "-t", "1"});
    if (GetParam() == "i3")
      return;
    XProbe& probe = desktop.probe();
    const auto frameShown = [&](xcb_window_t window) {
      const auto frame = probe.topLevelOf(window);
      return frame && probe.isViewable(*frame);
    };
    const bool keepsOtherDesktops = GetParam() == "kwin_x11";
    const bool done = waitUntil(
        [&] {
          return !frameShown(minimised) &&
                 probe.cardinals(elsewhere, "_NET_WM_DESKTOP") == std::vector<std::uint32_t>{1} &&
                 frameShown(elsewhere) == keepsOtherDesktops;
        },
        30);
    ASSERT_TRUE(done) << "minimised " << frameShown(minimised) << ", elsewhere "
                      << frameShown(elsewhere);
  }

  void raise(xcb_window_t window, xcb_window_t over) {
    desktop.runProgram({"/usr/bin/wmctrl", "-i", "-a", hexId(window)});
    XProbe& probe = desktop.probe();
    const bool raised = waitUntil(
        [&] {
          const auto order = among(probe.stackingFrontToBack(), {window, over});
          return probe.activeWindow() == window && order.size() == 2 && order.front() == window;
        },
        30);
    ASSERT_TRUE(raised) << hexId(window);
  }

  VirtualDesktop desktop{{.manager = GetParam()}};
};

TEST_P(UnderEachManager, TheWindowCommandsAgreeWithTheServer) {
  XProbe& probe = desktop.probe();
  const xcb_window_t terminal = desktop.openStockClient(
      {"/usr/bin/xterm", "-geometry", "80x24+20+30", "-title", "orvane terminal"},
      "orvane terminal");
  const xcb_window_t logo = desktop.openStockClient(
      {"/usr/bin/xlogo", "-geometry", "360x300+600+80", "-title", "orvane logo"}, "orvane logo");
  const std::string hostileTitle = "tab\t\"quoted\" \\ \xe8\xa1\xa8 </script>";
  const xcb_window_t hostile =
      desktop.openTestWindow({"--geometry", "420x300+200+200", "--title", hostileTitle});
  const xcb_window_t noPid =
      desktop.openTestWindow({"--geometry", "400x300+500+350", "--title", "no pid", "--no-pid"});
  const xcb_window_t dialog = desktop.openTestWindow(
      {"--geometry", "360x240+300+100", "--title", "dialog", "--type", "DIALOG"});
  const xcb_window_t minimised =
      desktop.openTestWindow({"--geometry", "400x300+100+400", "--title", "minimised"});
  const xcb_window_t elsewhere =
      desktop.openTestWindow({"--geometry", "400x300+700+300", "--title", "elsewhere"});
  const xcb_window_t menu = desktop.openTestWindow(
      {"--override-redirect", "--type", "POPUP_MENU", "--geometry", "150x200+40+60"});
  const xcb_window_t tooltip = desktop.openTestWindow(
      {"--override-redirect", "--type", "TOOLTIP", "--geometry", "120x20+400+40"});
  ASSERT_NO_FATAL_FAILURE(hide(minimised, elsewhere));
  const std::vector<xcb_window_t> managed = {terminal, logo,      hostile,  noPid,
                                             dialog,   minimised, elsewhere};
  const std::vector<xcb_window_t> ours = {terminal,  logo,      hostile, noPid,  dialog,
                                          minimised, elsewhere, menu,    tooltip};

  // Every window the server shows, with its client's id and title and its frame, in the order
  // the server stacks them; nothing it does not show.
  const auto [all, stacking] = listedWithTruth("list-all");
  const auto shown = among(stacking, ours);
  EXPECT_TRUE(contains(shown, terminal) && contains(shown, logo) && contains(shown, hostile));
  // What the server shows is listed, whatever the hints say: kwin's window on the second
  // desktop, i3's background tabs.
  EXPECT_EQ(contains(shown, elsewhere), GetParam() == "kwin_x11" || GetParam() == "i3");
  EXPECT_EQ(contains(shown, minimised), GetParam() == "i3");
  std::vector<xcb_window_t> listedIds;
  for (const ListedWindow& window : all)
    listedIds.push_back(window.windowId);
  EXPECT_EQ(among(listedIds, ours), shown);
  for (const xcb_window_t window : shown) {
    const ListedWindow* entry = find(all, window);
    const auto frame = probe.frameOf(window);
    ASSERT_TRUE(entry && frame) << hexId(window);
    EXPECT_EQ(entry->x, frame->x) << entry->title;
    EXPECT_EQ(entry->y, frame->y) << entry->title;
    EXPECT_EQ(entry->width, frame->width) << entry->title;
    EXPECT_EQ(entry->height, frame->height) << entry->title;
    // Where the manager announces its frame, the two agree.
    const auto announced = probe.announcedFrameOf(window);
    if (announced && contains(managed, window)) {
      EXPECT_EQ(std::tie(announced->x, announced->y, announced->width, announced->height),
                std::tie(frame->x, frame->y, frame->width, frame->height))
          << entry->title;
    }
  }
  const ListedWindow* xterm = find(all, terminal);
  ASSERT_TRUE(xterm && find(all, hostile) && find(all, noPid));
  EXPECT_EQ(xterm->title, "orvane terminal");
  EXPECT_EQ(xterm->owner, "XTerm");
  EXPECT_EQ(xterm->bundleId, "xterm");
  EXPECT_EQ(find(all, hostile)->title, hostileTitle);
  EXPECT_EQ(find(all, noPid)->bundleId, "orvane_testwin");

  // The usable ones: managed application windows, not the menu or the tooltip.
  const auto [usable, stackingThen] = listedWithTruth("list");
  std::vector<xcb_window_t> usableIds;
  for (const ListedWindow& window : usable)
    usableIds.push_back(window.windowId);
  EXPECT_EQ(among(usableIds, ours), among(stackingThen, managed));

  // The lookups after the manager has raised one window over another. What ends up in front is
  // the server's to say: i3 keeps floating windows above the tiled ones it raises.
  for (const auto& [raised, below] : {std::pair{logo, terminal}, std::pair{terminal, logo}}) {
    raise(raised, below);
    const auto candidates = among(probe.stackingFrontToBack(), among(shown, managed));
    ASSERT_FALSE(candidates.empty());
    const xcb_window_t front = candidates.front();
    const auto frame = probe.frameOf(front);
    ASSERT_TRUE(frame);
    const auto atPoint = lookup({"window-at-point", std::to_string(frame->x + frame->width / 2),
                                 std::to_string(frame->y + frame->height / 2)});
    ASSERT_TRUE(atPoint);
    EXPECT_EQ(atPoint->windowId, front);
    const ProcessOutcome frontmost = desktop.runTool({"frontmost"});
    EXPECT_EQ(parseFrontmost(frontmost.out),
              (std::pair{find(all, front)->bundleId, find(all, front)->owner}))
        << frontmost.err;
    const auto byBundle = lookup({"window-for-bundle", find(all, raised)->bundleId});
    ASSERT_TRUE(byBundle);
    EXPECT_EQ(byBundle->windowId, raised);
  }
}

INSTANTIATE_TEST_SUITE_P(WindowManagers, UnderEachManager, ::testing::ValuesIn(windowManagers()),
                         [](const auto& manager) { return manager.param; });

}  // namespace
}  // namespace orvane::testing
