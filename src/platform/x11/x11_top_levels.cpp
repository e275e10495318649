#include "platform/x11/x11_top_levels.h"

namespace orvane::x11 {

namespace {

struct TopLevelRequests {
  xcb_window_t window;
  xcb_get_window_attributes_cookie_t attributes;
  xcb_get_geometry_cookie_t geometry;
};

bool overlaps(const TopLevel& topLevel, ScreenSize screen) {
  const std::int64_t right = std::int64_t{topLevel.x} + topLevel.width;
  const std::int64_t bottom = std::int64_t{topLevel.y} + topLevel.height;
  return right > 0 && bottom > 0 && topLevel.x < std::int64_t{screen.width} &&
         topLevel.y < std::int64_t{screen.height};
}

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

std::vector<TopLevel> viewableTopLevels(Connection& connection, ScreenSize screen,
                                        std::span<const xcb_window_t> bottomToTop) {
  xcb_connection_t* xcb = connection.get();
  std::vector<TopLevelRequests> requests;
  requests.reserve(bottomToTop.size());
  for (auto window = bottomToTop.rbegin(); window != bottomToTop.rend(); ++window)
    requests.push_back(
        {*window, xcb_get_window_attributes(xcb, *window), xcb_get_geometry(xcb, *window)});
  std::vector<TopLevel> topLevels;
  for (const TopLevelRequests& request : requests) {
    const auto topLevel = collect(connection, request);
    // Some managers keep windows just beyond the edges, to notice the pointer reaching them.
    if (topLevel && overlaps(*topLevel, screen))
      topLevels.push_back(*topLevel);
  }
  return topLevels;
}

}  // namespace orvane::x11
