#include "platform/tesseract/non_text_marks.h"

#include <allheaders.h>

#include <algorithm>
#include <vector>

namespace orvane {

namespace {

// What an opening leaves of a thin mark: anti-aliasing specks at most.
constexpr double survivingShareOfThinMark = 0.1;
constexpr l_int32 white = 255;

struct Mark {
  l_int32 x, y, w, h;
};

std::vector<Mark> markBoxes(Boxa* boxes) {
  std::vector<Mark> marks;
  const l_int32 count = boxaGetCount(boxes);
  marks.reserve(static_cast<std::size_t>(count));
  for (l_int32 i = 0; i < count; ++i) {
    Mark mark{};
    boxaGetBoxGeometry(boxes, i, &mark.x, &mark.y, &mark.w, &mark.h);
    marks.push_back(mark);
  }
  return marks;
}

bool enclosesAnother(const std::vector<Mark>& marks, std::size_t outer) {
  const Mark& o = marks[outer];
  for (std::size_t i = 0; i < marks.size(); ++i) {
    const Mark& m = marks[i];
    if (i != outer && m.x > o.x && m.y > o.y && m.x + m.w < o.x + o.w && m.y + m.h < o.y + o.h)
      return true;
  }
  return false;
}

bool isThin(Pix* mark) {
  l_int32 all = 0;
  l_int32 surviving = 0;
  const PixPointer opened(pixOpenBrick(nullptr, mark, 3, 3));
  if (!opened || pixCountPixels(mark, &all, nullptr) != 0 ||
      pixCountPixels(opened.get(), &surviving, nullptr) != 0)
    return false;
  return surviving <= survivingShareOfThinMark * all;
}

l_int32 horizontalGap(const Mark& a, const Mark& b) {
  return std::max(b.x - (a.x + a.w), a.x - (b.x + b.w));
}

// Whether another mark at least half as tall shares most of the mark's rows within a mark's
// height to its side, as the letters of a headline do.
bool hasTallNeighbour(const std::vector<Mark>& marks, std::size_t i) {
  const Mark& m = marks[i];
  for (std::size_t j = 0; j < marks.size(); ++j) {
    const Mark& n = marks[j];
    if (j == i || 2 * n.h < m.h)
      continue;
    const l_int32 sharedRows = std::min(m.y + m.h, n.y + n.h) - std::max(m.y, n.y);
    if (2 * sharedRows >= std::min(m.h, n.h) && horizontalGap(m, n) <= m.h)
      return true;
  }
  return false;
}

// Whether a glyph-sized mark sits in the mark's rows within three of its heights to its side.
bool hasTextBeside(const std::vector<Mark>& marks, std::size_t i, int glyphHeight) {
  const Mark& m = marks[i];
  for (const Mark& n : marks) {
    const l_int32 middle = n.y + n.h / 2;
    if (n.h <= 2 * glyphHeight && middle > m.y && middle < m.y + m.h && horizontalGap(m, n) > 0 &&
        horizontalGap(m, n) <= 3 * m.h)
      return true;
  }
  return false;
}

// An icon beside a line of text: a solid, compact mark far taller than the text, alone among
// smaller glyphs in its rows. Read as one block with its line, it throws off the line's measure
// and the line is lost. A large letter without text beside it (a headline's) stays.
bool isIconBesideText(const std::vector<Mark>& marks, std::size_t i, int glyphHeight) {
  const Mark& m = marks[i];
  return m.h >= iconHeightFactor * glyphHeight && m.w <= 2 * m.h && 2 * m.w >= m.h &&
         !hasTallNeighbour(marks, i) && hasTextBeside(marks, i, glyphHeight);
}

bool whitenBox(Pix* grey, const Mark& where) {
  BOX* box = boxCreate(where.x - 1, where.y - 1, where.w + 2, where.h + 2);
  const bool painted = box != nullptr && pixSetInRectArbitrary(grey, box, white) == 0;
  boxDestroy(&box);
  return painted;
}

bool isCandidate(const std::vector<Mark>& marks, std::size_t i, int glyphHeight) {
  const double height = marks[i].h;
  if (height >= barHeightFactor * glyphHeight)
    return true;
  return height >= frameHeightFactor * glyphHeight && enclosesAnother(marks, i);
}

// Whitens the mark and the anti-aliased fringe around it, which would otherwise stay behind as
// a faint ghost of the frame.
bool whiten(Pix* grey, Pix* mark, const Mark& where) {
  const PixPointer padded(pixAddBorder(mark, 1, 0));
  if (!padded)
    return false;
  const PixPointer fringe(pixDilateBrick(nullptr, padded.get(), 3, 3));
  return fringe && pixPaintThroughMask(grey, fringe.get(), where.x - 1, where.y - 1, white) == 0;
}

}  // namespace

bool eraseNonTextMarks(Pix* grey, const InkMarks& ink, int glyphHeight) {
  const std::vector<Mark> marks = markBoxes(ink.boxes.get());
  for (std::size_t i = 0; i < marks.size(); ++i) {
    if (isIconBesideText(marks, i, glyphHeight)) {
      if (!whitenBox(grey, marks[i]))
        return false;
      continue;
    }
    if (!isCandidate(marks, i, glyphHeight))
      continue;
    const PixPointer mark(pixaGetPix(ink.images.get(), static_cast<l_int32>(i), L_CLONE));
    if (mark && isThin(mark.get()) && !whiten(grey, mark.get(), marks[i]))
      return false;
  }
  return true;
}

}  // namespace orvane
