#pragma once

#include <xcb/res.h>
#include <xcb/xcb.h>

#include <cstdint>
#include <optional>
#include <string>

#include "platform/x11/x11_atoms.h"
#include "platform/x11/x11_connection.h"
#include "platform/x11/x11_top_levels.h"

namespace orvane::x11 {

// What the properties of an application's window, and of the frame around it, tell.
struct ClientDescription {
  std::optional<std::string> name;
  std::optional<std::string> className;
  std::optional<std::uint32_t> processId;
  std::optional<WindowType> type;
  bool minimised = false;
  bool keptAbove = false;
  std::optional<std::uint32_t> desktop;  // 0xffffffff: every desktop
  std::optional<double> alpha;
};

// What one snapshot's descriptions share.
struct DescriptionContext {
  const Atoms& atoms;
  bool askServerForProcess;  // the X Resource extension is there
  std::string hostName;      // where a _NET_WM_PID is meaningful
};

// The requests for one top-level's description, sent at construction.
class ClientRequests {
 public:
  ClientRequests(xcb_connection_t* xcb, const DescriptionContext& context,
                 const TopLevel& topLevel);
  ClientDescription collect(Connection& connection, const DescriptionContext& context) const;

 private:
  xcb_get_property_cookie_t netName_, name_, wmClass_, pid_, machine_, type_, state_, desktop_,
      opacity_, frameOpacity_;
  xcb_res_query_client_ids_cookie_t clientIds_{};
  bool askedClientIds_ = false;
  bool askedFrameOpacity_ = false;
};

}  // namespace orvane::x11
