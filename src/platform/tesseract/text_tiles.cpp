#include "platform/tesseract/text_tiles.h"

#include <allheaders.h>

#include <algorithm>
#include <cstdlib>

namespace orvane {

namespace {

// Neighbours this close count as flat background (room for JPEG and dithering noise), a step
// this large as an edge: low-contrast text still makes some, a smooth gradient none.
constexpr int flatStep = 4;
constexpr int edgeStep = 16;
// A square needs a few edges to hold any text at all.
constexpr int fewestEdges = 4;
// On the screenshots and pages read so far a square with text is at least half flat; uniform
// noise is about 4% flat, textured photographs somewhere between.
constexpr double leastFlatShareOfText = 0.3;

struct TileCounts {
  int pairs = 0;
  int flat = 0;
  int edges = 0;
};

std::vector<TileCounts> countSteps(Pix* grey, int columns, int rows) {
  std::vector<TileCounts> counts(static_cast<std::size_t>(columns) * rows);
  const int width = pixGetWidth(grey);
  const int height = pixGetHeight(grey);
  const int wordsPerLine = pixGetWpl(grey);
  const l_uint32* data = pixGetData(grey);
  for (int y = 0; y < height; ++y) {
    const l_uint32* line = data + static_cast<std::ptrdiff_t>(y) * wordsPerLine;
    TileCounts* rowCounts = &counts[static_cast<std::size_t>(y / tileSide) * columns];
    int left = GET_DATA_BYTE(line, 0);
    for (int x = 1; x < width; ++x) {
      const int right = GET_DATA_BYTE(line, x);
      const int step = std::abs(right - left);
      TileCounts& tile = rowCounts[(x - 1) / tileSide];
      ++tile.pairs;
      tile.flat += step <= flatStep;
      tile.edges += step >= edgeStep;
      left = right;
    }
  }
  return counts;
}

TileKind kindOf(const TileCounts& counts) {
  if (counts.edges < fewestEdges)
    return TileKind::blank;
  return counts.flat >= leastFlatShareOfText * counts.pairs ? TileKind::text : TileKind::picture;
}

}  // namespace

bool TileSurvey::anyText() const {
  return std::find(kinds.begin(), kinds.end(), TileKind::text) != kinds.end();
}

TileSurvey surveyTiles(Pix* grey) {
  const int columns = (pixGetWidth(grey) + tileSide - 1) / tileSide;
  const int rows = (pixGetHeight(grey) + tileSide - 1) / tileSide;
  TileSurvey survey{columns, rows, {}};
  for (const TileCounts& counts : countSteps(grey, columns, rows))
    survey.kinds.push_back(kindOf(counts));
  return survey;
}

bool whitenPictures(Pix* grey, const TileSurvey& survey) {
  for (int row = 0; row < survey.rows; ++row) {
    for (int column = 0; column < survey.columns; ++column) {
      if (survey.kinds[static_cast<std::size_t>(row) * survey.columns + column] !=
          TileKind::picture)
        continue;
      // Setting every bit of an 8-bit pixel makes it white; the square is clipped to the image.
      if (pixRasterop(grey, column * tileSide, row * tileSide, tileSide, tileSide, PIX_SET, nullptr,
                      0, 0) != 0)
        return false;
    }
  }
  return true;
}

}  // namespace orvane
