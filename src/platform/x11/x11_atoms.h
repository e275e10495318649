#pragma once

#include <xcb/xcb.h>

#include <array>
#include <optional>

#include "platform/desktop/window_level.h"
#include "platform/x11/x11_connection.h"

namespace orvane::x11 {

// The atoms the walk reads. An atom the server has never seen is 0 (XCB_ATOM_NONE): no window can
// carry it, so a property under it is simply absent.
struct Atoms {
  xcb_atom_t utf8String = 0;
  xcb_atom_t compoundText = 0;
  xcb_atom_t wmState = 0;
  xcb_atom_t netWmName = 0;
  xcb_atom_t netWmPid = 0;
  xcb_atom_t netWmDesktop = 0;
  xcb_atom_t netCurrentDesktop = 0;
  xcb_atom_t netWmWindowOpacity = 0;
  xcb_atom_t netWmState = 0;
  xcb_atom_t netWmStateHidden = 0;
  xcb_atom_t netWmStateAbove = 0;
  xcb_atom_t netWmWindowType = 0;
  xcb_atom_t netClientList = 0;
  std::array<xcb_atom_t, windowTypeCount> windowTypes{};

  // The window type an atom of _NET_WM_WINDOW_TYPE names, if it names one.
  std::optional<WindowType> windowType(xcb_atom_t atom) const;
};

// The intern requests of one batch, sent without waiting; existing atoms only, so that reading
// the window list never creates atoms on the server.
class AtomRequests {
 public:
  explicit AtomRequests(xcb_connection_t* connection);
  Atoms collect(Connection& connection) const;

 private:
  std::array<xcb_intern_atom_cookie_t, 13 + windowTypeCount> cookies_;
};

}  // namespace orvane::x11
