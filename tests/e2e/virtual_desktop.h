#pragma once

#include <xcb/xcb.h>

#include <memory>
#include <string>
#include <vector>

#include "background_process.h"
#include "support/child_process.h"
#include "x_probe.h"

namespace orvane::testing {

struct DesktopOptions {
  bool windowManager = true;        // the one named by manager
  bool resourceExtension = true;    // the X Resource extension, which names a client's process
  std::string manager = "openbox";  // one of windowManagers()
};

// The window managers the desktop can run, by the name of their program.
const std::vector<std::string>& windowManagers();

// A private X server (Xvfb on a display of its own choosing), optionally with a window manager,
// and the clients a test opens on it; all of them end with the object. A manager that is not
// installed, or does not start managing windows, is a failure.
class VirtualDesktop {
 public:
  explicit VirtualDesktop(DesktopOptions options = {});
  ~VirtualDesktop();

  const std::string& display() const { return display_; }
  XProbe& probe() { return *probe_; }
  BackgroundProcess& server() { return *server_; }

  // Starts a program on this display; it lives as long as the desktop.
  BackgroundProcess& start(const std::vector<std::string>& args);

  // Opens a test window (see clients/test_window.cpp) and returns its id once it is on screen,
  // framed when a window manager runs.
  xcb_window_t openTestWindow(const std::vector<std::string>& options);
  // Opens a test window without waiting for more than its creation.
  xcb_window_t createTestWindow(const std::vector<std::string>& options);
  // Starts a stock client that names its window title, and returns that window once managed.
  xcb_window_t openStockClient(const std::vector<std::string>& args, const std::string& title);
  // Raises and focuses a managed window, and waits until it is in front.
  void activate(xcb_window_t window);

  ProcessOutcome runTool(const std::vector<std::string>& arguments);
  ProcessOutcome runProgram(std::vector<std::string> args);

 private:
  void waitUntilShown(xcb_window_t window, bool framed);
  void startWindowManager();
  // Managed: the manager has set WM_STATE and put the window in a frame of its own.
  bool isFramed(xcb_window_t window) const;
  std::vector<std::string> sessionBus();

  DesktopOptions options_;
  std::unique_ptr<BackgroundProcess> server_;
  std::string display_;
  std::unique_ptr<XProbe> probe_;
  std::vector<std::unique_ptr<BackgroundProcess>> clients_;
  std::vector<std::string> scratchFiles_;
};

std::string hexId(xcb_window_t window);

// The environment of a plain X11 session on display (no display when empty), whatever session
// the tests themselves run in: a Wayland session's variables would choose another backend.
std::vector<std::string> x11SessionEnvironment(const std::string& display);

}  // namespace orvane::testing
