#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "background_process.h"
#include "support/child_process.h"

namespace orvane::testing {

// A headless GNOME Shell (with XWayland) and the project's extension, enabled, run as
// compositorUser in a private folder with a session bus of its own and a system bus on which a
// mock of logind runs, without which the shell ends at start. They and the clients end with the
// object. Throws when it cannot be started.
class GnomeDesktop {
 public:
  GnomeDesktop();
  ~GnomeDesktop();
  GnomeDesktop(const GnomeDesktop&) = delete;
  GnomeDesktop& operator=(const GnomeDesktop&) = delete;

  // The tool run in this session as its user, as in a GNOME session.
  ProcessOutcome runTool(const std::vector<std::string>& arguments) const;
  // Installs a launcher (desktop file) of that id for the session's user.
  void installLauncher(const std::string& desktopId) const;
  // Starts a client in the session (native Wayland, or X11 through XWayland).
  void startClient(const std::vector<std::string>& command);
  // A copy of program that the session's user may run.
  std::string runnableCopy(const std::filesystem::path& program) const;
  // Runs a command in the session to its end (xdotool, gnome-extensions); throws when it fails.
  std::string run(const std::vector<std::string>& command) const;
  // Sends GNOME Shell a signal (SIGSTOP makes a shell that never answers).
  void signalShell(int number) const { shell_->signal(number); }

 private:
  std::vector<std::string> inSession(const std::vector<std::string>& command) const;

  std::filesystem::path folder_;
  std::string display_;  // XWayland's
  std::string xauthority_;
  std::string tool_;  // the tool, where the session's user may run it
  std::unique_ptr<BackgroundProcess> systemBus_;
  std::unique_ptr<BackgroundProcess> logind_;
  std::unique_ptr<BackgroundProcess> sessionBus_;
  std::unique_ptr<BackgroundProcess> shell_;
  std::vector<std::unique_ptr<BackgroundProcess>> clients_;
};

}  // namespace orvane::testing
