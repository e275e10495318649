#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "background_process.h"
#include "support/child_process.h"

namespace orvane::testing {

// A headless KWin (KDE Plasma's compositor, with XWayland) on a session bus of its own, both run
// as compositorUser in a private folder; they and the clients end with the object. Two virtual
// desktops, no screen locker. Throws when it cannot be started.
class KWinDesktop {
 public:
  KWinDesktop();
  ~KWinDesktop();
  KWinDesktop(const KWinDesktop&) = delete;
  KWinDesktop& operator=(const KWinDesktop&) = delete;

  // The tool run in this session as its user, as in a Plasma session.
  ProcessOutcome runTool(const std::vector<std::string>& arguments) const;
  // Installs a launcher (desktop file) of that id for the session's user.
  void installLauncher(const std::string& desktopId) const;
  // Starts a client in the session (native Wayland, or X11 through XWayland).
  void startClient(const std::vector<std::string>& command);
  // A copy of program that the session's user may run: the build tree may be closed to them (a
  // clone under /root).
  std::string runnableCopy(const std::filesystem::path& program) const;
  // Has KWin run javaScript as a script of the test's own, until done() holds; then unloads it.
  // Throws when KWin refuses it or done() never holds.
  void runScript(const std::string& javaScript, const std::function<bool()>& done);
  // Sends KWin a signal (SIGSTOP makes a compositor that never answers).
  void signalCompositor(int number) const { kwin_->signal(number); }
  // The number of scripts KWin holds loaded, by the objects it gives them on the bus.
  int loadedScripts() const;

 private:
  std::vector<std::string> inSession(const std::vector<std::string>& command) const;
  std::string busCall(const std::vector<std::string>& call) const;

  std::filesystem::path folder_;
  std::string display_;  // XWayland's
  std::string tool_;     // the tool, where the session's user may run it
  int scriptsRun_ = 0;
  std::unique_ptr<BackgroundProcess> bus_;
  std::unique_ptr<BackgroundProcess> kwin_;
  std::vector<std::unique_ptr<BackgroundProcess>> clients_;
};

}  // namespace orvane::testing
