#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orvane {

// The start of a file, at most maxBytes; nothing when it cannot be opened or read.
std::optional<std::string> readSmallFile(const std::string& path, std::size_t maxBytes);

// text without the blanks and line ends around it (space, tab, carriage return, line feed).
std::string_view trimmed(std::string_view text);

// The target of a symbolic link; nothing when it is not one or cannot be read.
std::optional<std::string> readLink(const std::string& path);

// The folder of a process below a /proc tree, "" for a process id that cannot name one.
std::string processDirectory(const std::string& procRoot, std::int64_t processId);

// The kernel's name of the process (its comm), as ps shows it.
std::optional<std::string> processName(const std::string& procRoot, std::int64_t processId);

}  // namespace orvane
