// `ocr` on files made to break a decoder: truncated and corrupted images of every common format,
// zero-sized images, and headers that declare enormous images (decompression bombs). Every run
// must end soundly and quickly: "invalid image", or a recognition result when the damage left a
// decodable picture.
#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <iterator>

#include "e2e/ocr_fixtures.h"
#include "e2e/sound_run.h"
#include "support/child_process.h"

namespace orvane {
namespace {

using testing::OCRFixtures;
using testing::ProcessOptions;
using testing::ProcessOutcome;

const std::string invalidImage = "{\"success\":false,\"error\":\"invalid image\"}\n";

std::string readFile(const std::string& path) {
  std::ifstream stream(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(stream), {}};
}

ProcessOutcome ocr(const std::string& path) { return testing::runTool({"ocr", path}); }

::testing::AssertionResult isSound(const ProcessOutcome& outcome) {
  return testing::isSoundRun(outcome, invalidImage);
}

std::uint32_t crc32(std::string_view bytes) {
  std::uint32_t crc = 0xFFFFFFFF;
  for (const char c : bytes) {
    crc ^= static_cast<unsigned char>(c);
    for (int bit = 0; bit < 8; ++bit)
      crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
  }
  return ~crc;
}

std::string bigEndian(std::uint32_t value) {
  return {static_cast<char>(value >> 24), static_cast<char>(value >> 16),
          static_cast<char>(value >> 8), static_cast<char>(value)};
}

// A PNG whose header declares width x height over a tiny, valid compressed body.
std::string pngDeclaring(std::uint32_t width, std::uint32_t height) {
  // Depth 8, grey, deflate, no filter, no interlace: 13 bytes of IHDR body in all.
  const std::string header =
      "IHDR" + bigEndian(width) + bigEndian(height) + std::string("\x08\x00\x00\x00\x00", 5);
  // One zlib-compressed zero byte: the filter byte of a single empty row.
  const std::string data("IDAT\x78\x9c\x63\x00\x00\x00\x01\x00\x01", 13);
  const auto chunk = [](const std::string& typeAndBody) {
    return bigEndian(static_cast<std::uint32_t>(typeAndBody.size() - 4)) + typeAndBody +
           bigEndian(crc32(typeAndBody));
  };
  return std::string("\x89PNG\r\n\x1a\n", 8) + chunk(header) + chunk(data) + chunk("IEND");
}

// A GIF whose screen and first frame declare width x height, with an empty body.
std::string gifDeclaring(std::uint16_t width, std::uint16_t height) {
  const auto little = [](std::uint16_t v) {
    return std::string{static_cast<char>(v & 0xFF), static_cast<char>(v >> 8)};
  };
  return "GIF89a" + little(width) + little(height) + std::string("\x00\x00\x00", 3) + "," +
         little(0) + little(0) + little(width) + little(height) +
         std::string("\x00\x02\x02\x4c\x01\x00;", 7);
}

TEST(HostileImages, TruncatedAndCorruptedFilesOfEveryFormat) {
  const OCRFixtures& fixtures = OCRFixtures::get();
  const std::string source = fixtures.path("first.png");
  for (const char* format : {"png", "jpg", "tif", "gif", "bmp", "webp", "pnm"}) {
    const std::string whole = fixtures.path(std::string("whole.") + format);
    ASSERT_EQ(testing::runProcess({"/usr/bin/convert", source, whole}).exitStatus, 0) << format;
    const std::string bytes = readFile(whole);
    ASSERT_GT(bytes.size(), 64u) << format;
    for (const std::size_t keep :
         {std::size_t{8}, std::size_t{40}, bytes.size() / 2, bytes.size() - 1}) {
      const auto outcome =
          ocr(fixtures.write("cut." + std::to_string(keep) + "." + format, bytes.substr(0, keep)));
      EXPECT_TRUE(isSound(outcome)) << format << " cut to " << keep;
    }
    std::string corrupted = bytes;
    for (std::size_t at = 24; at < corrupted.size(); at += 7)
      corrupted[at] = static_cast<char>(~corrupted[at]);
    EXPECT_TRUE(isSound(ocr(fixtures.write(std::string("corrupt.") + format, corrupted))))
        << format;
  }
}

TEST(HostileImages, ZeroSizedAndEnormousDeclaredImagesAreInvalid) {
  const OCRFixtures& fixtures = OCRFixtures::get();
  const std::array<std::pair<const char*, std::string>, 6> cases = {{
      {"zero-width.png", pngDeclaring(0, 10)},
      {"zero-height.png", pngDeclaring(10, 0)},
      {"bomb.png", pngDeclaring(100000, 100000)},
      {"tall-bomb.png", pngDeclaring(1, 2000000000)},
      {"bomb.gif", gifDeclaring(65535, 65535)},
      {"zero.gif", gifDeclaring(0, 0)},
  }};
  for (const auto& [name, bytes] : cases) {
    const auto outcome = ocr(fixtures.write(name, bytes));
    EXPECT_FALSE(outcome.timedOut) << name;
    EXPECT_EQ(outcome.exitStatus, 1) << name;
    EXPECT_EQ(outcome.err, invalidImage) << name;
  }
}

}  // namespace
}  // namespace orvane
