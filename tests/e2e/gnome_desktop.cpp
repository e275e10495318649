#include "gnome_desktop.h"

#include <fstream>
#include <iterator>
#include <regex>
#include <stdexcept>

#include "wayland_desktop.h"

namespace orvane::testing {

namespace {

constexpr const char* waylandSocket = "wayland-orvane";
constexpr const char* extensionUuid = "orvane-screen-tool@orvane";

std::filesystem::path makeFolder(const std::filesystem::path& path) {
  std::filesystem::create_directories(path);
  handToCompositorUser(path, 0755);
  return path;
}

std::string readAll(const std::filesystem::path& path) {
  std::ifstream in(path);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace

GnomeDesktop::GnomeDesktop() : folder_(newFolder("orvane-gnome")) {
  handToCompositorUser(folder_, 0700);
  const std::string folder = folder_.string();
  makeFolder(folder_ / "bin");
  tool_ = runnableCopy(toolPath());
  // The extension as the build wrote it, installed as the package installs it for every user:
  // in a data folder of the system's (XDG_DATA_DIRS).
  std::filesystem::path extensions = folder_;
  for (const char* step : {"share", "gnome-shell", "extensions", extensionUuid})
    makeFolder(extensions /= step);
  for (const char* file : {"extension.js", "metadata.json"}) {
    std::filesystem::copy_file(std::filesystem::path(ORVANE_GNOME_EXTENSION_DIR) / file,
                               extensions / file);
    handToCompositorUser(extensions / file, 0644);
  }

  // A bus of the test's own stands for the system bus: the shell asks logind for its session.
  systemBus_ = std::make_unique<BackgroundProcess>(
      asCompositorUser(folder, {},
                       {"dbus-daemon", "--session", "--nofork", "--nopidfile",
                        "--address=unix:path=" + folder + "/system_bus"}));
  sessionBus_ = std::make_unique<BackgroundProcess>(
      asCompositorUser(folder, {},
                       {"dbus-daemon", "--session", "--nofork", "--nopidfile",
                        "--address=unix:path=" + folder + "/bus"}));
  if (!waitUntil(
          [&] {
            return std::filesystem::exists(folder_ / "bus") &&
                   std::filesystem::exists(folder_ / "system_bus");
          },
          30))
    throw std::runtime_error("the buses did not start");
  logind_ = std::make_unique<BackgroundProcess>(
      inSession({"python3", "-m", "dbusmock", "--system", "--template", "logind"}));
  // The extension enabled as `gnome-extensions enable` would, before the shell reads the setting.
  run({"gsettings", "set", "org.gnome.shell", "enabled-extensions",
       std::string("['") + extensionUuid + "']"});
  // The log names the X display XWayland serves.
  shell_ = std::make_unique<BackgroundProcess>(inSession(
      {"sh", "-c",
       "exec gnome-shell --headless --wayland --virtual-monitor 1280x800 --wayland-display=" +
           std::string(waylandSocket) + " 2> shell.log"}));
  const std::regex displayLine("Using public X11 display (:[0-9]+)");
  std::smatch found;
  std::string log;
  const bool started = waitUntil(
      [&] {
        log = readAll(folder_ / "shell.log");
        return std::regex_search(log, found, displayLine) && runTool({"list-all"}).exitStatus == 0;
      },
      120);
  if (!started)
    throw std::runtime_error("gnome-shell did not start with the extension:\n" + log);
  display_ = found[1];
  for (const auto& entry : std::filesystem::directory_iterator(folder_))
    if (entry.path().filename().string().rfind(".mutter-Xwaylandauth.", 0) == 0)
      xauthority_ = entry.path().string();
}

GnomeDesktop::~GnomeDesktop() {
  clients_.clear();
  shell_.reset();
  logind_.reset();
  sessionBus_.reset();
  systemBus_.reset();
  std::error_code ignored;
  std::filesystem::remove_all(folder_, ignored);
}

std::vector<std::string> GnomeDesktop::inSession(const std::vector<std::string>& command) const {
  const std::string folder = folder_.string();
  std::vector<std::string> environment = {
      "DBUS_SESSION_BUS_ADDRESS=unix:path=" + folder + "/bus",
      "DBUS_SYSTEM_BUS_ADDRESS=unix:path=" + folder + "/system_bus",
      std::string("WAYLAND_DISPLAY=") + waylandSocket,
      "XDG_SESSION_TYPE=wayland",
      "XDG_CURRENT_DESKTOP=GNOME",
      "XDG_DATA_DIRS=" + folder + "/share:/usr/local/share:/usr/share"};
  if (!display_.empty())
    environment.insert(environment.end(), {"DISPLAY=" + display_, "XAUTHORITY=" + xauthority_});
  return asCompositorUser(folder, environment, command);
}

ProcessOutcome GnomeDesktop::runTool(const std::vector<std::string>& arguments) const {
  std::vector<std::string> command = {tool_};
  command.insert(command.end(), arguments.begin(), arguments.end());
  ProcessOptions options;
  options.timeoutSeconds = 30;
  return runProcess(inSession(command), options);
}

void GnomeDesktop::installLauncher(const std::string& desktopId) const {
  const std::filesystem::path folder = folder_ / ".local" / "share" / "applications";
  makeFolder(folder);
  std::ofstream(folder / (desktopId + ".desktop"))
      << "[Desktop Entry]\nType=Application\nName=" << desktopId << "\nExec=true\n";
  handToCompositorUser(folder / (desktopId + ".desktop"), 0644);
}

std::string GnomeDesktop::runnableCopy(const std::filesystem::path& program) const {
  return testing::runnableCopy(program, folder_ / "bin");
}

void GnomeDesktop::startClient(const std::vector<std::string>& command) {
  clients_.push_back(std::make_unique<BackgroundProcess>(inSession(command)));
}

std::string GnomeDesktop::run(const std::vector<std::string>& command) const {
  const ProcessOutcome outcome = runProcess(inSession(command));
  if (outcome.exitStatus != 0)
    throw std::runtime_error(command.front() + " failed with status " +
                             std::to_string(outcome.exitStatus) + ": " + outcome.err + outcome.out);
  return outcome.out;
}

}  // namespace orvane::testing
