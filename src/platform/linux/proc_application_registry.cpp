#include "platform/linux/proc_application_registry.h"

#include <string_view>

#include "platform/linux/desktop_file_ids.h"
#include "platform/linux/proc_files.h"

namespace orvane {

namespace {

constexpr std::size_t smallFileBytes = 64 * 1024;
constexpr std::size_t environmentBytes = 1024 * 1024;

std::string_view fileName(std::string_view path) {
  return path.substr(path.rfind('/') + 1);
}

std::optional<std::string> nonEmpty(std::string_view text) {
  if (text.empty())
    return std::nullopt;
  return std::string(text);
}

// The name key of the [Application] group of the sandbox's .flatpak-info.
std::optional<std::string> flatpakId(const std::string& directory) {
  const auto info = readSmallFile(directory + "/root/.flatpak-info", smallFileBytes);
  if (!info)
    return std::nullopt;
  std::string_view rest = *info;
  bool inApplication = false;
  while (!rest.empty()) {
    const std::string_view line = trimmed(rest.substr(0, rest.find('\n')));
    rest.remove_prefix(std::min(rest.size(), rest.find('\n') + 1));
    if (line.starts_with('['))
      inApplication = line == "[Application]";
    else if (inApplication && line.starts_with("name") && trimmed(line.substr(4)).starts_with('='))
      return nonEmpty(trimmed(trimmed(line.substr(4)).substr(1)));
  }
  return std::nullopt;
}

// Snapd runs each snap application in a cgroup named snap.<name>.<app>... ending in .scope or
// .service.
std::optional<std::string> snapOfUnit(std::string_view unit) {
  if (!unit.starts_with("snap.") || !(unit.ends_with(".scope") || unit.ends_with(".service")))
    return std::nullopt;
  unit.remove_prefix(std::string_view("snap.").size());
  return nonEmpty(unit.substr(0, unit.find('.')));
}

std::optional<std::string> snapName(const std::string& directory) {
  const auto cgroups = readSmallFile(directory + "/cgroup", smallFileBytes);
  if (!cgroups)
    return std::nullopt;
  std::string_view rest = *cgroups;
  while (!rest.empty()) {
    const std::size_t end = rest.find_first_of("/\n");
    if (auto name = snapOfUnit(rest.substr(0, end)))
      return name;
    rest.remove_prefix(std::min(rest.size(), end + 1));
  }
  return std::nullopt;
}

std::optional<std::string_view> environmentValue(std::string_view environment,
                                                 std::string_view name) {
  while (!environment.empty()) {
    const std::string_view entry = environment.substr(0, environment.find('\0'));
    environment.remove_prefix(std::min(environment.size(), entry.size() + 1));
    if (entry.size() > name.size() && entry.starts_with(name) && entry[name.size()] == '=')
      return entry.substr(name.size() + 1);
  }
  return std::nullopt;
}

// The launcher's desktop file counts only for the process it launched, not for that process's
// children, which inherit the variable.
std::optional<std::string> launchedDesktopId(const std::string& directory, std::int32_t processId) {
  const auto environment = readSmallFile(directory + "/environ", environmentBytes);
  if (!environment)
    return std::nullopt;
  const auto file = environmentValue(*environment, "GIO_LAUNCHED_DESKTOP_FILE");
  const auto launched = environmentValue(*environment, "GIO_LAUNCHED_DESKTOP_FILE_PID");
  if (!file || !launched || *launched != std::to_string(processId))
    return std::nullopt;
  std::string_view name = fileName(*file);
  if (name.ends_with(".desktop"))
    name.remove_suffix(std::string_view(".desktop").size());
  return nonEmpty(name);
}

std::optional<std::string> executableName(const std::string& directory) {
  const auto target = readLink(directory + "/exe");
  if (!target)
    return std::nullopt;
  std::string_view path = *target;
  if (path.ends_with(" (deleted)"))
    path.remove_suffix(std::string_view(" (deleted)").size());
  return nonEmpty(fileName(path));
}

// Each operation asks through a RegistryMemo, so a process is read once per run.
class ProcApplicationRegistry : public ApplicationRegistry {
 public:
  ProcApplicationRegistry(std::string procRoot, LauncherSources launchers)
      : procRoot_(std::move(procRoot)), launchers_(std::move(launchers)) {}

  std::optional<std::string> bundleIdentifier(std::int32_t processId) override {
    const std::string directory = processDirectory(procRoot_, processId);
    if (directory.empty())
      return std::nullopt;
    if (auto id = flatpakId(directory))
      return id;
    if (auto id = snapName(directory))
      return id;
    if (auto id = launchedDesktopId(directory, processId))
      return id;
    if (auto id = launcherAppId(processId))
      return id;
    return executableName(directory);
  }

 private:
  std::optional<std::string> launcherAppId(std::int32_t processId) const {
    if (!launchers_.appIds)
      return std::nullopt;
    const auto seen = launchers_.appIds->find(static_cast<std::uint32_t>(processId));
    if (seen == launchers_.appIds->end() ||
        !namesDesktopFile(seen->second, launchers_.desktopFileFolders))
      return std::nullopt;
    return seen->second;
  }

  std::string procRoot_;
  LauncherSources launchers_;
};

}  // namespace

std::unique_ptr<ApplicationRegistry> makeProcApplicationRegistry(std::string procRoot,
                                                                 LauncherSources launchers) {
  return std::make_unique<ProcApplicationRegistry>(std::move(procRoot), std::move(launchers));
}

}  // namespace orvane
