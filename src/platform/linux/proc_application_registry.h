#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/desktop/app_ids_seen.h"
#include "windows/window_source.h"

namespace orvane {

// Where the registry finds what a Wayland compositor told of the windows, and the launchers
// installed.
struct LauncherSources {
  std::shared_ptr<const AppIdsSeen> appIds;
  std::vector<std::string> desktopFileFolders;
};

// Application ids of Linux processes, read from a /proc tree. For a process, the first that
// answers: its flatpak id, its snap name, the desktop-file id it was launched with, the app id of
// its window when that names an installed launcher, the file name of its executable.
std::unique_ptr<ApplicationRegistry> makeProcApplicationRegistry(std::string procRoot = "/proc",
                                                                 LauncherSources launchers = {});

}  // namespace orvane
