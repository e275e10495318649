#include "virtual_desktop.h"

#include <sys/xattr.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <stdexcept>

namespace orvane::testing {

namespace {

[[noreturn]] void fail(const std::string& what) {
  throw std::runtime_error(what);
}

std::optional<std::string> installedProgram(const std::string& name) {
  for (const std::string folder : {"/usr/bin", "/usr/local/bin", "/bin"}) {
    const std::string path = folder + "/" + name;
    if (access(path.c_str(), X_OK) == 0)
      return path;
  }
  return std::nullopt;
}

// A program with file capabilities does not start where they are refused (in many containers);
// a copy carries none.
bool hasFileCapabilities(const std::string& path) {
  return getxattr(path.c_str(), "security.capability", nullptr, 0) > 0;
}

// i3 as a user would have it, less the first-run wizard and the status bar it starts.
// Tabbed, so that windows keep a usable size and the background tabs stay mapped.
constexpr const char* i3Config =
    "font pango:DejaVu Sans Mono 8\ndefault_border normal 2\nworkspace_layout tabbed\n";

}  // namespace

const std::vector<std::string>& windowManagers() {
  static const std::vector<std::string> names = {"openbox", "fluxbox",  "icewm",
                                                 "xfwm4",   "kwin_x11", "i3"};
  return names;
}

std::string hexId(xcb_window_t window) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%x", window);
  return text;
}

VirtualDesktop::VirtualDesktop(DesktopOptions options) : options_(options) {
  std::vector<std::string> args = {"Xvfb", "-displayfd",  "1",         "-screen",
                                   "0",    "1280x800x24", "-nolisten", "tcp"};
  if (!options.resourceExtension)
    args.insert(args.end(), {"-extension", "X-Resource"});
  server_ = std::make_unique<BackgroundProcess>(args);
  const auto number = server_->readLine();
  if (!number || number->empty())
    fail("Xvfb did not start");
  display_ = ":" + *number;
  probe_ = std::make_unique<XProbe>(display_);
  if (options.windowManager)
    startWindowManager();
}

VirtualDesktop::~VirtualDesktop() {
  clients_.clear();
  probe_.reset();
  for (const std::string& file : scratchFiles_)
    std::remove(file.c_str());
}

std::vector<std::string> VirtualDesktop::sessionBus() {
  BackgroundProcess& bus =
      start({"dbus-daemon", "--session", "--nofork", "--nopidfile", "--print-address=1"});
  const auto address = bus.readLine(30);
  if (!address || address->empty())
    fail("the session bus did not start");
  // NO_AT_BRIDGE: no accessibility bus, which would outlive the desktop.
  return {"DBUS_SESSION_BUS_ADDRESS=" + *address, "NO_AT_BRIDGE=1"};
}

void VirtualDesktop::startWindowManager() {
  const std::string& name = options_.manager;
  const auto program = installedProgram(name);
  if (!program)
    fail(name + " is not installed (scripts/install-deps.sh test installs it)");
  if (name == "openbox") {
    // Openbox runs its startup command once it manages windows; a window mapped before may be
    // lost, although the manager has already announced itself.
    start({*program, "--startup", "xprop -root -f _ORVANE_READY 32c -set _ORVANE_READY 1"});
    if (!waitUntil([&] { return probe_->hasProperty(probe_->root(), "_ORVANE_READY"); }, 60))
      fail("openbox did not start");
    return;
  }
  std::vector<std::string> args = {*program};
  std::vector<std::string> environment = {"DISPLAY=" + display_};
  const std::string scratch = "/tmp/orvane-" + std::to_string(getpid()) + "-" + display_.substr(1);
  if (name == "xfwm4" || name == "kwin_x11") {
    const auto bus = sessionBus();
    environment.insert(environment.end(), bus.begin(), bus.end());
  }
  if (name == "kwin_x11" && hasFileCapabilities(*program)) {
    args[0] = scratch + "-kwin_x11";
    std::filesystem::copy_file(*program, args[0]);
    std::filesystem::permissions(args[0], std::filesystem::perms::owner_all);
    scratchFiles_.push_back(args[0]);
  }
  if (name == "i3") {
    const std::string config = scratch + "-i3.conf";
    std::ofstream(config) << i3Config;
    scratchFiles_.push_back(config);
    args.insert(args.end(), {"-c", config});
  }
  clients_.push_back(std::make_unique<BackgroundProcess>(args, environment));
  if (!waitUntil([&] { return probe_->hasProperty(probe_->root(), "_NET_SUPPORTING_WM_CHECK"); },
                 60))
    fail(name + " did not start");
  // A window mapped while the manager is still starting may be left unmanaged: offer new ones
  // until one is managed.
  for (int attempt = 0; attempt < 10; ++attempt) {
    const xcb_window_t sentinel = createTestWindow({"--title", "orvane sentinel"});
    const bool managed = waitUntil([&] { return isFramed(sentinel); }, 6);
    probe_->destroy(sentinel);
    if (managed)
      return;
  }
  fail(name + " does not manage windows");
}

bool VirtualDesktop::isFramed(xcb_window_t window) const {
  return probe_->hasProperty(window, "WM_STATE") && probe_->topLevelOf(window) != window;
}

BackgroundProcess& VirtualDesktop::start(const std::vector<std::string>& args) {
  clients_.push_back(
      std::make_unique<BackgroundProcess>(args, std::vector<std::string>{"DISPLAY=" + display_}));
  return *clients_.back();
}

xcb_window_t VirtualDesktop::createTestWindow(const std::vector<std::string>& options) {
  std::vector<std::string> args = {ORVANE_TEST_WINDOW_PATH};
  args.insert(args.end(), options.begin(), options.end());
  const auto id = start(args).readLine();
  if (!id)
    fail("the test window did not start");
  return static_cast<xcb_window_t>(std::stoul(*id));
}

xcb_window_t VirtualDesktop::openTestWindow(const std::vector<std::string>& options) {
  const xcb_window_t window = createTestWindow(options);
  const bool overrideRedirect =
      std::find(options.begin(), options.end(), "--override-redirect") != options.end();
  waitUntilShown(window, options_.windowManager && !overrideRedirect);
  return window;
}

void VirtualDesktop::waitUntilShown(xcb_window_t window, bool framed) {
  const bool shown =
      waitUntil([&] { return probe_->isViewable(window) && (!framed || isFramed(window)); }, 30);
  if (!shown)
    fail("window " + hexId(window) + " did not appear");
}

xcb_window_t VirtualDesktop::openStockClient(const std::vector<std::string>& args,
                                             const std::string& title) {
  start(args);
  xcb_window_t window = 0;
  if (!waitUntil(
          [&] {
            const auto found = probe_->clientNamed(title);
            window = found.value_or(0);
            return found && probe_->isViewable(window) && isFramed(window);
          },
          30))
    fail(args.front() + " did not open its window");
  return window;
}

void VirtualDesktop::activate(xcb_window_t window) {
  runProgram({"/usr/bin/wmctrl", "-i", "-a", hexId(window)});
  // In front of the other managed windows; panels, menus and tooltips may stay above it.
  const bool inFront = waitUntil(
      [&] {
        const auto managed = probe_->windows(probe_->root(), "_NET_CLIENT_LIST");
        const auto stacking = probe_->stackingFrontToBack();
        const auto front = std::ranges::find_if(stacking, [&](xcb_window_t w) {
          return std::ranges::find(managed, w) != managed.end();
        });
        return probe_->activeWindow() == window && front != stacking.end() && *front == window;
      },
      30);
  if (!inFront)
    fail("window " + hexId(window) + " did not come to the front");
}

std::vector<std::string> x11SessionEnvironment(const std::string& display) {
  return {display.empty() ? "DISPLAY" : "DISPLAY=" + display, "WAYLAND_DISPLAY",
          "XDG_SESSION_TYPE"};
}

ProcessOutcome VirtualDesktop::runTool(const std::vector<std::string>& arguments) {
  ProcessOptions options;
  options.environment = x11SessionEnvironment(display_);
  options.timeoutSeconds = 15;
  return testing::runTool(arguments, options);
}

ProcessOutcome VirtualDesktop::runProgram(std::vector<std::string> args) {
  ProcessOptions options;
  options.environment = x11SessionEnvironment(display_);
  options.timeoutSeconds = 15;
  return runProcess(args, options);
}

}  // namespace orvane::testing
