#include "platform/linux/proc_application_registry.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>

#include "platform/linux/desktop_file_ids.h"
#include "support/temporary_folder.h"

namespace orvane {
namespace {

namespace fs = std::filesystem;

// A /proc tree in a temporary folder, one process at a time.
class FakeProc : public ::testing::Test {
 protected:
  void SetUp() override { registry = makeProcApplicationRegistry(root.string()); }

  fs::path process(int processId, const std::string& executable = "/usr/bin/gedit") {
    const fs::path directory = root / std::to_string(processId);
    fs::create_directories(directory / "root");
    fs::create_symlink(executable, directory / "exe");
    return directory;
  }
  static void write(const fs::path& path, const std::string& content) {
    std::ofstream(path, std::ios::binary) << content;
  }
  std::optional<std::string> idOf(int processId) { return registry->bundleIdentifier(processId); }

  testing::TemporaryFolder folder{"orvane-proc"};
  const fs::path& root = folder.path();
  std::unique_ptr<ApplicationRegistry> registry;
};

TEST_F(FakeProc, ExecutableNameIsTheLastResort) {
  process(40);
  EXPECT_EQ(idOf(40), "gedit");
  process(41, "/opt/app/bin/tool (deleted)");
  EXPECT_EQ(idOf(41), "tool");
}

TEST_F(FakeProc, NoProcessOrNoReadableFileGivesNothing) {
  EXPECT_EQ(idOf(0), std::nullopt);
  EXPECT_EQ(idOf(-3), std::nullopt);
  EXPECT_EQ(idOf(99), std::nullopt);
  fs::create_directories(root / "98");
  EXPECT_EQ(idOf(98), std::nullopt);
}

TEST_F(FakeProc, FlatpakIdComesFirst) {
  const fs::path directory = process(50, "/usr/bin/bwrap");
  write(directory / "root/.flatpak-info",
        "[Runtime]\nname=org.gnome.Platform\n\n[Application]\nruntime=x\nname = org.gnome.Maps\n");
  write(directory / "cgroup", "0::/user.slice/snap.other.other-1.scope\n");
  EXPECT_EQ(idOf(50), "org.gnome.Maps");
}

TEST_F(FakeProc, FlatpakInfoWithoutApplicationNameFallsThrough) {
  const fs::path directory = process(51);
  write(directory / "root/.flatpak-info", "[Runtime]\nname=org.gnome.Platform\n");
  EXPECT_EQ(idOf(51), "gedit");
}

TEST_F(FakeProc, SnapNameFromTheCgroupOfAnAppOrService) {
  const fs::path app = process(60);
  write(app / "cgroup",
        "12:pids:/user.slice\n0::/user.slice/user-1000.slice/user@1000.service/app.slice/"
        "snap.firefox.firefox-2f4c.scope\n");
  EXPECT_EQ(idOf(60), "firefox");
  const fs::path service = process(61);
  write(service / "cgroup", "0::/system.slice/snap.lxd.daemon.service\n");
  EXPECT_EQ(idOf(61), "lxd");
  const fs::path plain = process(62);
  write(plain / "cgroup", "0::/user.slice/user@1000.service/app.slice/snapshot.scope\n");
  EXPECT_EQ(idOf(62), "gedit");
}

TEST_F(FakeProc, LaunchedDesktopFileCountsOnlyForTheLaunchedProcess) {
  using namespace std::string_literals;
  const fs::path launched = process(70);
  write(launched / "environ",
        "HOME=/root\0GIO_LAUNCHED_DESKTOP_FILE=/usr/share/applications/org.gnome.gedit.desktop\0"
        "GIO_LAUNCHED_DESKTOP_FILE_PID=70\0"s);
  EXPECT_EQ(idOf(70), "org.gnome.gedit");
  const fs::path child = process(71, "/usr/bin/bash");
  write(child / "environ",
        "GIO_LAUNCHED_DESKTOP_FILE=/usr/share/applications/org.gnome.gedit.desktop\0"
        "GIO_LAUNCHED_DESKTOP_FILE_PID=70\0"s);
  EXPECT_EQ(idOf(71), "bash");
  const fs::path noPid = process(72, "/usr/bin/bash");
  write(noPid / "environ", "GIO_LAUNCHED_DESKTOP_FILE=/a/b.desktop\0"s);
  EXPECT_EQ(idOf(72), "bash");
}

TEST_F(FakeProc, WaylandAppIdCountsWhenItNamesAnInstalledLauncher) {
  using namespace std::string_literals;
  const fs::path applications = root / "share/applications";
  fs::create_directories(applications / "org.example.Notes.desktop");  // a folder, not a launcher
  write(applications / "org.example.Viewer.desktop", "[Desktop Entry]\n");
  write(root / "escape.desktop", "[Desktop Entry]\n");
  const auto appIds = std::make_shared<AppIdsSeen>(AppIdsSeen{{80, "org.example.Viewer"},
                                                              {81, "foot-server"},
                                                              {82, "../../escape"},
                                                              {83, "org.example.Notes"},
                                                              {84, "org.example.Viewer"}});
  registry = makeProcApplicationRegistry(root.string(), {appIds, {applications.string()}});
  for (int processId : {80, 81, 82, 83, 84})
    process(processId);
  write(root / "84/environ",
        "GIO_LAUNCHED_DESKTOP_FILE=/usr/share/applications/org.gnome.gedit.desktop\0"
        "GIO_LAUNCHED_DESKTOP_FILE_PID=84\0"s);
  EXPECT_EQ(idOf(80), "org.example.Viewer");
  EXPECT_EQ(idOf(81), "gedit");
  EXPECT_EQ(idOf(82), "gedit");
  EXPECT_EQ(idOf(83), "gedit");
  EXPECT_EQ(idOf(84), "org.gnome.gedit");  // the launcher's own word comes first
}

TEST(DesktopFileFolders, FollowTheBaseDirectoryRules) {
  const auto lookup = [](std::map<std::string, std::string> variables) {
    return [variables](std::string_view name) -> std::optional<std::string> {
      const auto found = variables.find(std::string(name));
      return found == variables.end() ? std::nullopt : std::optional(found->second);
    };
  };
  EXPECT_EQ(desktopFileFolders(lookup({{"HOME", "/home/u"}})),
            (std::vector<std::string>{"/home/u/.local/share/applications",
                                      "/usr/local/share/applications", "/usr/share/applications"}));
  EXPECT_EQ(desktopFileFolders(lookup({{"HOME", "/home/u"},
                                       {"XDG_DATA_HOME", "relative/share"},
                                       {"XDG_DATA_DIRS", "/opt/share::rel:/usr/share"}})),
            (std::vector<std::string>{"/home/u/.local/share/applications",
                                      "/opt/share/applications", "/usr/share/applications"}));
  EXPECT_EQ(desktopFileFolders(lookup({{"XDG_DATA_HOME", "/data"}, {"XDG_DATA_DIRS", "/d"}})),
            (std::vector<std::string>{"/data/applications", "/d/applications"}));
}

TEST(ProcApplicationRegistry, KnowsThisProcessByItsExecutable) {
  const auto registry = makeProcApplicationRegistry();
  const auto id = registry->bundleIdentifier(getpid());
  ASSERT_TRUE(id);
  EXPECT_EQ(*id, fs::read_symlink("/proc/self/exe").filename().string());
}

}  // namespace
}  // namespace orvane
