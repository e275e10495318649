#include "wayland_desktop.h"

#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace orvane::testing {

namespace {

std::string socketIn(const std::filesystem::path& folder, const std::string& prefix,
                     const std::string& suffix) {
  std::error_code ignored;
  for (const auto& entry : std::filesystem::directory_iterator(folder, ignored)) {
    const std::string name = entry.path().filename().string();
    if (name.rfind(prefix, 0) == 0 && name.size() >= suffix.size() &&
        name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0 &&
        entry.is_socket(ignored))
      return entry.path().string();
  }
  return "";
}

std::vector<std::string> compositorCommand(const std::string& compositor,
                                           const std::string& folder) {
  if (compositor == "sway")
    return {"sway", "-c", folder + "/sway.config"};
  return {"weston", "--backend=headless-backend.so", "--socket=wayland-orvane", "--idle-time=0"};
}

}  // namespace

bool WaylandDesktop::available() {
  return getpwnam(compositorUser) != nullptr;
}

std::filesystem::path newFolder(const std::string& prefix) {
  std::string pattern = (std::filesystem::temp_directory_path() / (prefix + "-XXXXXX")).string();
  if (mkdtemp(pattern.data()) == nullptr)
    throw std::runtime_error("cannot make a folder for " + prefix);
  return pattern;
}

void handToCompositorUser(const std::filesystem::path& path, unsigned mode) {
  const passwd* user = getpwnam(compositorUser);
  if (user == nullptr)
    throw std::runtime_error(std::string("no user ") + compositorUser);
  if (chown(path.c_str(), user->pw_uid, user->pw_gid) != 0 || chmod(path.c_str(), mode) != 0)
    throw std::runtime_error("cannot hand " + path.string() + " to " + compositorUser);
}

std::string runnableCopy(const std::filesystem::path& program,
                         const std::filesystem::path& folder) {
  const std::filesystem::path copy = folder / program.filename();
  if (!std::filesystem::exists(copy)) {
    std::filesystem::copy_file(program, copy);
    handToCompositorUser(copy, 0755);
  }
  return copy.string();
}

std::vector<std::string> asCompositorUser(const std::string& folder,
                                          const std::vector<std::string>& environment,
                                          const std::vector<std::string>& command) {
  const passwd* user = getpwnam(compositorUser);
  if (user == nullptr)
    throw std::runtime_error(std::string("no user ") + compositorUser);
  // The compositor's own folder is the working folder: the clients it starts inherit that, and
  // the test's own working folder may be closed to the user.
  std::vector<std::string> args = {"/usr/bin/setpriv",
                                   "--reuid=" + std::to_string(user->pw_uid),
                                   "--regid=" + std::to_string(user->pw_gid),
                                   "--clear-groups",
                                   "env",
                                   "-i",
                                   "--chdir=" + folder,
                                   "HOME=" + folder,
                                   "XDG_RUNTIME_DIR=" + folder,
                                   "PATH=/usr/bin:/bin",
                                   "LANG=C.UTF-8"};
  args.insert(args.end(), environment.begin(), environment.end());
  args.insert(args.end(), command.begin(), command.end());
  return args;
}

WaylandDesktop::WaylandDesktop(const std::string& compositor)
    : runtime_(newFolder("orvane-" + compositor)) {
  const std::string folder = runtime_.string();
  // XWayland on demand; windows open with sway's usual title bars.
  std::ofstream(folder + "/sway.config") << "xwayland enable\n"
                                            "output HEADLESS-1 resolution 1280x800 position 0 0\n";
  handToCompositorUser(runtime_, 0700);
  const std::vector<std::string> args = asCompositorUser(
      folder, {"WLR_BACKENDS=headless", "WLR_LIBINPUT_NO_DEVICES=1", "WLR_RENDERER=pixman"},
      compositorCommand(compositor, folder));
  compositor_ = std::make_unique<BackgroundProcess>(args);

  const bool started = waitUntil(
      [&] {
        waylandDisplay_ = socketIn(runtime_, "wayland-", "");
        swaySocket_ = socketIn(runtime_, "sway-ipc.", ".sock");
        return !waylandDisplay_.empty() && (compositor != "sway" || !swaySocket_.empty());
      },
      60);
  if (!started)
    throw std::runtime_error(compositor + " did not start");
  waylandDisplay_ = std::filesystem::path(waylandDisplay_).filename().string();
}

WaylandDesktop::~WaylandDesktop() {
  compositor_.reset();
  std::error_code ignored;
  std::filesystem::remove_all(runtime_, ignored);
}

ProcessOutcome WaylandDesktop::runTool(const std::vector<std::string>& arguments) const {
  ProcessOptions options;
  options.environment = {"DISPLAY",
                         "XDG_CURRENT_DESKTOP",
                         "XDG_SESSION_TYPE",
                         "WAYLAND_DISPLAY=" + waylandDisplay_,
                         "XDG_RUNTIME_DIR=" + runtime_.string(),
                         "XDG_DATA_HOME=" + (runtime_ / "share").string()};
  options.environment.push_back(swaySocket_.empty() ? "SWAYSOCK" : "SWAYSOCK=" + swaySocket_);
  options.timeoutSeconds = 30;
  return testing::runTool(arguments, options);
}

void WaylandDesktop::installLauncher(const std::string& desktopId) const {
  const std::filesystem::path applications = runtime_ / "share/applications";
  std::filesystem::create_directories(applications);
  std::ofstream(applications / (desktopId + ".desktop"))
      << "[Desktop Entry]\nType=Application\nName=" << desktopId << "\nExec=foot\n";
}

void WaylandDesktop::swayCommand(const std::string& command) const {
  const ProcessOutcome outcome = runProcess({"/usr/bin/swaymsg", "-s", swaySocket_, command});
  if (outcome.exitStatus != 0)
    throw std::runtime_error("sway refused " + command + ": " + outcome.out + outcome.err);
}

}  // namespace orvane::testing
