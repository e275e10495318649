#include "platform/tesseract/image_size.h"

#include <allheaders.h>
#include <array>
#include <cstdlib>
#include <vector>

namespace orvane {

namespace {

// Leptonica's own header readers decode the whole file for these formats, so their sizes are
// read here from the fixed header fields.
std::uint32_t littleEndian(const unsigned char* bytes, int count) {
  std::uint32_t value = 0;
  for (int i = count - 1; i >= 0; --i)
    value = (value << 8) | bytes[i];
  return value;
}

bool readPrefix(std::FILE* file, unsigned char* bytes, std::size_t count) {
  std::rewind(file);
  return std::fread(bytes, 1, count, file) == count;
}

std::optional<ImageSize> bmpSize(std::FILE* file) {
  std::array<unsigned char, 26> header{};
  if (!readPrefix(file, header.data(), header.size()))
    return std::nullopt;
  const std::uint32_t infoSize = littleEndian(&header[14], 4);
  if (infoSize == 12)
    return ImageSize{littleEndian(&header[18], 2), littleEndian(&header[20], 2)};
  const auto width = static_cast<std::int32_t>(littleEndian(&header[18], 4));
  const auto height = static_cast<std::int32_t>(littleEndian(&header[22], 4));
  // A negative height marks rows stored top-down.
  return ImageSize{width, std::llabs(static_cast<long long>(height))};
}

std::optional<ImageSize> gifSize(std::FILE* file) {
  std::array<unsigned char, 10> header{};
  if (!readPrefix(file, header.data(), header.size()))
    return std::nullopt;
  return ImageSize{littleEndian(&header[6], 2), littleEndian(&header[8], 2)};
}

std::optional<ImageSize> webpSize(std::FILE* file) {
  std::vector<unsigned char> header(4096);
  std::rewind(file);
  header.resize(std::fread(header.data(), 1, header.size(), file));
  l_int32 w = 0, h = 0, spp = 0;
  if (readHeaderMemWebP(header.data(), header.size(), &w, &h, &spp) != 0)
    return std::nullopt;
  return ImageSize{w, h};
}

std::optional<ImageSize> sizeFromLeptonica(std::FILE* file, l_int32 format) {
  l_int32 w = 0, h = 0, bps = 0, spp = 0, extra = 0, more = 0, other = 0;
  l_ok failed = 1;
  std::rewind(file);
  switch (format) {
    case IFF_JFIF_JPEG:
      failed = freadHeaderJpeg(file, &w, &h, &spp, &extra, &more);
      break;
    case IFF_PNG:
      failed = freadHeaderPng(file, &w, &h, &bps, &spp, &extra);
      break;
    case IFF_TIFF:
    case IFF_TIFF_PACKBITS:
    case IFF_TIFF_RLE:
    case IFF_TIFF_G3:
    case IFF_TIFF_G4:
    case IFF_TIFF_LZW:
    case IFF_TIFF_ZIP:
    case IFF_TIFF_JPEG:
      failed = freadHeaderTiff(file, 0, &w, &h, &bps, &spp, &extra, &more, &other);
      break;
    case IFF_PNM:
      failed = freadHeaderPnm(file, &w, &h, &extra, &more, &bps, &spp);
      break;
    case IFF_JP2:
      failed = freadHeaderJp2k(file, &w, &h, &bps, &spp, &extra);
      break;
    case IFF_SPIX:
      failed = freadHeaderSpix(file, &w, &h, &bps, &spp, &extra);
      break;
    default:
      return std::nullopt;
  }
  if (failed != 0)
    return std::nullopt;
  return ImageSize{w, h};
}

}  // namespace

bool fitsPixelLimit(const ImageSize& size) {
  return size.width > 0 && size.height > 0 && size.width <= maximumImageSide &&
         size.height <= maximumImageSide && size.width * size.height <= maximumImagePixels;
}

std::optional<ImageSize> readImageSize(std::FILE* file) {
  l_int32 format = IFF_UNKNOWN;
  if (findFileFormatStream(file, &format) != 0)
    return std::nullopt;
  switch (format) {
    case IFF_BMP:
      return bmpSize(file);
    case IFF_GIF:
      return gifSize(file);
    case IFF_WEBP:
      return webpSize(file);
    default:
      return sizeFromLeptonica(file, format);
  }
}

}  // namespace orvane
