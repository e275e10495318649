#include "platform/x11/x11_client_description.h"

#include <algorithm>
#include <limits>

#include "platform/x11/x11_properties.h"

namespace orvane::x11 {

namespace {

xcb_get_property_cookie_t ask(xcb_connection_t* xcb, xcb_window_t window, xcb_atom_t property,
                              std::uint32_t words) {
  // A property atom the server does not know (0) draws an error reply, read as absent.
  return xcb_get_property(xcb, 0, window, property, XCB_ATOM_ANY, 0, words);
}

using PropertyReply = Reply<xcb_get_property_reply_t>;

PropertyReply take(Connection& connection, xcb_get_property_cookie_t cookie) {
  return connection.reply<xcb_get_property_reply_t>(cookie.sequence);
}

std::optional<std::uint32_t> serverProcessId(const xcb_res_query_client_ids_reply_t* reply) {
  if (reply == nullptr)
    return std::nullopt;
  for (auto ids = xcb_res_query_client_ids_ids_iterator(reply); ids.rem > 0;
       xcb_res_client_id_value_next(&ids)) {
    // Each answer names the client id it answers and the byte length of its value.
    const auto& [answered, valueBytes] = *ids.data;
    if ((answered.mask & XCB_RES_CLIENT_ID_MASK_LOCAL_CLIENT_PID) != 0 &&
        valueBytes >= sizeof(std::uint32_t))
      return *xcb_res_client_id_value_value(ids.data);
  }
  return std::nullopt;
}

std::optional<double> opacity(const PropertyView& property) {
  const auto value = cardinal(property);
  if (!value)
    return std::nullopt;
  return static_cast<double>(*value) / std::numeric_limits<std::uint32_t>::max();
}

std::optional<WindowType> firstKnownType(const Atoms& atoms, const PropertyView& property) {
  for (const xcb_atom_t atom : atomList(property)) {
    if (const auto type = atoms.windowType(atom))
      return type;
  }
  return std::nullopt;
}

// A _NET_WM_PID counts only for a client on this machine; WM_CLIENT_MACHINE names the machine.
bool runsHere(const PropertyView& machine, const DescriptionContext& context) {
  const auto name = legacyText(machine, context.atoms.utf8String, context.atoms.compoundText);
  return !name || *name == context.hostName;
}

}  // namespace

ClientRequests::ClientRequests(xcb_connection_t* xcb, const DescriptionContext& context,
                               const TopLevel& topLevel) {
  const Atoms& atoms = context.atoms;
  const xcb_window_t client = topLevel.client;
  netName_ = ask(xcb, client, atoms.netWmName, textPropertyWords);
  name_ = ask(xcb, client, XCB_ATOM_WM_NAME, textPropertyWords);
  wmClass_ = ask(xcb, client, XCB_ATOM_WM_CLASS, textPropertyWords);
  pid_ = ask(xcb, client, atoms.netWmPid, 1);
  machine_ = ask(xcb, client, XCB_ATOM_WM_CLIENT_MACHINE, textPropertyWords);
  type_ = ask(xcb, client, atoms.netWmWindowType, atomListWords);
  state_ = ask(xcb, client, atoms.netWmState, atomListWords);
  desktop_ = ask(xcb, client, atoms.netWmDesktop, 1);
  opacity_ = ask(xcb, client, atoms.netWmWindowOpacity, 1);
  askedFrameOpacity_ = topLevel.window != client;
  if (askedFrameOpacity_)
    frameOpacity_ = ask(xcb, topLevel.window, atoms.netWmWindowOpacity, 1);
  askedClientIds_ = context.askServerForProcess;
  if (askedClientIds_) {
    const xcb_res_client_id_spec_t askedId{client, XCB_RES_CLIENT_ID_MASK_LOCAL_CLIENT_PID};
    clientIds_ = xcb_res_query_client_ids(xcb, 1, &askedId);
  }
}

ClientDescription ClientRequests::collect(Connection& connection,
                                          const DescriptionContext& context) const {
  const Atoms& atoms = context.atoms;
  const PropertyReply netName = take(connection, netName_), name = take(connection, name_),
                      wmClass = take(connection, wmClass_), pid = take(connection, pid_),
                      machine = take(connection, machine_), type = take(connection, type_),
                      state = take(connection, state_), desktop = take(connection, desktop_),
                      clientOpacity = take(connection, opacity_);
  const PropertyReply frameOpacity =
      askedFrameOpacity_ ? take(connection, frameOpacity_) : PropertyReply();
  const auto clientIds =
      askedClientIds_ ? connection.reply<xcb_res_query_client_ids_reply_t>(clientIds_.sequence)
                      : Reply<xcb_res_query_client_ids_reply_t>();

  ClientDescription description;
  description.name = utf8Text(viewOf(netName.get()), atoms.utf8String);
  if (!description.name)
    description.name = legacyText(viewOf(name.get()), atoms.utf8String, atoms.compoundText);
  description.className = classPart(viewOf(wmClass.get()));
  description.processId = serverProcessId(clientIds.get());
  if (!description.processId && runsHere(viewOf(machine.get()), context))
    description.processId = cardinal(viewOf(pid.get()));
  description.type = firstKnownType(atoms, viewOf(type.get()));
  const auto states = atomList(viewOf(state.get()));
  const auto hasState = [&](xcb_atom_t wanted) {
    return wanted != XCB_ATOM_NONE && std::ranges::find(states, wanted) != states.end();
  };
  description.minimised = hasState(atoms.netWmStateHidden);
  description.keptAbove = hasState(atoms.netWmStateAbove);
  description.desktop = cardinal(viewOf(desktop.get()));
  description.alpha = opacity(viewOf(clientOpacity.get()));
  if (!description.alpha)
    description.alpha = opacity(viewOf(frameOpacity.get()));
  return description;
}

}  // namespace orvane::x11
