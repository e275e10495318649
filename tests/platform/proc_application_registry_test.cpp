#include "platform/linux/proc_application_registry.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

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

TEST(ProcApplicationRegistry, KnowsThisProcessByItsExecutable) {
  const auto registry = makeProcApplicationRegistry();
  const auto id = registry->bundleIdentifier(getpid());
  ASSERT_TRUE(id);
  EXPECT_EQ(*id, fs::read_symlink("/proc/self/exe").filename().string());
}

}  // namespace
}  // namespace orvane
