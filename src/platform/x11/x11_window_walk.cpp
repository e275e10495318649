#include "platform/x11/x11_window_walk.h"

#include <unistd.h>
#include <xcb/res.h>

#include <array>

#include "platform/x11/x11_atoms.h"
#include "platform/x11/x11_client_description.h"
#include "platform/x11/x11_client_search.h"
#include "platform/x11/x11_properties.h"
#include "platform/x11/x11_top_levels.h"
#include "platform/x11/x11_tree_reader.h"

namespace orvane::x11 {

namespace {

constexpr std::uint32_t allDesktops = 0xffffffff;
constexpr std::uint32_t iconicState = 3;  // WM_STATE of a minimised window
constexpr std::uint32_t clientListWords = 65536;

std::string hostName() {
  std::array<char, 256> name{};
  if (gethostname(name.data(), name.size() - 1) != 0)
    return {};
  return name.data();
}

bool serverHasResourceExtension(xcb_connection_t* xcb) {
  // Prefetched with the first batch, so the answer is already queued.
  const xcb_query_extension_reply_t* extension = xcb_get_extension_data(xcb, &xcb_res_id);
  return extension != nullptr && extension->present != 0;
}

// The server decides what is on screen: a window it shows is listed whatever the manager's hints
// say (kwin keeps windows of other desktops mapped, i3 its background tabs). The hints count only
// where the server agrees, for a frame left mapped around a client that is not shown.
bool isListed(const TopLevel& topLevel, const ClientDescription& description,
              std::optional<std::uint32_t> currentDesktop) {
  if (description.type == WindowType::desktop)
    return false;
  if (topLevel.clientShown)
    return true;
  const bool elsewhere = description.desktop && currentDesktop &&
                         *description.desktop != allDesktops &&
                         *description.desktop != *currentDesktop;
  return !description.minimised && topLevel.clientWmState != iconicState && !elsewhere;
}

WindowFacts factsOf(const TopLevel& topLevel, ClientDescription description) {
  WindowFacts facts;
  facts.number = topLevel.client;
  facts.x = topLevel.x;
  facts.y = topLevel.y;
  facts.width = topLevel.width;
  facts.height = topLevel.height;
  facts.name = std::move(description.name);
  facts.className = std::move(description.className);
  facts.processId = description.processId;
  // A frame that holds a managed client is override-redirect only to keep other managers out.
  const bool overrideRedirect = topLevel.overrideRedirect && !topLevel.managed;
  facts.layer = windowLayer({overrideRedirect, description.type, description.keptAbove});
  facts.alpha = description.alpha;
  return facts;
}

std::vector<WindowFacts> describe(Connection& connection, const Atoms& atoms,
                                  const std::vector<TopLevel>& topLevels,
                                  std::optional<std::uint32_t> currentDesktop) {
  const DescriptionContext context{atoms, serverHasResourceExtension(connection.get()), hostName()};
  std::vector<ClientRequests> requests;
  requests.reserve(topLevels.size());
  for (const TopLevel& topLevel : topLevels)
    requests.emplace_back(connection.get(), context, topLevel);
  std::vector<WindowFacts> windows;
  for (std::size_t index = 0; index < topLevels.size(); ++index) {
    ClientDescription description = requests[index].collect(connection, context);
    if (isListed(topLevels[index], description, currentDesktop))
      windows.push_back(factsOf(topLevels[index], std::move(description)));
  }
  return windows;
}

}  // namespace

std::vector<WindowFacts> walkWindows(Connection& connection) {
  xcb_connection_t* xcb = connection.get();
  const AtomRequests atomRequests(xcb);
  const xcb_query_tree_cookie_t rootTree = xcb_query_tree(xcb, connection.root());
  const xcb_get_geometry_cookie_t rootGeometry = xcb_get_geometry(xcb, connection.root());
  xcb_prefetch_extension_data(xcb, &xcb_res_id);
  const Atoms atoms = atomRequests.collect(connection);
  const auto tree = connection.reply<xcb_query_tree_reply_t>(rootTree.sequence);
  const auto screen = connection.reply<xcb_get_geometry_reply_t>(rootGeometry.sequence);
  if (!tree || !screen)
    return {};

  const auto desktopCookie =
      xcb_get_property(xcb, 0, connection.root(), atoms.netCurrentDesktop, XCB_ATOM_ANY, 0, 1);
  const auto clientListCookie = xcb_get_property(xcb, 0, connection.root(), atoms.netClientList,
                                                 XCB_ATOM_WINDOW, 0, clientListWords);
  std::vector<TopLevel> topLevels =
      viewableTopLevels(connection, {screen->width, screen->height},
                        {xcb_query_tree_children(tree.get()),
                         static_cast<std::size_t>(xcb_query_tree_children_length(tree.get()))});
  const auto desktop = connection.reply<xcb_get_property_reply_t>(desktopCookie.sequence);
  const std::optional<std::uint32_t> currentDesktop = cardinal(viewOf(desktop.get()));
  const auto clientList = connection.reply<xcb_get_property_reply_t>(clientListCookie.sequence);

  ServerTreeReader reader(connection, atoms);
  findClients(reader, connection.root(), windowList(viewOf(clientList.get())), topLevels);
  return describe(connection, atoms, topLevels, currentDesktop);
}

}  // namespace orvane::x11
