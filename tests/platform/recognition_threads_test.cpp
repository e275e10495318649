#include "platform/linux/recognition_threads.h"

#include <gtest/gtest.h>
#include <filesystem>
#include <fstream>

#include "support/temporary_folder.h"

namespace orvane {
namespace {

namespace fs = std::filesystem;

TEST(RecognitionThreads, OneBelowFourProcessorsAndTesseractsOwnFromThere) {
  EXPECT_EQ(recognitionThreadLimit(1), 1);
  EXPECT_EQ(recognitionThreadLimit(2), 1);
  EXPECT_EQ(recognitionThreadLimit(3), 1);
  EXPECT_EQ(recognitionThreadLimit(4), 4);
  EXPECT_EQ(recognitionThreadLimit(64), 64);
}

TEST(RecognitionThreads, QuotasRoundUpToWholeProcessors) {
  EXPECT_EQ(processorsFromQuota("200000 100000\n"), 2);
  EXPECT_EQ(processorsFromQuota("150000 100000"), 2);
  EXPECT_EQ(processorsFromQuota("50000 100000"), 1);
  EXPECT_EQ(processorsFromQuota("max 100000\n"), std::nullopt);
  EXPECT_EQ(processorsFromQuota("-1 100000"), std::nullopt);
  EXPECT_EQ(processorsFromQuota("100000 0"), std::nullopt);
  EXPECT_EQ(processorsFromQuota("100000"), std::nullopt);
  EXPECT_EQ(processorsFromQuota(""), std::nullopt);
  EXPECT_EQ(processorsFromQuota("9223372036854775807 1"), 1 << 20);
}

// Cgroup file systems in a temporary folder, laid out as a kernel mounts them.
class FakeCgroups : public ::testing::Test {
 protected:
  void write(const fs::path& relative, const std::string& content) {
    fs::create_directories((root / relative).parent_path());
    std::ofstream(root / relative) << content;
  }

  testing::TemporaryFolder folder{"orvane-cgroup"};
  const fs::path& root = folder.path();
};

TEST_F(FakeCgroups, UnifiedHierarchyLimitsFromTheGroupOrAnyAncestor) {
  write("user.slice/app/cpu.max", "max 100000\n");
  write("user.slice/cpu.max", "300000 100000\n");
  EXPECT_EQ(cgroupProcessorLimit("0::/user.slice/app\n", root.string()), 3);
  write("user.slice/app/cpu.max", "100000 100000\n");
  EXPECT_EQ(cgroupProcessorLimit("0::/user.slice/app\n", root.string()), 1);
  EXPECT_EQ(cgroupProcessorLimit("0::/elsewhere\n", root.string()), std::nullopt);
}

TEST_F(FakeCgroups, CpuControllerOfTheFirstVersionAndHybridMounts) {
  write("cpu/job/cpu.cfs_quota_us", "250000\n");
  write("cpu/job/cpu.cfs_period_us", "100000\n");
  write("cpu/cpu.cfs_quota_us", "-1\n");
  write("cpu/cpu.cfs_period_us", "100000\n");
  EXPECT_EQ(cgroupProcessorLimit("4:memory:/job\n2:cpu,cpuacct:/job\n", root.string()), 3);
  EXPECT_EQ(cgroupProcessorLimit("2:cpuacct:/job\n", root.string()), std::nullopt);
  write("unified/job/cpu.max", "100000 100000\n");
  EXPECT_EQ(cgroupProcessorLimit("2:cpu:/job\n0::/job\n", root.string()), 1);
  EXPECT_EQ(cgroupProcessorLimit("garbage\n::\n1:cpu:relative\n", root.string()), std::nullopt);
}

}  // namespace
}  // namespace orvane
