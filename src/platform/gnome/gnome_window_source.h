#pragma once

#include <memory>

#include "platform/desktop/app_ids_seen.h"
#include "platform/desktop/window_entry_building.h"
#include "windows/window_source.h"

namespace orvane {

// The on-screen windows of GNOME Shell, native and XWayland alike, as the project's GNOME Shell
// extension serves them on the session bus. A shell that cannot be asked, has no such extension
// enabled, or answers late or wrongly makes entries() throw PlatformError: the list would
// otherwise be known to be incomplete. A window without a class is owned by the name processName
// gives its process. Each snapshot notes the app ids of the windows' processes in appIdsSeen.
std::unique_ptr<WindowSource> makeGnomeWindowSource(ProcessNamer processName,
                                                    std::shared_ptr<AppIdsSeen> appIdsSeen);

}  // namespace orvane
