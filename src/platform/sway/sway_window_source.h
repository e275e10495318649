#pragma once

#include <memory>
#include <string>

#include "platform/desktop/app_ids_seen.h"
#include "platform/desktop/window_entry_building.h"
#include "windows/window_source.h"

namespace orvane {

// The on-screen windows of the sway (or i3-compatible) compositor listening on socketPath,
// native and XWayland alike. A compositor that cannot be asked, or answers late or wrongly, makes
// entries() throw PlatformError: the list would otherwise be known to be incomplete. An app id
// missing, the owner is the name processName gives the window's process. Each snapshot notes the
// app ids of the windows' processes in appIdsSeen.
std::unique_ptr<WindowSource> makeSwayWindowSource(std::string socketPath, ProcessNamer processName,
                                                   std::shared_ptr<AppIdsSeen> appIdsSeen);

}  // namespace orvane
