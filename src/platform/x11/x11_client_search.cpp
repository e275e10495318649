#include "platform/x11/x11_client_search.h"

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

}  // namespace

void findClients(Connection& connection, const Atoms& atoms, std::vector<TopLevel>& topLevels) {
  if (atoms.wmState == XCB_ATOM_NONE)
    return;
  xcb_connection_t* xcb = connection.get();
  std::vector<Search> searches;
  for (TopLevel& topLevel : topLevels) {
    if (!topLevel.overrideRedirect)
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
