#include "platform/tesseract/dark_regions.h"

#include <allheaders.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace orvane {

namespace {

// Half the side of the neighbourhood whose mean decides: several text lines high, so that a
// line of text sits well inside the region it belongs to.
constexpr l_int32 neighbourhoodRadius = 24;
constexpr l_int32 midGrey = 128;
// A panel: a solid area of one shade at least this wide and tall, which is background, not a
// glyph. Large glyphs cover well under this share of their box.
constexpr l_int32 smallestPanelSide = 2 * neighbourhoodRadius + 1;
constexpr double smallestPanelCover = 0.6;

// 1 where the neighbourhood mean is dark.
PixPointer darkMask(Pix* grey) {
  const PixPointer mean(pixBlockconv(grey, neighbourhoodRadius, neighbourhoodRadius));
  if (!mean)
    return nullptr;
  return PixPointer(pixThresholdToBinary(mean.get(), midGrey));
}

struct Panel {
  PixPointer area;  // the panel with the holes its text makes filled in
  l_int32 x, y, width, height;
  bool dark;
};

bool isPanel(Pix* component, l_int32 width, l_int32 height) {
  l_int32 pixels = 0;
  return width >= smallestPanelSide && height >= smallestPanelSide &&
         pixCountPixels(component, &pixels, nullptr) == 0 &&
         pixels >= smallestPanelCover * width * height;
}

// The panel with the holes that text makes in it filled in. Holes large both ways (pictures, other
// windows) are not its own, and are left to decide for themselves.
PixPointer withTextHoles(Pix* panel) {
  const PixPointer holes(pixHolesByFilling(panel, 8));
  if (!holes)
    return nullptr;
  PixPointer textHoles(pixSelectBySize(holes.get(), smallestPanelSide, smallestPanelSide, 8,
                                       L_SELECT_IF_EITHER, L_SELECT_IF_LT, nullptr));
  if (!textHoles || pixOr(textHoles.get(), textHoles.get(), panel) == nullptr)
    return nullptr;
  return textHoles;
}

// Adds the panels among the connected components of a binary image to panels.
bool addPanels(Pix* shade, bool dark, std::vector<Panel>& panels) {
  Pixa* rawComponents = nullptr;
  const BoxaPointer boxes(pixConnComp(shade, &rawComponents, 4));
  const PixaPointer components(rawComponents);
  if (!boxes || !components)
    return false;
  for (l_int32 i = 0; i < boxaGetCount(boxes.get()); ++i) {
    Panel panel{nullptr, 0, 0, 0, 0, dark};
    boxaGetBoxGeometry(boxes.get(), i, &panel.x, &panel.y, &panel.width, &panel.height);
    const PixPointer component(pixaGetPix(components.get(), i, L_CLONE));
    if (!component || !isPanel(component.get(), panel.width, panel.height))
      continue;
    panel.area = withTextHoles(component.get());
    if (!panel.area)
      return false;
    panels.push_back(std::move(panel));
  }
  return true;
}

// Where a dark and a light area meet, the neighbourhood mean is wrong by up to its radius, most
// at corners, where it inverts the first letters of text that runs close to a window's edge.
// Solid panels therefore decide for themselves and for everything they enclose: a light one is
// kept, a dark one inverted, the innermost panel deciding last.
bool snapToPanels(Pix* grey, Pix* mask) {
  const PixPointer dark(pixThresholdToBinary(grey, midGrey));
  const PixPointer light(dark ? pixInvert(nullptr, dark.get()) : nullptr);
  std::vector<Panel> panels;
  if (!light || !addPanels(dark.get(), true, panels) || !addPanels(light.get(), false, panels))
    return false;
  std::stable_sort(panels.begin(), panels.end(), [](const Panel& a, const Panel& b) {
    return static_cast<l_int64>(a.width) * a.height > static_cast<l_int64>(b.width) * b.height;
  });
  for (const Panel& panel : panels) {
    const l_int32 operation = panel.dark ? (PIX_SRC | PIX_DST) : (PIX_NOT(PIX_SRC) & PIX_DST);
    pixRasterop(mask, panel.x, panel.y, panel.width, panel.height, operation, panel.area.get(), 0,
                0);
  }
  return true;
}

}  // namespace

bool hasDarkRegions(Pix* grey) {
  const PixPointer mask = darkMask(grey);
  l_int32 empty = 1;
  return mask && pixZero(mask.get(), &empty) == 0 && empty == 0;
}

PixPointer invertDarkRegions(Pix* grey) {
  const PixPointer mask = darkMask(grey);
  if (!mask || !snapToPanels(grey, mask.get()))
    return nullptr;
  PixPointer result(pixCopy(nullptr, grey));
  const PixPointer inverted(pixInvert(nullptr, grey));
  if (!result || !inverted || pixCombineMasked(result.get(), inverted.get(), mask.get()) != 0)
    return nullptr;
  return result;
}

}  // namespace orvane
