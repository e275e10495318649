#include "platform/linux/proc_files.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace orvane {

std::optional<std::string> readSmallFile(const std::string& path, std::size_t maxBytes) {
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0)
    return std::nullopt;
  std::string content;
  char chunk[4096];
  bool failed = false;
  while (content.size() < maxBytes) {
    const ssize_t count = read(fd, chunk, std::min(sizeof chunk, maxBytes - content.size()));
    if (count < 0 && errno == EINTR)
      continue;
    if (count <= 0) {
      failed = count < 0;
      break;
    }
    content.append(chunk, static_cast<std::size_t>(count));
  }
  close(fd);
  if (failed)
    return std::nullopt;
  return content;
}

std::string_view trimmed(std::string_view text) {
  constexpr std::string_view blanks = " \t\r\n";
  const auto first = text.find_first_not_of(blanks);
  if (first == std::string_view::npos)
    return {};
  return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

std::optional<std::string> readLink(const std::string& path) {
  std::string target(4096, '\0');
  const ssize_t length = readlink(path.c_str(), target.data(), target.size());
  if (length <= 0 || static_cast<std::size_t>(length) >= target.size())
    return std::nullopt;
  target.resize(static_cast<std::size_t>(length));
  return target;
}

std::string processDirectory(const std::string& procRoot, std::int64_t processId) {
  if (processId <= 0)
    return {};
  return procRoot + "/" + std::to_string(processId);
}

std::optional<std::string> processName(const std::string& procRoot, std::int64_t processId) {
  const std::string directory = processDirectory(procRoot, processId);
  if (directory.empty())
    return std::nullopt;
  auto name = readSmallFile(directory + "/comm", 256);
  if (!name)
    return std::nullopt;
  if (!name->empty() && name->back() == '\n')
    name->pop_back();
  if (name->empty())
    return std::nullopt;
  return name;
}

}  // namespace orvane
