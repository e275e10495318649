#pragma once

#include <cstdint>
#include <map>
#include <string>

namespace orvane {

// The app id a Wayland compositor gave each process's first window in this run's snapshot. The
// registry reads it later to name an application by its launcher (desktop-file) id, which the
// process itself does not always carry.
using AppIdsSeen = std::map<std::uint32_t, std::string>;

}  // namespace orvane
