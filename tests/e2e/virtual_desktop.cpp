#include "virtual_desktop.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>

namespace orvane::testing {

namespace {

[[noreturn]] void fail(const std::string& what) {
  throw std::runtime_error(what);
}

}  // namespace

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
  if (options.windowManager) {
    // Openbox runs its startup command once it manages windows; a window mapped before may be
    // lost, although the manager has already announced itself.
    start({"openbox", "--startup", "xprop -root -f _ORVANE_READY 32c -set _ORVANE_READY 1"});
    if (!waitUntil([&] { return probe_->hasProperty(probe_->root(), "_ORVANE_READY"); }))
      fail("openbox did not start");
  }
}

VirtualDesktop::~VirtualDesktop() {
  clients_.clear();
  probe_.reset();
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
  const bool shown = waitUntil([&] {
    return probe_->isViewable(window) && (!framed || probe_->frameOf(window).has_value());
  });
  if (!shown)
    fail("window " + hexId(window) + " did not appear");
}

xcb_window_t VirtualDesktop::openStockClient(const std::vector<std::string>& args,
                                             const std::string& title) {
  start(args);
  xcb_window_t window = 0;
  if (!waitUntil([&] {
        const auto found = probe_->clientNamed(title);
        window = found.value_or(0);
        return found && probe_->isViewable(window) && probe_->frameOf(window);
      }))
    fail(args.front() + " did not open its window");
  return window;
}

void VirtualDesktop::activate(xcb_window_t window) {
  runProgram({"/usr/bin/wmctrl", "-i", "-a", hexId(window)});
  const bool inFront = waitUntil([&] {
    const auto stacking = probe_->stackingFrontToBack();
    return probe_->activeWindow() == window && !stacking.empty() && stacking.front() == window;
  });
  if (!inFront)
    fail("window " + hexId(window) + " did not come to the front");
}

ProcessOutcome VirtualDesktop::runTool(const std::vector<std::string>& arguments) {
  ProcessOptions options;
  options.environment = {"DISPLAY=" + display_};
  options.timeoutSeconds = 15;
  return testing::runTool(arguments, options);
}

ProcessOutcome VirtualDesktop::runProgram(std::vector<std::string> args) {
  ProcessOptions options;
  options.environment = {"DISPLAY=" + display_};
  options.timeoutSeconds = 15;
  return runProcess(args, options);
}

}  // namespace orvane::testing
