#include "platform/linux/session_choice.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>

#include "base/tool_error.h"
#include "platform/gnome/gnome_window_source.h"
#include "platform/kwin/kwin_window_source.h"
#include "platform/linux/proc_files.h"
#include "platform/sway/sway_window_source.h"
#include "platform/x11/x11_window_source.h"

namespace orvane {

namespace {

bool isSet(const std::optional<std::string>& value) {
  return value && !value->empty();
}

// XDG_CURRENT_DESKTOP is a colon-separated list, most specific first.
std::string firstDesktopName(const std::string& desktops) {
  return desktops.substr(0, desktops.find(':'));
}

// The shells that answer with a window list, by the desktop's name or their process's.
std::optional<WindowSystem> shellNamed(const std::string& name) {
  if (name == "KDE" || name == "kwin_wayland")
    return WindowSystem::kwin;
  if (name == "GNOME" || name == "gnome-shell")
    return WindowSystem::gnome;
  return std::nullopt;
}

std::string waylandSocketPath() {
  const std::string display = environmentVariable("WAYLAND_DISPLAY").value_or("wayland-0");
  if (!display.empty() && display.front() == '/')
    return display;
  return environmentVariable("XDG_RUNTIME_DIR").value_or("") + "/" + display;
}

// The kernel names the process at the other end of a Unix socket.
std::optional<std::string> waylandSocketOwner() {
  const std::string path = waylandSocketPath();
  sockaddr_un address{};
  if (path.size() >= sizeof(address.sun_path))
    return std::nullopt;
  address.sun_family = AF_UNIX;
  std::memcpy(address.sun_path, path.data(), path.size());
  const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
  if (fd == -1)
    return std::nullopt;
  std::optional<std::string> name;
  ucred peer{};
  socklen_t size = sizeof(peer);
  if (connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0 &&
      getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 && peer.pid > 0)
    name = processName("/proc", peer.pid);
  close(fd);
  return name;
}

class NoWindowListSource : public WindowSource {
 public:
  explicit NoWindowListSource(std::string compositor) : compositor_(std::move(compositor)) {}
  std::vector<WindowEntry> entries() override {
    throw PlatformError(noWindowListMessage(compositor_));
  }

 private:
  std::string compositor_;
};

}  // namespace

std::optional<std::string> environmentVariable(std::string_view name) {
  const char* value = std::getenv(std::string(name).c_str());
  if (value == nullptr)
    return std::nullopt;
  return std::string(value);
}

SessionChoice chooseWindowSystem(const EnvironmentLookup& environment,
                                 const CompositorNamer& socketOwner) {
  const bool wayland =
      isSet(environment("WAYLAND_DISPLAY")) || environment("XDG_SESSION_TYPE") == "wayland";
  if (!wayland)
    return {WindowSystem::x11, ""};
  // sway and the wlroots compositors that speak i3's protocol name their socket here.
  if (isSet(environment("SWAYSOCK")))
    return {WindowSystem::sway, ""};
  const std::optional<std::string> desktops = environment("XDG_CURRENT_DESKTOP");
  const std::string desktop = isSet(desktops) ? firstDesktopName(*desktops) : "";
  if (const std::optional<WindowSystem> shell = shellNamed(desktop))
    return {*shell, ""};
  // A distribution's own session names itself first (ubuntu:GNOME); its compositor still tells.
  const std::optional<std::string> owner = socketOwner();
  if (const std::optional<WindowSystem> shell = shellNamed(owner.value_or("")))
    return {*shell, ""};
  return {WindowSystem::noWindowList, desktop.empty() ? owner.value_or("") : desktop};
}

std::string noWindowListMessage(const std::string& compositor) {
  const std::string named = compositor.empty() ? "" : " (" + compositor + ")";
  return "window list unavailable: this Wayland compositor" + named +
         " gives other programs no window list";
}

std::unique_ptr<WindowSource> makeSessionWindowSource(std::shared_ptr<AppIdsSeen> appIdsSeen) {
  const SessionChoice choice = chooseWindowSystem(environmentVariable, waylandSocketOwner);
  const auto processNameFromProc = [](std::uint32_t processId) {
    return processName("/proc", processId);
  };
  switch (choice.system) {
    case WindowSystem::sway:
      return makeSwayWindowSource(*environmentVariable("SWAYSOCK"), processNameFromProc,
                                  std::move(appIdsSeen));
    case WindowSystem::kwin:
      return makeKWinWindowSource(processNameFromProc, std::move(appIdsSeen));
    case WindowSystem::gnome:
      return makeGnomeWindowSource(processNameFromProc, std::move(appIdsSeen));
    case WindowSystem::noWindowList:
      return std::make_unique<NoWindowListSource>(choice.compositor);
    case WindowSystem::x11:
      break;
  }
  return makeX11WindowSource(processNameFromProc);
}

}  // namespace orvane
