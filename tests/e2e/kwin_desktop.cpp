#include "kwin_desktop.h"

#include <fstream>
#include <regex>
#include <stdexcept>

#include "wayland_desktop.h"

namespace orvane::testing {

namespace {

constexpr const char* waylandSocket = "wayland-orvane";

void writeFile(const std::filesystem::path& path, const std::string& text, unsigned mode) {
  std::ofstream(path) << text;
  handToCompositorUser(path, mode);
}

std::string readFile(const std::filesystem::path& path) {
  std::ifstream in(path);
  std::string text;
  std::getline(in, text);
  return text;
}

}  // namespace

KWinDesktop::KWinDesktop() : folder_(newFolder("orvane-kwin")) {
  handToCompositorUser(folder_, 0700);
  const std::filesystem::path config = folder_ / ".config";
  std::filesystem::create_directory(config);
  handToCompositorUser(config, 0700);
  // New windows take the focus, as in a session a user has just opened them in.
  writeFile(config / "kwinrc",
            "[Desktops]\nNumber=2\nRows=1\n\n[Windows]\nFocusStealingPreventionLevel=0\n", 0600);
  writeFile(config / "kscreenlockerrc", "[Daemon]\nAutolock=false\nLockOnResume=false\n", 0600);
  // KWin's binary carries file capabilities, which a sandbox may refuse to exec; a copy has none.
  // It must keep its name, or KWin declines its own platform plugin.
  const std::filesystem::path bin = folder_ / "bin";
  std::filesystem::create_directory(bin);
  handToCompositorUser(bin, 0755);
  std::filesystem::copy_file("/usr/bin/kwin_wayland", bin / "kwin_wayland");
  handToCompositorUser(bin / "kwin_wayland", 0755);
  tool_ = runnableCopy(toolPath());
  // KWin starts this once it and XWayland are up, with XWayland's display in its environment.
  writeFile(folder_ / "session.sh",
            "#!/bin/sh\necho \"$DISPLAY\" > \"$HOME/display.new\" && "
            "mv \"$HOME/display.new\" \"$HOME/display\"\n",
            0755);

  const std::string folder = folder_.string();
  bus_ = std::make_unique<BackgroundProcess>(
      asCompositorUser(folder, {},
                       {"dbus-daemon", "--session", "--nofork", "--nopidfile",
                        "--address=unix:path=" + folder + "/bus"}));
  if (!waitUntil([&] { return std::filesystem::exists(folder_ / "bus"); }, 30))
    throw std::runtime_error("the session bus did not start");
  kwin_ = std::make_unique<BackgroundProcess>(
      inSession({(bin / "kwin_wayland").string(), "--virtual", "--width", "1280", "--height", "800",
                 "--socket", waylandSocket, "--xwayland", folder + "/session.sh"}));
  if (!waitUntil([&] { return std::filesystem::exists(folder_ / "display"); }, 90))
    throw std::runtime_error("kwin_wayland did not start");
  display_ = readFile(folder_ / "display");
}

KWinDesktop::~KWinDesktop() {
  clients_.clear();
  kwin_.reset();
  bus_.reset();
  std::error_code ignored;
  std::filesystem::remove_all(folder_, ignored);
}

std::vector<std::string> KWinDesktop::inSession(const std::vector<std::string>& command) const {
  const std::string folder = folder_.string();
  std::vector<std::string> environment = {"DBUS_SESSION_BUS_ADDRESS=unix:path=" + folder + "/bus",
                                          std::string("WAYLAND_DISPLAY=") + waylandSocket,
                                          "XDG_SESSION_TYPE=wayland", "XDG_CURRENT_DESKTOP=KDE"};
  if (!display_.empty())
    environment.push_back("DISPLAY=" + display_);
  return asCompositorUser(folder, environment, command);
}

ProcessOutcome KWinDesktop::runTool(const std::vector<std::string>& arguments) const {
  std::vector<std::string> command = {tool_};
  command.insert(command.end(), arguments.begin(), arguments.end());
  ProcessOptions options;
  options.timeoutSeconds = 30;
  return runProcess(inSession(command), options);
}

void KWinDesktop::installLauncher(const std::string& desktopId) const {
  std::filesystem::path folder = folder_;
  for (const char* step : {".local", "share", "applications"}) {
    folder /= step;
    std::filesystem::create_directory(folder);
    handToCompositorUser(folder, 0755);
  }
  writeFile(folder / (desktopId + ".desktop"),
            "[Desktop Entry]\nType=Application\nName=" + desktopId + "\nExec=true\n", 0644);
}

std::string KWinDesktop::runnableCopy(const std::filesystem::path& program) const {
  return testing::runnableCopy(program, folder_ / "bin");
}

void KWinDesktop::startClient(const std::vector<std::string>& command) {
  clients_.push_back(std::make_unique<BackgroundProcess>(inSession(command)));
}

std::string KWinDesktop::busCall(const std::vector<std::string>& call) const {
  std::vector<std::string> command = {"dbus-send", "--session", "--print-reply=literal",
                                      "--dest=org.kde.KWin"};
  command.insert(command.end(), call.begin(), call.end());
  const ProcessOutcome outcome = runProcess(inSession(command));
  if (outcome.exitStatus != 0)
    throw std::runtime_error(call.at(1) + " failed: " + outcome.err);
  return outcome.out;
}

void KWinDesktop::runScript(const std::string& javaScript, const std::function<bool()>& done) {
  const std::string name = "orvane-test-" + std::to_string(++scriptsRun_);
  const std::filesystem::path path = folder_ / (name + ".js");
  writeFile(path, javaScript, 0644);
  busCall({"/Scripting", "org.kde.kwin.Scripting.loadScript", "string:" + path.string(),
           "string:" + name});
  busCall({"/Scripting", "org.kde.kwin.Scripting.start"});
  const bool worked = waitUntil(done, 30);
  busCall({"/Scripting", "org.kde.kwin.Scripting.unloadScript", "string:" + name});
  if (!worked)
    throw std::runtime_error("KWin's script did not do its work: " + javaScript);
}

int KWinDesktop::loadedScripts() const {
  // KWin gives each loaded script an object named by its number right under the root.
  const std::string tree = busCall({"/", "org.freedesktop.DBus.Introspectable.Introspect"});
  const std::regex scriptNode(R"(<node name="[0-9]+"/>)");
  return static_cast<int>(std::distance(std::sregex_iterator(tree.begin(), tree.end(), scriptNode),
                                        std::sregex_iterator()));
}

}  // namespace orvane::testing
