#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/desktop/app_ids_seen.h"
#include "windows/window_source.h"

namespace orvane {

enum class WindowSystem { x11, sway, kwin, gnome, noWindowList };

// Which window system answers for this session, and for one without a window list, the name of
// its compositor when it can be told ("" otherwise).
struct SessionChoice {
  WindowSystem system;
  std::string compositor;
};

using EnvironmentLookup = std::function<std::optional<std::string>(std::string_view name)>;
// The name of the process serving the session's Wayland socket, when it can be found.
using CompositorNamer = std::function<std::optional<std::string>()>;

// A Wayland session (WAYLAND_DISPLAY, or XDG_SESSION_TYPE=wayland) is answered by its compositor,
// never by the X11 view that XWayland gives of it; anything else by the X server. KDE Plasma's
// KWin and GNOME Shell are told by the desktop's name, else by the name of the process serving the
// socket; a session without a window list is named by its desktop, else by that process.
SessionChoice chooseWindowSystem(const EnvironmentLookup& environment,
                                 const CompositorNamer& socketOwner);

// The error text of a session whose compositor gives no window list.
std::string noWindowListMessage(const std::string& compositor);

// The variable as this process was given it.
std::optional<std::string> environmentVariable(std::string_view name);

// The window source of the session this process runs in; a Wayland compositor's app ids go to
// appIdsSeen.
std::unique_ptr<WindowSource> makeSessionWindowSource(std::shared_ptr<AppIdsSeen> appIdsSeen);

}  // namespace orvane
