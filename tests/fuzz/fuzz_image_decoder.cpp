// Any bytes as an image file: the decoder gives an image within the pixel limit or nothing,
// never a crash, a hang or unbounded memory.
#include <allheaders.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "platform/tesseract/image_size.h"
#include "platform/tesseract/leptonica_decoder.h"
#include "platform/tesseract/leptonica_image.h"
#include "platform/tesseract/leptonica_messages.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const bool silenced = (orvane::silenceLeptonica(), true);
  (void)silenced;
  const int fd = memfd_create("image", MFD_CLOEXEC);
  if (fd < 0)
    std::abort();
  std::size_t written = 0;
  while (written < size) {
    const ssize_t n = write(fd, data + written, size - written);
    if (n <= 0)
      std::abort();
    written += static_cast<std::size_t>(n);
  }
  orvane::LeptonicaDecoder decoder;
  const auto image = decoder.decodeFirstImage("/proc/self/fd/" + std::to_string(fd));
  close(fd);
  if (image) {
    const auto* decoded = dynamic_cast<const orvane::LeptonicaImage*>(image.get());
    if (decoded == nullptr)
      std::abort();
    Pix* pix = decoded->pix();
    if (!orvane::fitsPixelLimit({pixGetWidth(pix), pixGetHeight(pix)}))
      std::abort();
  }
  return 0;
}
