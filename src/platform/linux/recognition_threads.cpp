#include "platform/linux/recognition_threads.h"

#include <sched.h>

#include <algorithm>
#include <charconv>
#include <cstdint>

#include "platform/linux/proc_files.h"

namespace orvane {

namespace {

constexpr int threadsTesseractAsksFor = 4;

std::optional<std::int64_t> parseInteger(std::string_view text) {
  std::int64_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size())
    return std::nullopt;
  return value;
}

std::optional<int> tighter(std::optional<int> a, std::optional<int> b) {
  if (a && b)
    return std::min(*a, *b);
  return a ? a : b;
}

std::optional<int> quotaInFile(const std::string& quotaPath, const std::string& periodPath) {
  const auto quota = readSmallFile(quotaPath, 64);
  if (!quota)
    return std::nullopt;
  if (periodPath.empty())
    return processorsFromQuota(*quota);
  const auto period = readSmallFile(periodPath, 64);
  if (!period)
    return std::nullopt;
  return processorsFromQuota(std::string(trimmed(*quota)) + " " + std::string(trimmed(*period)));
}

// The limit of a cgroup and of each of its ancestors up to the root of the mounted hierarchy.
std::optional<int> limitAlongPath(std::string path, const std::string& hierarchy,
                                  const std::string& quotaFile, const std::string& periodFile) {
  std::optional<int> limit;
  while (true) {
    const std::string directory = hierarchy + (path == "/" ? "" : path);
    limit = tighter(limit, quotaInFile(directory + "/" + quotaFile,
                                       periodFile.empty() ? "" : directory + "/" + periodFile));
    if (path.empty() || path == "/")
      return limit;
    path.erase(std::max<std::size_t>(path.rfind('/'), 1));
  }
}

bool namesCpuController(std::string_view controllers) {
  while (!controllers.empty()) {
    const auto comma = controllers.find(',');
    if (controllers.substr(0, comma) == "cpu")
      return true;
    if (comma == std::string_view::npos)
      break;
    controllers.remove_prefix(comma + 1);
  }
  return false;
}

}  // namespace

int recognitionThreadLimit(int processors) {
  return processors < threadsTesseractAsksFor ? 1 : processors;
}

std::optional<int> processorsFromQuota(std::string_view quotaAndPeriod) {
  const std::string_view text = trimmed(quotaAndPeriod);
  const auto space = text.find(' ');
  if (space == std::string_view::npos)
    return std::nullopt;
  const auto quota = parseInteger(text.substr(0, space));
  const auto period = parseInteger(trimmed(text.substr(space + 1)));
  if (!quota || !period || *quota <= 0 || *period <= 0)
    return std::nullopt;
  const std::int64_t processors = *quota / *period + (*quota % *period != 0 ? 1 : 0);
  return static_cast<int>(std::min<std::int64_t>(processors, 1 << 20));
}

std::optional<int> cgroupProcessorLimit(std::string_view processCgroups,
                                        const std::string& cgroupMount) {
  std::optional<int> limit;
  while (!processCgroups.empty()) {
    const auto lineEnd = processCgroups.find('\n');
    const std::string_view line = processCgroups.substr(0, lineEnd);
    processCgroups.remove_prefix(lineEnd == std::string_view::npos ? processCgroups.size()
                                                                   : lineEnd + 1);
    // hierarchy-id:controllers:path
    const auto firstColon = line.find(':');
    const auto secondColon = line.find(':', firstColon + 1);
    if (firstColon == std::string_view::npos || secondColon == std::string_view::npos)
      continue;
    const std::string_view controllers = line.substr(firstColon + 1, secondColon - firstColon - 1);
    const std::string path(line.substr(secondColon + 1));
    if (path.empty() || path.front() != '/')
      continue;
    if (line.substr(0, firstColon) == "0" && controllers.empty()) {
      limit = tighter(limit, limitAlongPath(path, cgroupMount, "cpu.max", ""));
      limit = tighter(limit, limitAlongPath(path, cgroupMount + "/unified", "cpu.max", ""));
    } else if (namesCpuController(controllers)) {
      limit = tighter(limit, limitAlongPath(path, cgroupMount + "/cpu", "cpu.cfs_quota_us",
                                            "cpu.cfs_period_us"));
    }
  }
  return limit;
}

int availableProcessors() {
  int processors = 1;
  cpu_set_t set;
  CPU_ZERO(&set);
  if (sched_getaffinity(0, sizeof set, &set) == 0)
    processors = std::max(1, CPU_COUNT(&set));
  if (const auto cgroups = readSmallFile("/proc/self/cgroup", 16384)) {
    if (const auto limit = cgroupProcessorLimit(*cgroups, "/sys/fs/cgroup"))
      processors = std::min(processors, *limit);
  }
  return processors;
}

}  // namespace orvane
