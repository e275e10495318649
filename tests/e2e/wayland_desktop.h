#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "background_process.h"
#include "support/child_process.h"

namespace orvane::testing {

// Compositors refuse to run as root, so the test scripts create this user to run them as.
inline constexpr const char* compositorUser = "orvane-wayland";

// A new folder under the temporary folder, its name starting with prefix.
std::filesystem::path newFolder(const std::string& prefix);

// A folder of the test's own handed to compositorUser, private to that user.
void handToCompositorUser(const std::filesystem::path& path, unsigned mode);

// A copy of program in folder (made once) that compositorUser may run: the build tree may be
// closed to that user (a clone under /root).
std::string runnableCopy(const std::filesystem::path& program, const std::filesystem::path& folder);

// command run as compositorUser with only the given environment (and HOME, XDG_RUNTIME_DIR and
// the working folder all set to folder, PATH and LANG), as a command line for setpriv. setpriv
// and env exec in place, so the process started is command itself.
std::vector<std::string> asCompositorUser(const std::string& folder,
                                          const std::vector<std::string>& environment,
                                          const std::vector<std::string>& command);

// A headless Wayland compositor ("sway" or "weston") run as compositorUser in a private runtime
// folder; it and its clients end with the object. Throws when it cannot be started.
class WaylandDesktop {
 public:
  explicit WaylandDesktop(const std::string& compositor);
  ~WaylandDesktop();
  WaylandDesktop(const WaylandDesktop&) = delete;
  WaylandDesktop& operator=(const WaylandDesktop&) = delete;

  // Whether compositorUser exists (the test scripts make it when run as root).
  static bool available();

  // The tool run inside this session, its X11 view withheld.
  ProcessOutcome runTool(const std::vector<std::string>& arguments) const;
  // Installs a launcher (desktop file) named desktopId where the tool run here looks for them.
  void installLauncher(const std::string& desktopId) const;
  // A sway command, through swaymsg; throws when sway refuses it.
  void swayCommand(const std::string& command) const;

 private:
  std::filesystem::path runtime_;  // made here rather than per test: a suite may share one
  std::string waylandDisplay_;
  std::string swaySocket_;
  std::unique_ptr<BackgroundProcess> compositor_;
};

}  // namespace orvane::testing
