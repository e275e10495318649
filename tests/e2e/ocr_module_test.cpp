// How the tool reports a recognition module that is missing or broken.
#include <gtest/gtest.h>
#include <filesystem>
#include <fstream>

#include "e2e/ocr_fixtures.h"
#include "support/child_process.h"

namespace orvane {
namespace {

namespace fs = std::filesystem;
using testing::OcrFixtures;
using testing::runProcess;

const fs::path moduleName = "orvane-ocr-tesseract.so";

// A copy of the tool in a folder of its own, so that the module beside it can be changed.
fs::path lonelyTool() {
  const fs::path folder = fs::path(OcrFixtures::get().directory()) / "lonely";
  fs::create_directories(folder);
  fs::copy_file(testing::toolPath(), folder / "OrvaneScreenTool",
                fs::copy_options::overwrite_existing);
  return folder / "OrvaneScreenTool";
}

// A path as the JSON writer spells it, solidus escaped.
std::string inJson(const fs::path& path) {
  std::string spelled;
  for (const char c : path.string())
    spelled += c == '/' ? std::string("\\/") : std::string(1, c);
  return spelled;
}

std::string errorOf(const fs::path& tool) {
  const auto outcome = runProcess({tool.string(), "ocr", OcrFixtures::get().path("first.png")});
  EXPECT_EQ(outcome.exitStatus, 1);
  EXPECT_EQ(outcome.signal, 0);
  EXPECT_EQ(outcome.out, "");
  return outcome.err;
}

TEST(OcrModule, BuildPutsTheModuleBesideTheTool) {
  EXPECT_TRUE(fs::exists(fs::path(testing::toolPath()).parent_path() / moduleName));
}

TEST(OcrModule, MissingModuleIsAClearError) {
  const fs::path tool = lonelyTool();
  fs::remove(tool.parent_path() / moduleName);
  const std::string error = errorOf(tool);
  EXPECT_EQ(error.rfind("{\"success\":false,\"error\":\"text recognition module "
                        "orvane-ocr-tesseract.so not found in " +
                            inJson(tool.parent_path()) + " or ",
                        0),
            0u)
      << error;
}

TEST(OcrModule, BrokenModuleIsAClearError) {
  const fs::path tool = lonelyTool();
  std::ofstream(tool.parent_path() / moduleName) << "not a shared object\n";
  const std::string error = errorOf(tool);
  EXPECT_EQ(error.rfind("{\"success\":false,\"error\":\"cannot load text recognition module: ", 0),
            0u)
      << error;
  fs::remove(tool.parent_path() / moduleName);
}

}  // namespace
}  // namespace orvane
