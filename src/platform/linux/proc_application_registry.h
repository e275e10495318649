#pragma once

#include <memory>
#include <string>

#include "windows/window_source.h"

namespace orvane {

// Application ids of Linux processes, read from a /proc tree. For a process, the first that
// answers: its flatpak id, its snap name, the desktop-file id it was launched with, the file name
// of its executable.
std::unique_ptr<ApplicationRegistry> makeProcApplicationRegistry(std::string procRoot = "/proc");

}  // namespace orvane
