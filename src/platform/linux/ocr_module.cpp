#include "platform/linux/ocr_module.h"

#include <dlfcn.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cstdlib>
#include <string>
#include <vector>

#include "cli/tool_error.h"
#include "platform/linux/recognition_threads.h"
#include "platform/ocr_module_entry.h"

namespace orvane {

namespace {

const std::string moduleFileName = ORVANE_OCR_MODULE_FILE;
const std::string installedModuleDirectory = ORVANE_OCR_MODULE_INSTALL_DIR;
// Where an installation keeps the module relative to the program's own folder, so that a tree
// installed under another prefix (cmake --install --prefix) still finds its own module.
const std::string moduleDirectoryFromBinary = ORVANE_OCR_MODULE_BESIDE_BINARY;

std::string executableDirectory() {
  std::string path(4096, '\0');
  const ssize_t length = readlink("/proc/self/exe", path.data(), path.size());
  if (length <= 0 || static_cast<std::size_t>(length) >= path.size())
    return {};
  path.resize(static_cast<std::size_t>(length));
  return path.substr(0, path.rfind('/'));
}

// The build tree keeps the module beside the program; an installed program finds it in its
// library directory, relative to itself or where it was meant to be installed.
std::vector<std::string> searchedDirectories() {
  std::vector<std::string> directories;
  if (const std::string beside = executableDirectory(); !beside.empty()) {
    directories.push_back(beside);
    directories.push_back(beside + "/" + moduleDirectoryFromBinary);
  }
  directories.push_back(installedModuleDirectory);
  return directories;
}

std::string findModule() {
  std::string searched;
  for (const std::string& directory : searchedDirectories()) {
    const std::string path = directory + "/" + moduleFileName;
    struct stat info {};
    if (stat(path.c_str(), &info) == 0)
      return path;
    searched += (searched.empty() ? "" : " or ") + directory;
  }
  throw PlatformError("text recognition module " + moduleFileName + " not found in " + searched);
}

// libgomp reads the limit when it is loaded, which is with the module; a limit the user set is
// kept.
void limitRecognitionThreads() {
  const int limit = recognitionThreadLimit(availableProcessors());
  setenv("OMP_THREAD_LIMIT", std::to_string(limit).c_str(), 0);
}

}  // namespace

std::unique_ptr<OcrBackend> loadOcrModule() {
  const std::string path = findModule();
  limitRecognitionThreads();
  // Never closed: the backend's code has to outlive every object it made.
  void* module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (module == nullptr)
    throw PlatformError("cannot load text recognition module: " + std::string(dlerror()));
  const auto entry = reinterpret_cast<OcrModuleEntry>(dlsym(module, ocrModuleEntryName));
  if (entry == nullptr) {
    dlclose(module);
    throw PlatformError("text recognition module " + path + " has no entry " + ocrModuleEntryName);
  }
  OcrBackend* backend = entry();
  if (backend == nullptr)
    throw PlatformError("text recognition module " + path + " could not start");
  return std::unique_ptr<OcrBackend>(backend);
}

}  // namespace orvane
