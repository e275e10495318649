// How the Tesseract backend prepares an image: grey, dark regions inverted, frames and bars
// whitened, small text enlarged.
#include <allheaders.h>
#include <gtest/gtest.h>
#include <cmath>

#include "e2e/ocr_fixtures.h"
#include "platform/tesseract/background_light.h"
#include "platform/tesseract/dark_regions.h"
#include "platform/tesseract/image_preparation.h"
#include "platform/tesseract/leptonica_decoder.h"
#include "platform/tesseract/leptonica_image.h"
#include "platform/tesseract/non_text_marks.h"
#include "platform/tesseract/text_height.h"
#include "platform/tesseract/text_tiles.h"

namespace orvane {
namespace {

using testing::OCRFixtures;

TEST(RecognitionScale, EnlargesSmallTextTowardsTheTargetWithinLimitsAndBudget) {
  EXPECT_EQ(recognitionScale(9, 800, 400), 2.0);
  EXPECT_EQ(recognitionScale(3, 400, 300), maximumScale);
  EXPECT_DOUBLE_EQ(recognitionScale(3, 800, 400), std::sqrt(scaledPixelBudget / (800 * 400)));
  EXPECT_EQ(recognitionScale(18, 800, 400), 1.0);
  EXPECT_EQ(recognitionScale(40, 800, 400), 1.0);  // large text is never shrunk
  EXPECT_EQ(recognitionScale(17, 800, 400), 1.0);  // too little gain to pay for
  EXPECT_EQ(recognitionScale(std::nullopt, 800, 400), 1.0);
  EXPECT_EQ(recognitionScale(0, 800, 400), 1.0);
  // A full screen is already at the pixel budget; a quarter of it may double.
  EXPECT_EQ(recognitionScale(6, 1920, 1080), 1.0);
  EXPECT_DOUBLE_EQ(recognitionScale(6, 960, 540), 2.0);
}

// A width x height grey image of one value, with a rectangle of another.
PixPointer panel(int width, int height, l_uint32 background, l_uint32 mark) {
  PixPointer pix(pixCreate(width, height, 8));
  pixSetAllArbitrary(pix.get(), background);
  for (int y = 40; y < 50; ++y)
    for (int x = 40; x < 80; ++x)
      pixSetPixel(pix.get(), x, y, mark);
  return pix;
}

void fill(Pix* pix, int left, int top, int width, int height, l_uint32 value) {
  for (int y = top; y < top + height; ++y)
    for (int x = left; x < left + width; ++x)
      pixSetPixel(pix, x, y, value);
}

// The whole preparation of a stored image that holds text.
PixPointer prepared(Pix* stored) {
  PixPointer grey = greyForRecognition(stored);
  const TileSurvey tiles = surveyTiles(grey.get());
  EXPECT_TRUE(tiles.anyText());
  return prepareForRecognition(std::move(grey), tiles);
}

l_uint32 at(Pix* pix, int x, int y) {
  l_uint32 value = 0;
  pixGetPixel(pix, x, y, &value);
  return value;
}

TEST(DarkRegions, InvertsOnlyWhereTheBackgroundIsDark) {
  const PixPointer light = panel(200, 100, 230, 20);
  EXPECT_FALSE(hasDarkRegions(light.get()));

  const PixPointer dark = panel(200, 100, 30, 220);
  ASSERT_TRUE(hasDarkRegions(dark.get()));
  const PixPointer inverted = invertDarkRegions(dark.get());
  EXPECT_EQ(at(inverted.get(), 10, 10), 225u);
  EXPECT_EQ(at(inverted.get(), 50, 45), 35u);  // the light mark becomes dark text

  // A dark left half beside a light right half: only the left one turns.
  PixPointer halves(pixCreate(400, 100, 8));
  pixSetAllArbitrary(halves.get(), 240);
  for (int y = 0; y < 100; ++y)
    for (int x = 0; x < 200; ++x)
      pixSetPixel(halves.get(), x, y, 10);
  const PixPointer mixed = invertDarkRegions(halves.get());
  EXPECT_EQ(at(mixed.get(), 20, 50), 245u);
  EXPECT_EQ(at(mixed.get(), 380, 50), 240u);
}

// A light window at the top left of a dark desktop, and a dark one below it, each with a glyph
// two pixels inside its corner, where the neighbourhood is mostly the desktop: each window
// decides for its own glyph.
TEST(DarkRegions, WindowsDecideForTheTextAtTheirEdges) {
  PixPointer desktop(pixCreate(400, 400, 8));
  pixSetAllArbitrary(desktop.get(), 0);
  fill(desktop.get(), 40, 40, 300, 100, 255);
  fill(desktop.get(), 42, 42, 3, 12, 0);  // a dark stroke in the light window
  fill(desktop.get(), 40, 200, 300, 100, 30);
  fill(desktop.get(), 42, 202, 3, 12, 220);  // a light stroke in the dark window
  const PixPointer prepared = invertDarkRegions(desktop.get());
  ASSERT_TRUE(prepared);
  EXPECT_EQ(at(prepared.get(), 43, 43), 0u);
  EXPECT_EQ(at(prepared.get(), 41, 41), 255u);
  EXPECT_EQ(at(prepared.get(), 43, 203), 35u);
  EXPECT_EQ(at(prepared.get(), 41, 201), 225u);
  EXPECT_EQ(at(prepared.get(), 10, 10), 255u);  // the desktop itself
}

void outline(Pix* pix, int left, int top, int width, int height) {
  fill(pix, left, top, width, 1, 0);
  fill(pix, left, top + height - 1, width, 1, 0);
  fill(pix, left, top, 1, height, 0);
  fill(pix, left + width - 1, top, 1, height, 0);
}

TEST(NonTextMarks, ThinFramesTallBarsAndIconsBesideTextGoAndEverythingElseStays) {
  constexpr int glyph = 10;
  PixPointer page(pixCreate(400, 200, 8));
  pixSetAllArbitrary(page.get(), 255);
  // A line of text, so that the page measures as glyphs `glyph` pixels tall.
  for (int x = 100; x < 380; x += 10)
    fill(page.get(), x, 150, 6, glyph, 0);
  // Two glyphs in a button outline 24 px tall, one in an outline too low to be a frame.
  fill(page.get(), 20, 20, 6, glyph, 0);
  fill(page.get(), 30, 20, 6, glyph, 0);
  outline(page.get(), 12, 13, 34, 24);
  fill(page.get(), 80, 20, 6, glyph, 0);
  outline(page.get(), 74, 17, 18, 16);
  // A stippled bar and a thin rule, four and two glyphs tall.
  for (int y = 60; y < 100; ++y)
    for (int x = 20; x < 28; ++x)
      if ((x + y) % 2 == 0)
        pixSetPixel(page.get(), x, y, 0);
  fill(page.get(), 60, 60, 1, 2 * glyph, 0);
  // A headline letter in thick strokes, itself framing a glyph: four glyphs tall.
  fill(page.get(), 200, 40, 40, 40, 0);
  fill(page.get(), 205, 45, 30, 30, 255);
  fill(page.get(), 215, 55, 6, glyph, 0);
  // An icon at the start of the line of text, three glyphs tall, with a mark inside.
  fill(page.get(), 60, 140, 30, 30, 0);
  fill(page.get(), 64, 144, 22, 22, 255);
  fill(page.get(), 72, 150, 6, glyph, 0);

  // Preparation erases in its own copy: the decoded image stays as the file stored it.
  const PixPointer stored(pixCopy(nullptr, page.get()));
  ASSERT_NE(prepared(stored.get()), nullptr);
  l_int32 unchanged = 0;
  ASSERT_EQ(pixEqual(stored.get(), page.get(), &unchanged), 0);
  EXPECT_TRUE(unchanged);

  const auto ink = findInkMarks(page.get());
  ASSERT_TRUE(ink);
  ASSERT_TRUE(eraseNonTextMarks(page.get(), *ink, glyph));
  EXPECT_EQ(at(page.get(), 12, 25), 255u);  // button outline
  EXPECT_EQ(at(page.get(), 11, 25), 255u);  // and its fringe
  EXPECT_EQ(at(page.get(), 20, 60), 255u);  // stipple
  EXPECT_EQ(at(page.get(), 22, 20), 0u);    // the glyphs in the button
  EXPECT_EQ(at(page.get(), 32, 25), 0u);
  EXPECT_EQ(at(page.get(), 74, 20), 0u);   // the low outline
  EXPECT_EQ(at(page.get(), 60, 70), 0u);   // the short rule
  EXPECT_EQ(at(page.get(), 202, 60), 0u);  // the headline letter
  EXPECT_EQ(at(page.get(), 217, 60), 0u);
  EXPECT_EQ(at(page.get(), 61, 150), 255u);  // the icon, and what it holds
  EXPECT_EQ(at(page.get(), 74, 155), 255u);
  EXPECT_EQ(at(page.get(), 102, 155), 0u);  // the text beside it
}

// Three squares side by side: glyph-like bars on white, noise, a gentle gradient.
TEST(TextTiles, FlatSquaresWithEdgesMayHoldTextNoiseIsAPictureAndGradientsAreBlank) {
  PixPointer image(pixCreate(3 * tileSide, tileSide + 5, 8));
  pixSetAllArbitrary(image.get(), 255);
  for (int x = 4; x < tileSide - 4; x += 5)
    fill(image.get(), x, 10, 2, 12, 20);
  unsigned seed = 1;
  for (int y = 0; y < tileSide + 5; ++y) {
    for (int x = 0; x < tileSide; ++x) {
      seed = seed * 1103515245u + 12345u;
      pixSetPixel(image.get(), tileSide + x, y, (seed >> 16) & 0xff);
      pixSetPixel(image.get(), 2 * tileSide + x, y, 100 + static_cast<l_uint32>(x + y));
    }
  }
  const TileSurvey survey = surveyTiles(image.get());
  ASSERT_EQ(survey.columns, 3);
  ASSERT_EQ(survey.rows, 1);  // the rows left over at the bottom join the last square
  EXPECT_EQ(survey.kinds, (std::vector{TileKind::text, TileKind::picture, TileKind::blank}));
  EXPECT_TRUE(survey.anyText());

  ASSERT_TRUE(whitenPictures(image.get(), survey));
  EXPECT_EQ(at(image.get(), tileSide + 3, tileSide + 4), 255u);
  EXPECT_EQ(at(image.get(), 5, 15), 20u);
  EXPECT_EQ(at(image.get(), 2 * tileSide, 0), 100u + 0u);
  EXPECT_FALSE(surveyTiles(panel(200, 100, 255, 255).get()).anyText());
}

// A mid-tone bar with a dark stroke and a lighter halo around it, on a light page beside a dark
// one: only the bar turns white, its stroke stays dark.
TEST(BackgroundLight, MidToneBarsTurnWhiteAndKeepTheirText) {
  PixPointer page(pixCreate(300, 60, 8));
  pixSetAllArbitrary(page.get(), 230);
  fill(page.get(), 200, 0, 100, 60, 20);
  fill(page.get(), 0, 20, 200, 24, 100);
  fill(page.get(), 50, 24, 6, 16, 150);  // halo
  fill(page.get(), 51, 25, 4, 14, 10);   // stroke
  fill(page.get(), 100, 5, 2, 10, 40);   // a stroke on the light page
  const PixPointer lightened = whitenBackgrounds(page.get(), 10);
  ASSERT_TRUE(lightened);
  EXPECT_EQ(at(lightened.get(), 20, 30), 255u);
  EXPECT_EQ(at(lightened.get(), 50, 30), 255u);
  EXPECT_LT(at(lightened.get(), 52, 30), 30u);
  EXPECT_EQ(at(lightened.get(), 10, 5), 230u);
  EXPECT_EQ(at(lightened.get(), 100, 10), 40u);
  EXPECT_EQ(at(lightened.get(), 250, 30), 20u);
}

TEST(GlyphHeight, ComesFromTheGlyphsAndNeedsEnoughOfThem) {
  const PixPointer page(pixRead(OCRFixtures::get().path("english.png").c_str()));
  const PixPointer grey = greyForRecognition(page.get());
  const auto height = typicalGlyphHeight(findInkMarks(grey.get()).value());
  ASSERT_TRUE(height.has_value());
  // 36-point DejaVu Sans: lower case about 20 px, capitals and ascenders about 27 px.
  EXPECT_GE(*height, 18);
  EXPECT_LE(*height, 30);
  const PixPointer blank = panel(200, 100, 255, 255);
  EXPECT_EQ(typicalGlyphHeight(findInkMarks(blank.get()).value()), std::nullopt);
}

TEST(Preparation, DecodedImagesAreGreyAndPreparedOnesKeepTheirShape) {
  LeptonicaDecoder decoder;
  const auto decoded = decoder.decodeFirstImage(OCRFixtures::get().path("english.png"));
  ASSERT_NE(decoded, nullptr);
  Pix* stored = dynamic_cast<const LeptonicaImage&>(*decoded).pix();
  EXPECT_EQ(pixGetDepth(stored), 8);
  EXPECT_EQ(pixGetWidth(stored), 900);
  // Large text: handed over as it is, size and all.
  const PixPointer large = prepared(stored);
  EXPECT_EQ(pixGetWidth(large.get()), 900);
  EXPECT_EQ(pixGetHeight(large.get()), 200);
  // Small text: enlarged by the same factor on both axes, so boxes keep their fractions.
  const PixPointer small(pixScale(stored, 0.25f, 0.25f));
  const PixPointer enlarged = prepared(small.get());
  EXPECT_GT(pixGetWidth(enlarged.get()), pixGetWidth(small.get()));
  EXPECT_NEAR(static_cast<double>(pixGetWidth(enlarged.get())) / pixGetWidth(small.get()),
              static_cast<double>(pixGetHeight(enlarged.get())) / pixGetHeight(small.get()), 0.02);
}

}  // namespace
}  // namespace orvane
