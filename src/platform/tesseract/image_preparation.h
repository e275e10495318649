#pragma once

#include <optional>

#include "platform/tesseract/leptonica_image.h"
#include "platform/tesseract/text_tiles.h"

namespace orvane {

// Tesseract reads best when a glyph's typical connected component (about the x-height) is this
// tall; smaller text is enlarged towards it, larger text is left alone.
inline constexpr double targetGlyphHeight = 18;
inline constexpr double maximumScale = 3;
// The enlarged image holds at most the pixels of a 1920x1080 screen: Tesseract keeps several
// copies of it, and beyond this the process outgrows the tesseract CLI's on the same image.
inline constexpr double scaledPixelBudget = 1920.0 * 1080.0;

// The factor by which a width x height image whose glyphs are glyphHeight pixels tall is enlarged
// for recognition: at least 1, at most maximumScale, and within the pixel budget.
double recognitionScale(std::optional<int> glyphHeight, int width, int height);

// The image in 8-bit grey: transparency laid over white, 16-bit samples cut to 8 bits (which
// Tesseract's thresholding does not handle), colour turned into luminance. The decoder keeps
// images in this form, a quarter of the memory of colour while Tesseract holds its copies.
PixPointer greyForRecognition(Pix* stored);

// What the recogniser is given, from greyForRecognition and its tiles (when surveyTiles found
// some that may hold text): dark-background regions inverted so that all text is dark on light,
// picture squares whitened, frames and bars around the text whitened (eraseNonTextMarks),
// mid-tone backgrounds whitened (whitenBackgrounds), and enlarged by recognitionScale. Never
// changes the stored image that grey may share; nullptr if memory runs out.
PixPointer prepareForRecognition(PixPointer grey, const TileSurvey& tiles);

}  // namespace orvane
