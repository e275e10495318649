#pragma once

#include <string>
#include <vector>

#include "platform/linux/session_choice.h"

namespace orvane {

// The folders that hold the session's launchers (desktop files): the applications folder of
// XDG_DATA_HOME (default ~/.local/share), then of each XDG_DATA_DIRS entry (default
// /usr/local/share:/usr/share). Relative paths are ignored, as the base-directory rules ask.
std::vector<std::string> desktopFileFolders(const EnvironmentLookup& environment);

// Whether id names a launcher installed in one of folders. An id that could step outside a
// folder ("..", "a/b") names none.
bool namesDesktopFile(const std::string& id, const std::vector<std::string>& folders);

}  // namespace orvane
