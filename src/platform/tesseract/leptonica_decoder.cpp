#include "platform/tesseract/leptonica_decoder.h"

#include <allheaders.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cstdio>

#include "platform/tesseract/image_preparation.h"
#include "platform/tesseract/image_size.h"
#include "platform/tesseract/leptonica_image.h"

namespace orvane {

namespace {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePointer = std::unique_ptr<std::FILE, FileCloser>;

// Opens path for reading only if it is a regular file. O_NONBLOCK keeps a FIFO from blocking the
// open; it is then refused like every other special file.
FilePointer openRegularFile(const std::string& path) {
  const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0)
    return nullptr;
  struct stat info {};
  if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    close(fd);
    return nullptr;
  }
  std::FILE* file = fdopen(fd, "rb");
  if (file == nullptr)
    close(fd);
  return FilePointer(file);
}

PixPointer decodeWithinLimit(std::FILE* file) {
  const auto size = readImageSize(file);
  if (!size || !fitsPixelLimit(*size))
    return nullptr;
  std::rewind(file);
  PixPointer pix(pixReadStream(file, 0));
  // The header and the decoded image disagree only for malformed files; trust neither then.
  if (pix && !fitsPixelLimit({pixGetWidth(pix.get()), pixGetHeight(pix.get())}))
    return nullptr;
  return pix;
}

}  // namespace

void PixDeleter::operator()(Pix* pix) const {
  pixDestroy(&pix);
}

void BoxaDeleter::operator()(Boxa* boxa) const {
  boxaDestroy(&boxa);
}

void PixaDeleter::operator()(Pixa* pixa) const {
  pixaDestroy(&pixa);
}

std::unique_ptr<DecodedImage> LeptonicaDecoder::decodeFirstImage(const std::string& path) {
  const FilePointer file = openRegularFile(path);
  if (!file)
    return nullptr;
  const PixPointer pix = decodeWithinLimit(file.get());
  if (!pix)
    return nullptr;
  PixPointer grey = greyForRecognition(pix.get());
  if (!grey)
    return nullptr;
  return std::make_unique<LeptonicaImage>(std::move(grey));
}

}  // namespace orvane
