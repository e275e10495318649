// How the tool reports a recognition module that is missing or broken.
#include <gtest/gtest.h>
#include <filesystem>
#include <fstream>

#include "e2e/ocr_fixtures.h"
#include "support/child_process.h"

namespace orvane {
namespace {

namespace fs = std::filesystem;
using testing::OCRFixtures;
using testing::runProcess;

const fs::path moduleName = "orvane-ocr-tesseract.so";

// A copy of the tool in a folder of its own, so that the module beside it can be changed.
fs::path lonelyTool(const std::string& folderName = "lonely") {
  const fs::path folder = fs::path(OCRFixtures::get().directory()) / folderName;
  fs::create_directories(folder);
  fs::copy_file(testing::toolPath(), folder / "OrvaneScreenTool",
                fs::copy_options::overwrite_existing);
  return folder / "OrvaneScreenTool";
}

// A path as the JSON writer spells it, solidus escaped.
std::string inJSON(const fs::path& path) {
  std::string spelled;
  for (const char c : path.string())
    spelled += c == '/' ? std::string("\\/") : std::string(1, c);
  return spelled;
}

std::string errorOf(const fs::path& tool) {
  const auto outcome = runProcess({tool.string(), "ocr", OCRFixtures::get().path("first.png")});
  EXPECT_EQ(outcome.exitStatus, 1);
  EXPECT_EQ(outcome.signal, 0);
  EXPECT_EQ(outcome.out, "");
  return outcome.err;
}

TEST(OCRModule, BuildPutsTheModuleBesideTheTool) {
  EXPECT_TRUE(fs::exists(fs::path(testing::toolPath()).parent_path() / moduleName));
}

TEST(OCRModule, MissingModuleIsAClearError) {
  const fs::path tool = lonelyTool();
  fs::remove(tool.parent_path() / moduleName);
  const std::string error = errorOf(tool);
  EXPECT_EQ(error.rfind("{\"success\":false,\"error\":\"text recognition module "
                        "orvane-ocr-tesseract.so not found in " +
                            inJSON(tool.parent_path()) + " or ",
                        0),
            0u)
      << error;
}

TEST(OCRModule, BrokenModuleIsAClearError) {
  const fs::path tool = lonelyTool();
  std::ofstream(tool.parent_path() / moduleName) << "not a shared object\n";
  const std::string error = errorOf(tool);
  EXPECT_EQ(error.rfind("{\"success\":false,\"error\":\"cannot load text recognition module: ", 0),
            0u)
      << error;
  fs::remove(tool.parent_path() / moduleName);
}

// Modules broken in each way, each beside a copy of the tool: the error object names what failed
// and where, and no exception crosses from the module into the tool.
TEST(OCRModule, EachBrokenModuleIsAClearError) {
  const fs::path modules = ORVANE_TEST_MODULES_DIR;
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"no_entry", "has no entry orvane_ocr_module_interface"},
      {"no_interface", "could not start"},
      {"other_version", "has interface version 3, this tool needs version 2"},
  };
  for (const auto& [kind, problem] : cases) {
    const fs::path tool = lonelyTool("broken-" + kind);
    fs::copy_file(modules / kind / moduleName, tool.parent_path() / moduleName,
                  fs::copy_options::overwrite_existing);
    EXPECT_EQ(errorOf(tool), "{\"success\":false,\"error\":\"text recognition module " +
                                 inJSON(tool.parent_path() / moduleName) + " " + problem + "\"}\n")
        << kind;
  }
}

TEST(OCRModule, MissingLanguageDataIsAClearError) {
  const fs::path tool = lonelyTool("without-language-data");
  const fs::path modules = ORVANE_TEST_MODULES_DIR;
  fs::copy_file(modules / "without_language_data" / moduleName, tool.parent_path() / moduleName,
                fs::copy_options::overwrite_existing);
  EXPECT_EQ(errorOf(tool),
            "{\"success\":false,\"error\":\"Tesseract language data \\\"chi_sim\\\" is missing: "
            "cannot read " +
                inJSON(modules / "empty-tessdata" / "chi_sim.traineddata") + "\"}\n");
}

}  // namespace
}  // namespace orvane
