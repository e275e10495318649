#include "platform/x11/x11_tree_reader.h"

#include "platform/x11/x11_properties.h"

namespace orvane::x11 {

namespace {

struct NodeRequests {
  xcb_query_tree_cookie_t tree;
  xcb_get_property_cookie_t wmState;
  xcb_get_window_attributes_cookie_t attributes;
};

}  // namespace

std::vector<TreeNode> ServerTreeReader::read(std::span<const xcb_window_t> windows) {
  xcb_connection_t* xcb = connection_.get();
  std::vector<NodeRequests> requests;
  requests.reserve(windows.size());
  for (const xcb_window_t window : windows)
    requests.push_back({xcb_query_tree(xcb, window),
                        xcb_get_property(xcb, 0, window, atoms_.wmState, XCB_ATOM_ANY, 0, 2),
                        xcb_get_window_attributes(xcb, window)});
  std::vector<TreeNode> nodes;
  nodes.reserve(windows.size());
  // Every reply is taken, so that none is left waiting in the queue.
  for (const NodeRequests& request : requests) {
    const auto tree = connection_.reply<xcb_query_tree_reply_t>(request.tree.sequence);
    const auto wmState = connection_.reply<xcb_get_property_reply_t>(request.wmState.sequence);
    const auto attributes =
        connection_.reply<xcb_get_window_attributes_reply_t>(request.attributes.sequence);
    TreeNode node;
    node.exists = tree && attributes;
    if (node.exists) {
      node.parent = tree->parent;
      const xcb_window_t* first = xcb_query_tree_children(tree.get());
      node.children.assign(first, first + xcb_query_tree_children_length(tree.get()));
      node.viewable = attributes->map_state == XCB_MAP_STATE_VIEWABLE;
    }
    const PropertyView state = viewOf(wmState.get());
    node.hasWmState = atoms_.wmState != XCB_ATOM_NONE && state.type != XCB_ATOM_NONE;
    node.wmState = wmStateValue(state, atoms_.wmState);
    nodes.push_back(std::move(node));
  }
  return nodes;
}

}  // namespace orvane::x11
