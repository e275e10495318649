#include "platform/linux/session_choice.h"

#include <gtest/gtest.h>

#include <map>

namespace orvane {
namespace {

SessionChoice choose(const std::map<std::string, std::string, std::less<>>& environment,
                     std::optional<std::string> socketOwner = std::nullopt) {
  return chooseWindowSystem(
      [&](std::string_view name) -> std::optional<std::string> {
        const auto found = environment.find(name);
        if (found == environment.end())
          return std::nullopt;
        return found->second;
      },
      [&] { return socketOwner; });
}

TEST(SessionChoice, X11UnlessTheSessionIsWayland) {
  EXPECT_EQ(choose({}).system, WindowSystem::x11);
  EXPECT_EQ(choose({{"DISPLAY", ":0"}, {"WAYLAND_DISPLAY", ""}}).system, WindowSystem::x11);
  EXPECT_EQ(choose({{"XDG_SESSION_TYPE", "x11"}, {"SWAYSOCK", "/run/s"}}).system,
            WindowSystem::x11);
}

TEST(SessionChoice, WaylandIsNeverAnsweredByXWayland) {
  EXPECT_EQ(
      choose({{"DISPLAY", ":0"}, {"WAYLAND_DISPLAY", "wayland-1"}, {"SWAYSOCK", "/s"}}).system,
      WindowSystem::sway);
  EXPECT_EQ(
      choose({{"DISPLAY", ":0"}, {"XDG_SESSION_TYPE", "wayland"}, {"XDG_CURRENT_DESKTOP", "GNOME"}})
          .system,
      WindowSystem::gnome);
  const SessionChoice other = choose(
      {{"DISPLAY", ":0"}, {"XDG_SESSION_TYPE", "wayland"}, {"XDG_CURRENT_DESKTOP", "Hyprland:X"}});
  EXPECT_EQ(other.system, WindowSystem::noWindowList);
  EXPECT_EQ(other.compositor, "Hyprland");
}

TEST(SessionChoice, KdePlasmaIsAnsweredByKWin) {
  EXPECT_EQ(choose({{"WAYLAND_DISPLAY", "wayland-0"}, {"XDG_CURRENT_DESKTOP", "KDE"}}).system,
            WindowSystem::kwin);
  EXPECT_EQ(choose({{"WAYLAND_DISPLAY", "wayland-0"}}, "kwin_wayland").system, WindowSystem::kwin);
  // Only where the session is Wayland: Plasma on X11 is an X server's to answer.
  EXPECT_EQ(choose({{"DISPLAY", ":0"}, {"XDG_CURRENT_DESKTOP", "KDE"}}).system, WindowSystem::x11);
}

TEST(SessionChoice, GnomeIsAnsweredByTheShellsExtension) {
  EXPECT_EQ(
      choose({{"WAYLAND_DISPLAY", "wayland-0"}, {"XDG_CURRENT_DESKTOP", "GNOME:GNOME"}}).system,
      WindowSystem::gnome);
  EXPECT_EQ(choose({{"WAYLAND_DISPLAY", "wayland-0"}}, "gnome-shell").system, WindowSystem::gnome);
  EXPECT_EQ(choose({{"WAYLAND_DISPLAY", "wayland-0"}, {"XDG_CURRENT_DESKTOP", "ubuntu:GNOME"}},
                   "gnome-shell")
                .system,
            WindowSystem::gnome);
  // Another desktop that runs GNOME Shell's pieces names itself first.
  EXPECT_EQ(
      choose({{"WAYLAND_DISPLAY", "wayland-0"}, {"XDG_CURRENT_DESKTOP", "Budgie:GNOME"}}).system,
      WindowSystem::noWindowList);
}

TEST(SessionChoice, UnnamedDesktopIsNamedBySocketOwnerWhenKnown) {
  EXPECT_EQ(choose({{"WAYLAND_DISPLAY", "wayland-1"}}, "weston").compositor, "weston");
  EXPECT_EQ(choose({{"WAYLAND_DISPLAY", "wayland-1"}}).compositor, "");
}

TEST(SessionChoice, MessageNamesLimitationAndCompositor) {
  EXPECT_EQ(noWindowListMessage("GNOME"),
            "window list unavailable: this Wayland compositor (GNOME) gives other programs no "
            "window list");
  EXPECT_EQ(noWindowListMessage(""),
            "window list unavailable: this Wayland compositor gives other programs no window list");
}

}  // namespace
}  // namespace orvane
