#include "platform/tesseract/non_text_marks.h"

#include <allheaders.h>

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
    if (!isCandidate(marks, i, glyphHeight))
      continue;
    const PixPointer mark(pixaGetPix(ink.images.get(), static_cast<l_int32>(i), L_CLONE));
    if (mark && isThin(mark.get()) && !whiten(grey, mark.get(), marks[i]))
      return false;
  }
  return true;
}

}  // namespace orvane
