#include "platform/tesseract/text_tiles.h"

#include <allheaders.h>

#include <algorithm>
#include <cstdlib>

namespace orvane {

namespace {

// Neighbours this close count as flat, with room for the ringing that JPEG leaves around glyphs;
// a step this large counts as an edge: low-contrast text still makes some, a smooth gradient none.
constexpr int flatStep = 12;
constexpr int edgeStep = 20;
// A square needs a few edges to hold any text at all.
constexpr int fewestEdges = 4;
// Background is flat over runs of several pixels, noise hardly ever: in uniform noise a run this
// long of flat steps starts at one step in several thousand.
constexpr int flatRun = 4;
// The share of steps that end such a run: at least 0.23 in every square with text of the
// evaluation corpus and 0.013 in JPEG copies of it at quality 20; at most 0.008 in a square of
// noise.
constexpr double leastFlatShareOfText = 0.01;

// What is left over at the right and bottom edges joins the last full square, so that no square
// is judged on a few pixels.
int tilesAlong(int length) {
  return std::max(1, length / tileSide);
}

int tileOf(int position, int tiles) {
  return std::min(position / tileSide, tiles - 1);
}

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
    TileCounts* rowCounts = &counts[static_cast<std::size_t>(tileOf(y, rows)) * columns];
    int left = GET_DATA_BYTE(line, 0);
    int run = 0;
    for (int x = 1; x < width; ++x) {
      const int right = GET_DATA_BYTE(line, x);
      const int step = std::abs(right - left);
      TileCounts& tile = rowCounts[tileOf(x - 1, columns)];
      ++tile.pairs;
      run = step <= flatStep ? run + 1 : 0;
      tile.flat += run >= flatRun;
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
  const int columns = tilesAlong(pixGetWidth(grey));
  const int rows = tilesAlong(pixGetHeight(grey));
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
      // Setting every bit of an 8-bit pixel makes it white; the last squares reach to the edge.
      const int right = column + 1 == survey.columns ? pixGetWidth(grey) : (column + 1) * tileSide;
      const int bottom = row + 1 == survey.rows ? pixGetHeight(grey) : (row + 1) * tileSide;
      if (pixRasterop(grey, column * tileSide, row * tileSide, right - column * tileSide,
                      bottom - row * tileSide, PIX_SET, nullptr, 0, 0) != 0)
        return false;
    }
  }
  return true;
}

}  // namespace orvane
