#include "platform/x11/x11_atoms.h"

#include <cstring>

namespace orvane::x11 {

namespace {

// The atoms of _NET_WM_WINDOW_TYPE, in WindowType order.
constexpr const char* windowTypeAtomNames[windowTypeCount] = {
    "_NET_WM_WINDOW_TYPE_NORMAL",        "_NET_WM_WINDOW_TYPE_DIALOG",
    "_NET_WM_WINDOW_TYPE_DESKTOP",       "_NET_WM_WINDOW_TYPE_DOCK",
    "_NET_WM_WINDOW_TYPE_TOOLBAR",       "_NET_WM_WINDOW_TYPE_MENU",
    "_NET_WM_WINDOW_TYPE_UTILITY",       "_NET_WM_WINDOW_TYPE_SPLASH",
    "_NET_WM_WINDOW_TYPE_DROPDOWN_MENU", "_NET_WM_WINDOW_TYPE_POPUP_MENU",
    "_NET_WM_WINDOW_TYPE_TOOLTIP",       "_NET_WM_WINDOW_TYPE_NOTIFICATION",
    "_NET_WM_WINDOW_TYPE_COMBO",         "_NET_WM_WINDOW_TYPE_DND",
};

constexpr xcb_atom_t Atoms::*namedMembers[] = {
    &Atoms::utf8String,        &Atoms::compoundText,       &Atoms::wmState,
    &Atoms::netWmName,         &Atoms::netWmPid,           &Atoms::netWmDesktop,
    &Atoms::netCurrentDesktop, &Atoms::netWmWindowOpacity, &Atoms::netWmState,
    &Atoms::netWmStateHidden,  &Atoms::netWmStateAbove,    &Atoms::netWmWindowType,
    &Atoms::netClientList,
};

constexpr const char* memberNames[] = {
    "UTF8_STRING",
    "COMPOUND_TEXT",
    "WM_STATE",
    "_NET_WM_NAME",
    "_NET_WM_PID",
    "_NET_WM_DESKTOP",
    "_NET_CURRENT_DESKTOP",
    "_NET_WM_WINDOW_OPACITY",
    "_NET_WM_STATE",
    "_NET_WM_STATE_HIDDEN",
    "_NET_WM_STATE_ABOVE",
    "_NET_WM_WINDOW_TYPE",
    "_NET_CLIENT_LIST",
};

constexpr std::size_t memberCount = std::size(namedMembers);
static_assert(std::size(memberNames) == memberCount);

const char* nameAt(std::size_t index) {
  return index < memberCount ? memberNames[index] : windowTypeAtomNames[index - memberCount];
}

}  // namespace

std::optional<WindowType> Atoms::windowType(xcb_atom_t atom) const {
  if (atom == XCB_ATOM_NONE)
    return std::nullopt;
  for (std::size_t index = 0; index < windowTypeCount; ++index) {
    if (windowTypes[index] == atom)
      return static_cast<WindowType>(index);
  }
  return std::nullopt;
}

AtomRequests::AtomRequests(xcb_connection_t* connection) {
  static_assert(std::tuple_size_v<decltype(cookies_)> == memberCount + windowTypeCount);
  for (std::size_t index = 0; index < cookies_.size(); ++index) {
    const char* name = nameAt(index);
    cookies_[index] =
        xcb_intern_atom(connection, 1, static_cast<std::uint16_t>(std::strlen(name)), name);
  }
}

Atoms AtomRequests::collect(Connection& connection) const {
  Atoms atoms;
  for (std::size_t index = 0; index < cookies_.size(); ++index) {
    const auto reply = connection.reply<xcb_intern_atom_reply_t>(cookies_[index].sequence);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    if (index < memberCount)
      atoms.*namedMembers[index] = atom;
    else
      atoms.windowTypes[index - memberCount] = atom;
  }
  return atoms;
}

}  // namespace orvane::x11
