#include "platform/x11/x11_top_levels.h"

namespace orvane::x11 {

namespace {

struct TopLevelRequests {
  xcb_window_t window;
  xcb_get_window_attributes_cookie_t attributes;
  xcb_get_geometry_cookie_t geometry;
};

std::optional<TopLevel> collect(Connection& connection, const TopLevelRequests& requests) {
  const auto attributes =
      connection.reply<xcb_get_window_attributes_reply_t>(requests.attributes.sequence);
  const auto geometry = connection.reply<xcb_get_geometry_reply_t>(requests.geometry.sequence);
  if (!attributes || !geometry || attributes->map_state != XCB_MAP_STATE_VIEWABLE ||
      attributes->_class == XCB_WINDOW_CLASS_INPUT_ONLY)
    return std::nullopt;
  const std::uint32_t border = 2u * geometry->border_width;
  TopLevel topLevel;
  topLevel.window = requests.window;
  topLevel.overrideRedirect = attributes->override_redirect != 0;
  topLevel.x = geometry->x;
  topLevel.y = geometry->y;
  topLevel.width = geometry->width + border;
  topLevel.height = geometry->height + border;
  topLevel.client = requests.window;
  return topLevel;
}

}  // namespace

std::vector<TopLevel> viewableTopLevels(Connection& connection,
                                        std::span<const xcb_window_t> bottomToTop) {
  xcb_connection_t* xcb = connection.get();
  std::vector<TopLevelRequests> requests;
  requests.reserve(bottomToTop.size());
  for (auto window = bottomToTop.rbegin(); window != bottomToTop.rend(); ++window)
    requests.push_back(
        {*window, xcb_get_window_attributes(xcb, *window), xcb_get_geometry(xcb, *window)});
  std::vector<TopLevel> topLevels;
  for (const TopLevelRequests& request : requests) {
    if (auto topLevel = collect(connection, request))
      topLevels.push_back(*topLevel);
  }
  return topLevels;
}

}  // namespace orvane::x11
