// The Tesseract backend called directly, for what the tool's output cannot show.
#include <gtest/gtest.h>
#include <filesystem>

#include "base/tool_error.h"
#include "e2e/ocr_fixtures.h"
#include "ocr/recognize.h"
#include "platform/tesseract/chinese_punctuation.h"
#include "platform/tesseract/image_size.h"
#include "platform/tesseract/leptonica_decoder.h"
#include "platform/tesseract/tesseract_recognizer.h"
#include "platform/tesseract/text_lines.h"
#include "support/fakes.h"

namespace orvane {
namespace {

using testing::OCRFixtures;

TEST(PixelLimit, SidesUpTo32767AndAreaUpTo100Megapixels) {
  EXPECT_TRUE(fitsPixelLimit({1, 1}));
  EXPECT_TRUE(fitsPixelLimit({32767, 3051}));
  EXPECT_TRUE(fitsPixelLimit({10000, 10000}));
  EXPECT_FALSE(fitsPixelLimit({10000, 10001}));
  EXPECT_FALSE(fitsPixelLimit({32768, 1}));
  EXPECT_FALSE(fitsPixelLimit({1, 32768}));
  EXPECT_FALSE(fitsPixelLimit({0, 10}));
  EXPECT_FALSE(fitsPixelLimit({10, -1}));
}

ImageSize sizeOf(const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  const auto size = readImageSize(file);
  std::fclose(file);
  EXPECT_TRUE(size.has_value()) << path;
  return size.value_or(ImageSize{-1, -1});
}

TEST(ImageHeader, SizesComeFromTheHeaderOfEveryFormat) {
  const OCRFixtures& images = OCRFixtures::get();
  for (const char* name : {"pages.tif", "frames.gif", "plain.jpg", "first.png"}) {
    const ImageSize size = sizeOf(images.path(name));
    EXPECT_EQ(size.width, 600) << name;
    EXPECT_EQ(size.height, 150) << name;
  }
  // Header fields only: the pixel data behind them is missing.
  const std::string hugeGif =
      images.write("huge.gif", std::string("GIF89a\x40\x9c\x41\x9c\0\0\0;", 14));
  EXPECT_EQ(sizeOf(hugeGif).width, 40000);
  EXPECT_EQ(sizeOf(hugeGif).height, 40001);
  std::string bmp(26, '\0');
  bmp[0] = 'B', bmp[1] = 'M', bmp[14] = 40;
  bmp[18] = '\x10', bmp[19] = '\x27';                              // width 10000
  bmp[22] = '\xf0', bmp[23] = '\xd8', bmp[24] = bmp[25] = '\xff';  // height -10000: top-down
  EXPECT_EQ(sizeOf(images.write("huge.bmp", bmp)).height, 10000);
  EXPECT_EQ(LeptonicaDecoder().decodeFirstImage(hugeGif), nullptr);
}

TEST(TextLines, BoxesAreFractionsFromTheLowerLeftCorner) {
  const NormalizedBox box = normalizedBox({10, 20, 110, 70}, 200, 100);
  EXPECT_EQ(box.x, 0.05);
  EXPECT_EQ(box.y, 0.3);
  EXPECT_EQ(box.width, 0.5);
  EXPECT_EQ(box.height, 0.5);
}

TEST(ChinesePunctuation, FullWidthAfterChineseOnly) {
  EXPECT_EQ(chinesePunctuation("会议时间: 星期三 14:00"), "会议时间：星期三 14:00");
  EXPECT_EQ(chinesePunctuation("下一步 :  优化, 完成了吗?好!"), "下一步：优化，完成了吗？好！");
  EXPECT_EQ(chinesePunctuation("王明; Li Lei"), "王明；Li Lei");
  EXPECT_EQ(chinesePunctuation("（注）: 见"), "（注）：见");
  EXPECT_EQ(chinesePunctuation("𠀋: x"), "𠀋：x");  // beyond the Basic Multilingual Plane
  // Not after Chinese: English, numbers, a mark that opens the line.
  EXPECT_EQ(chinesePunctuation("Time: 14:00, ok?"), "Time: 14:00, ok?");
  EXPECT_EQ(chinesePunctuation(": 见"), ": 见");
  EXPECT_EQ(chinesePunctuation("见 1: x"), "见 1: x");
  EXPECT_EQ(chinesePunctuation("见 . x"), "见 . x");
  EXPECT_EQ(chinesePunctuation(""), "");
  // Bytes that are not UTF-8 are passed through untouched.
  EXPECT_EQ(chinesePunctuation("见\xff: x"), "见\xff: x");
}

TEST(TesseractRecognizer, MissingLanguageDataFailsEveryAttemptSayingWhatAndWhere) {
  namespace fs = std::filesystem;
  const fs::path partial = fs::path(OCRFixtures::get().directory()) / "tessdata-eng-only";
  fs::create_directories(partial);
  fs::create_symlink(fs::path(ORVANE_TESSDATA_DIR) / "eng.traineddata",
                     partial / "eng.traineddata");
  LeptonicaDecoder decoder;
  TesseractRecognizer recognizer(partial.string());
  testing::FakeSleeper sleeper;
  try {
    recognize(OCRFixtures::get().path("first.png"), decoder, recognizer, sleeper);
    ADD_FAILURE() << "recognize did not throw";
  } catch (const PlatformError& error) {
    EXPECT_EQ(std::string(error.what()),
              "Tesseract language data \"chi_sim\" is missing: cannot read " + partial.string() +
                  "/chi_sim.traineddata");
  }
  EXPECT_EQ(sleeper.pauses, (std::vector<double>{0.12, 0.24}));
}

TEST(TesseractRecognizer, RefusesAnImageItDidNotDecode) {
  testing::FakeImage foreign("x.png");
  TesseractRecognizer recognizer(ORVANE_TESSDATA_DIR);
  EXPECT_THROW(recognizer.recognizeText(foreign), PlatformError);
}

}  // namespace
}  // namespace orvane
