#include "platform/x11/x11_client_search.h"

#include <map>

namespace orvane::x11 {

namespace {

// The best client found so far for one top-level: a shown one beats a hidden one, an earlier
// one a later one of the same kind.
struct Candidate {
  xcb_window_t window = 0;
  std::optional<std::uint32_t> wmState;
  bool viewable = false;
};

void offer(std::optional<Candidate>& best, const Candidate& candidate) {
  if (!best || (candidate.viewable && !best->viewable))
    best = candidate;
}

void settle(TopLevel& topLevel, const Candidate& client) {
  topLevel.client = client.window;
  topLevel.clientWmState = client.wmState;
  topLevel.managed = true;
  topLevel.clientShown = client.viewable;
}

// One listed client on its way up to the top-level that holds it.
struct Climb {
  Candidate client;
  xcb_window_t window;  // the window whose parent is known
  xcb_window_t parent;
};

// Places the listed clients, as first read, in their top-levels and returns the best client found
// for each top-level reached. A client whose parent is not yet a top-level climbs one level per
// round trip.
std::map<xcb_window_t, std::optional<Candidate>> climbFromListedClients(
    TreeReader& reader, xcb_window_t root, std::span<const xcb_window_t> listedClients,
    std::span<const TreeNode> nodes, const std::map<xcb_window_t, TopLevel*>& topLevels) {
  std::map<xcb_window_t, std::optional<Candidate>> found;
  std::vector<Climb> climbs;
  for (std::size_t index = 0; index < listedClients.size(); ++index) {
    const TreeNode& node = nodes[index];
    // Gone meanwhile, or withdrawn: left to the search from the top.
    if (node.exists && node.hasWmState)
      climbs.push_back(
          {{listedClients[index], node.wmState, node.viewable}, listedClients[index], node.parent});
  }
  for (int depth = 0; !climbs.empty(); ++depth) {
    std::vector<Climb> higher;
    for (const Climb& climb : climbs) {
      // A client that is itself a child of the root is its own top-level.
      const xcb_window_t holder = climb.parent == root ? climb.window : climb.parent;
      if (topLevels.contains(holder))
        offer(found[holder], climb.client);
      else if (climb.parent != root && depth < clientSearchDepth)
        higher.push_back({climb.client, climb.parent, 0});
    }
    if (higher.empty())
      break;
    std::vector<xcb_window_t> windows;
    for (const Climb& climb : higher)
      windows.push_back(climb.window);
    const std::vector<TreeNode> parents = reader.read(windows);
    climbs.clear();
    for (std::size_t index = 0; index < higher.size(); ++index) {
      if (parents[index].exists)
        climbs.push_back({higher[index].client, higher[index].window, parents[index].parent});
    }
  }
  return found;
}

// The search under one top-level: the windows of the level being looked at.
struct Search {
  TopLevel* topLevel;
  std::vector<xcb_window_t> level;
  std::optional<Candidate> best;
};

// Takes the answers for the search's level and moves it one level down; returns where the next
// search's answers begin.
std::span<const TreeNode> takeLevel(Search& search, std::span<const TreeNode> nodes) {
  std::vector<xcb_window_t> children;
  for (std::size_t index = 0; index < search.level.size(); ++index) {
    const TreeNode& node = nodes[index];
    if (node.hasWmState)
      offer(search.best, {search.level[index], node.wmState, node.viewable});
    children.insert(children.end(), node.children.begin(), node.children.end());
  }
  const std::size_t taken = search.level.size();
  search.level = std::move(children);
  if (search.best)
    settle(*search.topLevel, *search.best);
  return nodes.subspan(taken);
}

void dropFinished(std::vector<Search>& searches) {
  std::erase_if(searches, [](const Search& s) { return s.best || s.level.empty(); });
}

// Looks level by level below the top-levels the climb did not settle, all of them together,
// from the level below the top-levels.
void searchFromTheTop(TreeReader& reader, std::vector<Search> searches) {
  for (int depth = 1; depth <= clientSearchDepth && !searches.empty(); ++depth) {
    std::vector<xcb_window_t> windows;
    for (const Search& search : searches)
      windows.insert(windows.end(), search.level.begin(), search.level.end());
    const std::vector<TreeNode> nodes = reader.read(windows);
    std::span<const TreeNode> rest = nodes;
    for (Search& search : searches)
      rest = takeLevel(search, rest);
    dropFinished(searches);
  }
}

}  // namespace

void findClients(TreeReader& reader, xcb_window_t root, std::span<const xcb_window_t> listedClients,
                 std::vector<TopLevel>& topLevels) {
  std::map<xcb_window_t, TopLevel*> byWindow;
  for (TopLevel& topLevel : topLevels)
    byWindow[topLevel.window] = &topLevel;
  if (byWindow.empty())
    return;
  // The first round trip asks about the listed clients and the top-levels themselves together.
  std::vector<xcb_window_t> first(listedClients.begin(), listedClients.end());
  for (const TopLevel& topLevel : topLevels)
    first.push_back(topLevel.window);
  const std::vector<TreeNode> nodes = reader.read(first);
  const std::span<const TreeNode> listedNodes(nodes.data(), listedClients.size());
  std::span<const TreeNode> topLevelNodes =
      std::span<const TreeNode>(nodes).subspan(listedClients.size());
  const auto climbed = climbFromListedClients(reader, root, listedClients, listedNodes, byWindow);
  std::vector<Search> searches;
  for (TopLevel& topLevel : topLevels) {
    const auto found = climbed.find(topLevel.window);
    // A listed client that is hidden may share its frame with an unlisted one that is shown.
    if (found != climbed.end() && found->second->viewable) {
      settle(topLevel, *found->second);
      topLevelNodes = topLevelNodes.subspan(1);
      continue;
    }
    searches.push_back({&topLevel, {topLevel.window}, std::nullopt});
    topLevelNodes = takeLevel(searches.back(), topLevelNodes);
  }
  dropFinished(searches);
  searchFromTheTop(reader, std::move(searches));
}

}  // namespace orvane::x11
