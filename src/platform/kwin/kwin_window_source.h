#pragma once

#include <memory>

#include "platform/desktop/app_ids_seen.h"
#include "platform/desktop/window_entry_building.h"
#include "windows/window_source.h"

namespace orvane {

// The on-screen windows of the KWin compositor on the session bus, native and XWayland alike,
// read by a script that KWin runs for each snapshot and that is unloaded again whatever happens.
// A KWin that cannot be asked, or answers late or wrongly, makes entries() throw PlatformError:
// the list would otherwise be known to be incomplete. A window without a class is owned by the
// name processName gives its process. Each snapshot notes the classes (app ids) of the windows'
// processes in appIdsSeen.
std::unique_ptr<WindowSource> makeKWinWindowSource(ProcessNamer processName,
                                                   std::shared_ptr<AppIdsSeen> appIdsSeen);

}  // namespace orvane
