#pragma once

#include <vector>

#include "platform/tesseract/leptonica_image.h"

namespace orvane {

// Text on a screen or a page sits on a flat background and has sharp edges, so a square of the
// image that holds text has both: many neighbouring pixels equal or nearly so, and some steps
// between them as large as a glyph's edge. Noise and grainy textures have large steps nearly
// everywhere; gradients and blank areas have none. Judged on squares of this side at the stored
// size, before any other work.
inline constexpr int tileSide = 32;

enum class TileKind { blank, text, picture };

// The kind of every tileSide square of an 8-bit grey image, row by row from the top left; the
// squares of the last column and row reach to the image's edge (up to twice tileSide), and an
// image smaller than a square is one square.
struct TileSurvey {
  int columns;
  int rows;
  std::vector<TileKind> kinds;

  bool anyText() const;
};

TileSurvey surveyTiles(Pix* grey);

// Paints the picture squares of grey white, so that nothing is read there. False if Leptonica
// fails.
bool whitenPictures(Pix* grey, const TileSurvey& survey);

}  // namespace orvane
