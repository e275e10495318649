#pragma once

#include <cstdint>
#include <cstdio>
#include <optional>

namespace orvane {

struct ImageSize {
  std::int64_t width;
  std::int64_t height;
};

// Larger images are refused before their pixels are decoded. The side limit is the largest
// coordinate Tesseract's page layout can hold; the area limit keeps a decoded image and the
// recogniser's copies of it within a few hundred megabytes.
inline constexpr std::int64_t maximumImageSide = 32767;
inline constexpr std::int64_t maximumImagePixels = 100'000'000;

bool fitsPixelLimit(const ImageSize& size);

// The size of the first image in file, read from its header alone; nothing when the format is
// not one Leptonica decodes or the header cannot be read. Leaves the file position undefined.
std::optional<ImageSize> readImageSize(std::FILE* file);

}  // namespace orvane
