#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "windows/window_result.h"

namespace orvane {

// The host application's own bundle identifiers: its windows never count as the user's.
inline constexpr std::string_view hostBundleIdDevelopment = "com.orvane.desktop.dev";
inline constexpr std::string_view hostBundleIdRelease = "com.orvane.desktop";

// Owners whose windows are system surfaces, compared whole and case-sensitively.
inline constexpr std::array<std::string_view, 4> excludedOwners = {
    "Dock", "Window Server", "Notification Center", "Control Center"};

// Lower-case fragments: a window whose lower-cased bundle id contains one is excluded.
inline constexpr std::array<std::string_view, 4> excludedBundleIds = {
    hostBundleIdDevelopment, hostBundleIdRelease, "com.apple.dock", "com.apple.controlcenter"};

inline constexpr std::int64_t usableWindowLayer = 0;
inline constexpr double minimumVisibleAlpha = 0.05;
inline constexpr double minimumUsableWidth = 320;
inline constexpr double minimumUsableHeight = 220;

// Whether the entry is a window a user works in: layer 0, visible, at least 320 x 220, not a
// system surface or the host's own. Builds the record only after the layer and alpha tests.
bool isUsable(const WindowEntry& entry, ApplicationRegistry& registry);

// The entry's record when the entry is usable, else nothing: isUsable and result in one pass.
std::optional<WindowResult> usableResult(const WindowEntry& entry, ApplicationRegistry& registry);

// `list`: the usable windows of one snapshot, front to back.
std::vector<WindowResult> usableWindows(WindowSource& source, ApplicationRegistry& registry);

// `list-all`: every entry of one snapshot that yields a record, front to back.
std::vector<WindowResult> allWindows(WindowSource& source, ApplicationRegistry& registry);

}  // namespace orvane
