#pragma once

#include <ImageIO/ImageIO.h>

#include <cstdint>

namespace orvane {

// Larger images are refused before their pixels are decoded, so that one file cannot make the
// decoder and the recogniser hold gigabytes. The same bound as the Linux decoder's.
inline constexpr std::int64_t maximumImagePixels = 100'000'000;

// Whether the first image of source is known, from its header, to exceed the limit. An image whose
// size the header does not give is not refused here.
bool exceedsPixelLimit(CGImageSourceRef source);

}  // namespace orvane
