#include "platform/linux/desktop_file_ids.h"

#include <sys/stat.h>

namespace orvane {

namespace {

std::vector<std::string> absolutePaths(const std::string& list) {
  std::vector<std::string> paths;
  std::size_t start = 0;
  while (start <= list.size()) {
    const std::size_t end = std::min(list.find(':', start), list.size());
    const std::string path = list.substr(start, end - start);
    if (path.starts_with('/'))
      paths.push_back(path);
    start = end + 1;
  }
  return paths;
}

bool isPlainFileName(const std::string& name) {
  return name.size() < 256 && name.find('/') == std::string::npos &&
         name.find('\0') == std::string::npos;
}

}  // namespace

std::vector<std::string> desktopFileFolders(const EnvironmentLookup& environment) {
  std::vector<std::string> homes = absolutePaths(environment("XDG_DATA_HOME").value_or(""));
  const std::string home = environment("HOME").value_or("");
  if (homes.empty() && home.starts_with('/'))
    homes.push_back(home + "/.local/share");
  std::vector<std::string> systems = absolutePaths(environment("XDG_DATA_DIRS").value_or(""));
  if (systems.empty())
    systems = {"/usr/local/share", "/usr/share"};
  homes.insert(homes.end(), systems.begin(), systems.end());
  for (std::string& base : homes)
    base += "/applications";
  return homes;
}

bool namesDesktopFile(const std::string& id, const std::vector<std::string>& folders) {
  if (id.empty() || !isPlainFileName(id + ".desktop"))
    return false;
  for (const std::string& folder : folders) {
    struct stat status {};
    if (stat((folder + "/" + id + ".desktop").c_str(), &status) == 0 && S_ISREG(status.st_mode))
      return true;
  }
  return false;
}

}  // namespace orvane
