#include "platform/x11/x11_client_search.h"

#include <map>
#include <set>

#include "platform/x11/x11_properties.h"

namespace orvane::x11 {

namespace {

// The search under one top-level: the windows of the level being looked at.
struct Search {
  TopLevel* topLevel;
  std::vector<xcb_window_t> level;
  std::vector<xcb_get_property_cookie_t> wmStates;
  std::vector<xcb_query_tree_cookie_t> trees;
  bool found = false;
};

void askWmStates(xcb_connection_t* xcb, const Atoms& atoms, Search& search) {
  search.wmStates.clear();
  for (const xcb_window_t window : search.level)
    search.wmStates.push_back(xcb_get_property(xcb, 0, window, atoms.wmState, XCB_ATOM_ANY, 0, 2));
}

void askTrees(xcb_connection_t* xcb, Search& search) {
  search.trees.clear();
  for (const xcb_window_t window : search.level)
    search.trees.push_back(xcb_query_tree(xcb, window));
}

// The first window of the level with WM_STATE becomes the client. Every reply is taken, so that
// none is left waiting in the queue.
void takeWmStates(Connection& connection, const Atoms& atoms, Search& search) {
  for (std::size_t index = 0; index < search.wmStates.size(); ++index) {
    const auto reply = connection.reply<xcb_get_property_reply_t>(search.wmStates[index].sequence);
    const PropertyView wmState = viewOf(reply.get());
    if (!search.found && wmState.type != XCB_ATOM_NONE) {
      search.found = true;
      search.topLevel->client = search.level[index];
      search.topLevel->clientWmState = wmStateValue(wmState, atoms.wmState);
    }
  }
}

// Replaces the level by the children of its windows.
void takeTrees(Connection& connection, Search& search) {
  std::vector<xcb_window_t> children;
  for (const xcb_query_tree_cookie_t cookie : search.trees) {
    const auto tree = connection.reply<xcb_query_tree_reply_t>(cookie.sequence);
    if (!tree)
      continue;
    const xcb_window_t* first = xcb_query_tree_children(tree.get());
    children.insert(children.end(), first, first + xcb_query_tree_children_length(tree.get()));
  }
  search.level = std::move(children);
}

// One listed client on its way up to the top-level that holds it.
struct Climb {
  xcb_window_t client;
  xcb_window_t window;  // the window whose parent is asked next
  bool hasWmState;
  std::optional<std::uint32_t> wmState;
  xcb_query_tree_cookie_t tree{};
};

// Places the listed clients in their top-levels and returns the top-levels so settled. A client
// whose parent is not yet a top-level climbs one level per round trip, at most
// clientSearchDepth levels.
std::set<xcb_window_t> placeListedClients(Connection& connection, const Atoms& atoms,
                                          std::span<const xcb_window_t> listedClients,
                                          std::vector<TopLevel>& topLevels) {
  std::map<xcb_window_t, TopLevel*> managed;
  for (TopLevel& topLevel : topLevels) {
    if (!topLevel.overrideRedirect)
      managed[topLevel.window] = &topLevel;
  }
  std::set<xcb_window_t> settled;
  if (listedClients.empty() || managed.empty())
    return settled;
  xcb_connection_t* xcb = connection.get();
  std::vector<Climb> climbs;
  std::vector<xcb_get_property_cookie_t> wmStates;
  for (const xcb_window_t client : listedClients) {
    climbs.push_back({client, client, false, std::nullopt, xcb_query_tree(xcb, client)});
    wmStates.push_back(xcb_get_property(xcb, 0, client, atoms.wmState, XCB_ATOM_ANY, 0, 2));
  }
  for (std::size_t index = 0; index < climbs.size(); ++index) {
    const auto reply = connection.reply<xcb_get_property_reply_t>(wmStates[index].sequence);
    const PropertyView wmState = viewOf(reply.get());
    climbs[index].hasWmState = wmState.type != XCB_ATOM_NONE;
    climbs[index].wmState = wmStateValue(wmState, atoms.wmState);
  }
  for (int depth = 0; depth <= clientSearchDepth && !climbs.empty(); ++depth) {
    if (depth > 0) {
      for (Climb& climb : climbs)
        climb.tree = xcb_query_tree(xcb, climb.window);
    }
    std::vector<Climb> higher;
    for (Climb& climb : climbs) {
      const auto tree = connection.reply<xcb_query_tree_reply_t>(climb.tree.sequence);
      if (!tree || !climb.hasWmState)
        continue;  // gone meanwhile, or withdrawn: left to the search from the top
      // A client that is itself a child of the root is its own top-level.
      const xcb_window_t holder = tree->parent == tree->root ? climb.window : tree->parent;
      const auto found = managed.find(holder);
      if (found != managed.end()) {
        if (settled.insert(holder).second) {
          found->second->client = climb.client;
          found->second->clientWmState = climb.wmState;
        }
      } else if (tree->parent != tree->root) {
        climb.window = tree->parent;
        higher.push_back(climb);
      }
    }
    climbs = std::move(higher);
  }
  return settled;
}

}  // namespace

void findClients(Connection& connection, const Atoms& atoms,
                 std::span<const xcb_window_t> listedClients, std::vector<TopLevel>& topLevels) {
  if (atoms.wmState == XCB_ATOM_NONE)
    return;
  const std::set<xcb_window_t> settled =
      placeListedClients(connection, atoms, listedClients, topLevels);
  xcb_connection_t* xcb = connection.get();
  std::vector<Search> searches;
  for (TopLevel& topLevel : topLevels) {
    if (!topLevel.overrideRedirect && settled.count(topLevel.window) == 0)
      searches.push_back({&topLevel, {topLevel.window}, {}, {}});
  }
  const auto dropFinished = [&] {
    std::erase_if(searches, [](const Search& s) { return s.found || s.level.empty(); });
  };
  // The top-levels themselves, with their children asked for at once: under a window manager
  // they are needed.
  for (Search& search : searches) {
    askWmStates(xcb, atoms, search);
    askTrees(xcb, search);
  }
  for (Search& search : searches) {
    takeWmStates(connection, atoms, search);
    takeTrees(connection, search);
  }
  dropFinished();
  // Deeper down most windows are decorations without children, so their trees are asked for
  // only when the client is not among them.
  for (int depth = 1; depth <= clientSearchDepth && !searches.empty(); ++depth) {
    for (Search& search : searches)
      askWmStates(xcb, atoms, search);
    for (Search& search : searches)
      takeWmStates(connection, atoms, search);
    dropFinished();
    if (depth == clientSearchDepth)
      break;
    for (Search& search : searches)
      askTrees(xcb, search);
    for (Search& search : searches)
      takeTrees(connection, search);
    dropFinished();
  }
}

}  // namespace orvane::x11
