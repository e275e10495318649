#include "platform/x11/x11_client_search.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>

namespace orvane::x11 {
namespace {

constexpr xcb_window_t root = 1;

// A window tree written as the managers build it, cut down from `xwininfo -root -tree` under
// each: one window a line, two spaces of indent a level, children top first as xwininfo lists
// them; then the window's marks: `or` override-redirect, `wm` has WM_STATE (`iconic` with the
// iconic state), `hidden` not viewable, `listed` in _NET_CLIENT_LIST.
class RecordedTree : public TreeReader {
 public:
  explicit RecordedTree(const std::string& text) {
    std::istringstream lines(text);
    std::vector<xcb_window_t> parents = {root};
    std::string line;
    while (std::getline(lines, line)) {
      if (line.find_first_not_of(' ') == std::string::npos)
        continue;
      const std::size_t depth = line.find_first_not_of(' ') / 2;
      std::istringstream words(line);
      std::string name, mark;
      words >> name;
      const xcb_window_t window = static_cast<xcb_window_t>(ids_.size() + 2);
      ids_[name] = window;
      names_[window] = name;
      parents.resize(depth + 1);
      TreeNode& node = nodes_[window];
      node.exists = true;
      node.viewable = true;
      node.parent = parents[depth];
      // xwininfo lists the top child first, a tree query the bottom one.
      auto& siblings = nodes_[parents[depth]].children;
      siblings.insert(siblings.begin(), window);
      parents.push_back(window);
      bool overrideRedirect = false;
      while (words >> mark) {
        if (mark == "or")
          overrideRedirect = true;
        else if (mark == "wm" || mark == "iconic")
          node.hasWmState = true, node.wmState = mark == "wm" ? 1 : 3;
        else if (mark == "hidden")
          node.viewable = false;
        else if (mark == "listed")
          listed_.push_back(window);
      }
      if (depth == 0 && node.viewable) {
        TopLevel topLevel;
        topLevel.window = topLevel.client = window;
        topLevel.overrideRedirect = overrideRedirect;
        topLevels_.push_back(topLevel);
      }
    }
  }

  std::vector<TreeNode> read(std::span<const xcb_window_t> windows) override {
    ++roundTrips;
    std::vector<TreeNode> answers;
    for (const xcb_window_t window : windows) {
      const auto found = nodes_.find(window);
      answers.push_back(found == nodes_.end() ? TreeNode{} : found->second);
    }
    return answers;
  }

  // Each top-level's client by name, after the search.
  std::map<std::string, std::string> clients() {
    std::vector<TopLevel> topLevels = topLevels_;
    findClients(*this, root, listed_, topLevels);
    std::map<std::string, std::string> found;
    for (const TopLevel& topLevel : topLevels) {
      std::string client = names_[topLevel.client];
      if (!topLevel.clientShown)
        client += " (hidden)";
      found[names_[topLevel.window]] = topLevel.managed ? client : "-";
    }
    return found;
  }

  int roundTrips = 0;

 private:
  std::map<std::string, xcb_window_t> ids_;
  std::map<xcb_window_t, std::string> names_;
  std::map<xcb_window_t, TreeNode> nodes_;
  std::vector<xcb_window_t> listed_;
  std::vector<TopLevel> topLevels_;
};

using Clients = std::map<std::string, std::string>;

TEST(ClientSearch, OverrideRedirectFramesHoldTheirClientAmongDecorations) {
  // fluxbox: the frame is override-redirect, the client a child beside the title bar and the
  // handle; the toolbar is override-redirect and holds no client.
  RecordedTree fluxbox(R"(
toolbar or
  clock
  iconbar
    icon
frame or
  titlebar
    label
    close
  client wm listed
    vt100
  handle
)");
  EXPECT_EQ(fluxbox.clients(), (Clients{{"toolbar", "-"}, {"frame", "client"}}));
  // The frames and the toolbar's top are read with the listed clients; then two levels below it.
  EXPECT_EQ(fluxbox.roundTrips, 3);
  // i3: one override-redirect frame per client, the tab bar of a tabbed container beside them.
  RecordedTree i3(R"(
tabbar or
front or
  term wm listed
    vt100
back or
  logo wm listed
)");
  EXPECT_EQ(i3.clients(), (Clients{{"tabbar", "-"}, {"front", "term"}, {"back", "logo"}}));
}

TEST(ClientSearch, ClientsTwoLevelsDownAndUnlistedOnesAreFound) {
  // icewm: frame, container, client; its task bar is managed but not in _NET_CLIENT_LIST.
  RecordedTree icewm(R"(
taskbarframe or
  taskbarholder
    taskbar wm
      tray
      clock
frame or
  topside
  container
    term wm listed
      vt100
  titlebar
    close
)");
  EXPECT_EQ(icewm.clients(), (Clients{{"taskbarframe", "taskbar"}, {"frame", "term"}}));
  // kwin: frame, wrapper, client; its shadow and edge windows are override-redirect and empty.
  RecordedTree kwin(R"(
edge or
shadow or
frame
  wrapper
    logo wm listed
      canvas
)");
  EXPECT_EQ(kwin.clients(), (Clients{{"edge", "-"}, {"shadow", "-"}, {"frame", "logo"}}));
  // xfwm4 and openbox: the client right below an ordinary frame; an unmanaged window is its own.
  RecordedTree xfwm4(R"(
frame
  term wm listed
  title
  corner
plain
)");
  EXPECT_EQ(xfwm4.clients(), (Clients{{"frame", "term"}, {"plain", "-"}}));
}

TEST(ClientSearch, TheShownTabWinsAndAShadedClientStaysHidden) {
  // A tabbed group: the background tab is listed first but unmapped.
  RecordedTree tabs(R"(
group or
  front wm listed
  back wm hidden listed
  tabbar
shaded
  title
  rolled wm hidden listed
)");
  EXPECT_EQ(tabs.clients(), (Clients{{"group", "front"}, {"shaded", "rolled (hidden)"}}));
  // The same group when the manager does not list its clients.
  RecordedTree unlisted(R"(
group or
  tabbar
  back wm hidden
  front wm
)");
  EXPECT_EQ(unlisted.clients(), (Clients{{"group", "front"}}));
}

TEST(ClientSearch, TheSearchStopsAtItsDepth) {
  RecordedTree deep(R"(
frame
  a
    b
      c
        client wm
toodeep
  a2
    b2
      c2
        d2
          client2 wm
)");
  EXPECT_EQ(deep.clients(), (Clients{{"frame", "client"}, {"toodeep", "-"}}));
}

TEST(ClientSearch, RoundTripsDoNotGrowWithTheWindows) {
  const std::string frame = R"(
frame or
  container
    term wm listed
      vt100
  titlebar
    close
)";
  const auto roundTripsFor = [&](int frames) {
    std::string text;
    for (int index = 0; index < frames; ++index) {
      std::string copy = frame;
      for (const std::string name : {"frame", "container", "term", "vt100", "titlebar", "close"})
        copy.replace(copy.find(name), name.size(), name + std::to_string(index));
      text += copy;
    }
    RecordedTree tree(text);
    tree.clients();
    return tree.roundTrips;
  };
  EXPECT_EQ(roundTripsFor(1), 2);
  EXPECT_EQ(roundTripsFor(40), 2);
}

}  // namespace
}  // namespace orvane::x11
