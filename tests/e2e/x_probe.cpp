#include "x_probe.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <stdexcept>

namespace orvane::testing {

namespace {

template <typename T>
using Owned = std::unique_ptr<T, decltype(&std::free)>;

template <typename T>
Owned<T> owned(T* reply) {
  return Owned<T>(reply, &std::free);
}

}  // namespace

XProbe::XProbe(const std::string& display) : connection_(xcb_connect(display.c_str(), nullptr)) {
  if (xcb_connection_has_error(connection_))
    throw std::runtime_error("cannot connect to " + display);
  root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
}

XProbe::~XProbe() {
  xcb_disconnect(connection_);
}

xcb_atom_t XProbe::atom(const std::string& name) const {
  const auto reply = owned(xcb_intern_atom_reply(
      connection_,
      xcb_intern_atom(connection_, 0, static_cast<std::uint16_t>(name.size()), name.c_str()),
      nullptr));
  return reply ? reply->atom : 0;
}

bool XProbe::isViewable(xcb_window_t window) const {
  const auto reply = owned(xcb_get_window_attributes_reply(
      connection_, xcb_get_window_attributes(connection_, window), nullptr));
  return reply && reply->map_state == XCB_MAP_STATE_VIEWABLE;
}

std::vector<std::uint32_t> XProbe::cardinals(xcb_window_t window,
                                             const std::string& property) const {
  const auto reply = owned(xcb_get_property_reply(
      connection_, xcb_get_property(connection_, 0, window, atom(property), XCB_ATOM_ANY, 0, 1024),
      nullptr));
  if (!reply || reply->format != 32)
    return {};
  const auto* data = static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get()));
  return {data, data + xcb_get_property_value_length(reply.get()) / 4};
}

std::vector<xcb_window_t> XProbe::windows(xcb_window_t window, const std::string& property) const {
  return cardinals(window, property);
}

bool XProbe::hasProperty(xcb_window_t window, const std::string& property) const {
  const auto reply = owned(xcb_get_property_reply(
      connection_, xcb_get_property(connection_, 0, window, atom(property), XCB_ATOM_ANY, 0, 0),
      nullptr));
  return reply && reply->type != XCB_ATOM_NONE;
}

std::optional<std::string> XProbe::text(xcb_window_t window, const std::string& property) const {
  const auto reply = owned(xcb_get_property_reply(
      connection_, xcb_get_property(connection_, 0, window, atom(property), XCB_ATOM_ANY, 0, 4096),
      nullptr));
  if (!reply || reply->type == XCB_ATOM_NONE)
    return std::nullopt;
  return std::string(static_cast<const char*>(xcb_get_property_value(reply.get())),
                     static_cast<std::size_t>(xcb_get_property_value_length(reply.get())));
}

std::optional<xcb_window_t> XProbe::clientNamed(const std::string& title) const {
  for (const xcb_window_t window : windows(root_, "_NET_CLIENT_LIST")) {
    if (text(window, "_NET_WM_NAME") == title || text(window, "WM_NAME") == title)
      return window;
  }
  return std::nullopt;
}

std::optional<xcb_window_t> XProbe::topLevelOf(xcb_window_t window) const {
  for (;;) {
    const auto tree =
        owned(xcb_query_tree_reply(connection_, xcb_query_tree(connection_, window), nullptr));
    if (!tree)
      return std::nullopt;
    if (tree->parent == root_)
      return window;
    window = tree->parent;
  }
}

std::optional<Box> XProbe::frameOf(xcb_window_t client) const {
  const auto topLevel = topLevelOf(client);
  if (!topLevel)
    return std::nullopt;
  const auto geometry =
      owned(xcb_get_geometry_reply(connection_, xcb_get_geometry(connection_, *topLevel), nullptr));
  if (!geometry)
    return std::nullopt;
  const double border = 2.0 * geometry->border_width;
  return Box{double(geometry->x), double(geometry->y), geometry->width + border,
             geometry->height + border};
}

std::optional<Box> XProbe::announcedFrameOf(xcb_window_t client) const {
  const auto extents = cardinals(client, "_NET_FRAME_EXTENTS");
  const auto geometry =
      owned(xcb_get_geometry_reply(connection_, xcb_get_geometry(connection_, client), nullptr));
  const auto position = owned(xcb_translate_coordinates_reply(
      connection_, xcb_translate_coordinates(connection_, client, root_, 0, 0), nullptr));
  if (extents.size() != 4 || !geometry || !position)
    return std::nullopt;
  const double left = extents[0], right = extents[1], top = extents[2], bottom = extents[3];
  return Box{position->dst_x - left, position->dst_y - top, geometry->width + left + right,
             geometry->height + top + bottom};
}

std::optional<xcb_window_t> XProbe::activeWindow() const {
  const auto active = windows(root_, "_NET_ACTIVE_WINDOW");
  if (active.empty() || active.front() == 0)
    return std::nullopt;
  return active.front();
}

std::optional<xcb_window_t> XProbe::clientWithin(xcb_window_t topLevel) const {
  // Breadth first, a few levels down: the client nearest the top, a shown one before a hidden one.
  std::vector<xcb_window_t> level = {topLevel};
  for (int depth = 0; depth < 6 && !level.empty(); ++depth) {
    xcb_window_t hidden = 0;
    std::vector<xcb_window_t> next;
    for (const xcb_window_t window : level) {
      if (hasProperty(window, "WM_STATE")) {
        if (isViewable(window))
          return window;
        hidden = hidden != 0 ? hidden : window;
      }
      const auto below =
          owned(xcb_query_tree_reply(connection_, xcb_query_tree(connection_, window), nullptr));
      if (below) {
        const xcb_window_t* children = xcb_query_tree_children(below.get());
        next.insert(next.end(), children, children + xcb_query_tree_children_length(below.get()));
      }
    }
    if (hidden != 0)
      return hidden;
    level = std::move(next);
  }
  return std::nullopt;
}

std::vector<xcb_window_t> XProbe::stackingFrontToBack() const {
  const auto tree =
      owned(xcb_query_tree_reply(connection_, xcb_query_tree(connection_, root_), nullptr));
  if (!tree)
    return {};
  const xcb_window_t* children = xcb_query_tree_children(tree.get());
  std::vector<xcb_window_t> stacking;
  for (int index = xcb_query_tree_children_length(tree.get()) - 1; index >= 0; --index) {
    if (!isViewable(children[index]))
      continue;
    stacking.push_back(clientWithin(children[index]).value_or(children[index]));
  }
  return stacking;
}

void XProbe::destroy(xcb_window_t window) const {
  xcb_destroy_window(connection_, window);
  std::free(xcb_get_input_focus_reply(connection_, xcb_get_input_focus(connection_), nullptr));
}

void XProbe::setRootCardinal(const std::string& property, std::uint32_t value) const {
  xcb_change_property(connection_, XCB_PROP_MODE_REPLACE, root_, atom(property), XCB_ATOM_CARDINAL,
                      32, 1, &value);
  std::free(xcb_get_input_focus_reply(connection_, xcb_get_input_focus(connection_), nullptr));
}

}  // namespace orvane::testing
