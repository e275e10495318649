#include "platform/linux/ocr_module.h"

#include <dlfcn.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "base/tool_error.h"
#include "platform/linux/proc_files.h"
#include "platform/linux/recognition_threads.h"
#include "platform/ocr_module_interface.h"

namespace orvane {

namespace {

const std::string moduleFileName = ORVANE_OCR_MODULE_FILE;
const std::string installedModuleDirectory = ORVANE_OCR_MODULE_INSTALL_DIR;
// Where an installation keeps the module relative to the program's own folder, so that a tree
// installed under another prefix (cmake --install --prefix) still finds its own module.
const std::string moduleDirectoryFromBinary = ORVANE_OCR_MODULE_BESIDE_BINARY;

std::string executableDirectory() {
  const std::optional<std::string> path = readLink("/proc/self/exe");
  if (!path)
    return {};
  return path->substr(0, path->rfind('/'));
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

// An image the module decoded, handed back to it when the tool is done with it.
class ModuleImage : public DecodedImage {
 public:
  ModuleImage(const OrvaneOCRModuleInterface& module, OrvaneOCRImage* image)
      : module_(module), image_(image) {}
  ~ModuleImage() override { module_.releaseImage(image_); }
  ModuleImage(const ModuleImage&) = delete;
  ModuleImage& operator=(const ModuleImage&) = delete;

  const OrvaneOCRImage* get() const { return image_; }

 private:
  const OrvaneOCRModuleInterface& module_;
  OrvaneOCRImage* image_;
};

// The module's functions as the tool's decoder and recogniser. Whatever the module allocates is
// copied into the tool's own records and handed back at once.
class ModuleBackend : public OCRBackend, public ImageDecoder, public TextRecognizer {
 public:
  ModuleBackend(const OrvaneOCRModuleInterface& module, std::string path)
      : module_(module), path_(std::move(path)) {}

  ImageDecoder& imageDecoder() override { return *this; }
  TextRecognizer& textRecognizer() override { return *this; }

  std::unique_ptr<DecodedImage> decodeFirstImage(const std::string& imagePath) override {
    OrvaneOCRImage* image = nullptr;
    OrvaneOCRError error{};
    const OrvaneOCRStatus status = module_.decodeFirstImage(imagePath.c_str(), &image, &error);
    if (status == orvaneOCRFailed)
      throw failure(error);
    if (status != orvaneOCRDone || image == nullptr)
      return nullptr;
    return std::make_unique<ModuleImage>(module_, image);
  }

  std::optional<std::vector<TextObservation>> recognizeText(const DecodedImage& image) override {
    const auto* decoded = dynamic_cast<const ModuleImage*>(&image);
    if (decoded == nullptr)
      throw PlatformError("the image was not decoded by the text recognition module");
    OrvaneOCRResults* results = nullptr;
    const OrvaneOCRObservation* observations = nullptr;
    std::size_t count = 0;
    OrvaneOCRError error{};
    const OrvaneOCRStatus status =
        module_.recognizeText(decoded->get(), &results, &observations, &count, &error);
    if (status == orvaneOCRFailed)
      throw failure(error);
    if (status != orvaneOCRDone)
      return std::nullopt;
    const std::unique_ptr<OrvaneOCRResults, void (*)(OrvaneOCRResults*)> owned(
        results, module_.releaseResults);
    return copied(std::span(observations, count));
  }

 private:
  static std::vector<TextObservation> copied(std::span<const OrvaneOCRObservation> observations) {
    std::vector<TextObservation> copies;
    copies.reserve(observations.size());
    for (const OrvaneOCRObservation& found : observations) {
      std::optional<RecognizedText> candidate;
      if (found.text != nullptr)
        candidate = RecognizedText{std::string(found.text, found.textLength), found.confidence};
      copies.push_back({{found.x, found.y, found.width, found.height}, std::move(candidate)});
    }
    return copies;
  }

  PlatformError failure(const OrvaneOCRError& error) const {
    const std::string message(error.message, strnlen(error.message, sizeof error.message));
    return PlatformError(message.empty() ? "text recognition module " + path_ + " failed"
                                         : message);
  }

  const OrvaneOCRModuleInterface& module_;
  std::string path_;
};

const OrvaneOCRModuleInterface& moduleInterface(void* module, const std::string& path) {
  const auto entry = reinterpret_cast<OCRModuleEntry>(dlsym(module, ocrModuleEntryName));
  if (entry == nullptr)
    throw PlatformError("text recognition module " + path + " has no entry " + ocrModuleEntryName);
  const OrvaneOCRModuleInterface* interface = entry();
  if (interface == nullptr)
    throw PlatformError("text recognition module " + path + " could not start");
  if (interface->version != ocrModuleInterfaceVersion) {
    throw PlatformError("text recognition module " + path + " has interface version " +
                        std::to_string(interface->version) + ", this tool needs version " +
                        std::to_string(ocrModuleInterfaceVersion));
  }
  return *interface;
}

}  // namespace

std::unique_ptr<OCRBackend> loadOCRModule() {
  const std::string path = findModule();
  limitRecognitionThreads();
  // Never closed: the module's images and results must outlive the backend's last use.
  void* module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (module == nullptr)
    throw PlatformError("cannot load text recognition module: " + std::string(dlerror()));
  return std::make_unique<ModuleBackend>(moduleInterface(module, path), path);
}

}  // namespace orvane
