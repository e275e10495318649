#pragma once

#include "platform/tesseract/leptonica_image.h"

namespace orvane {

// An 8-bit grey image with every dark-background region inverted, so that all text is dark on
// light: a pixel is inverted where the mean of its neighbourhood is below mid-grey. Light text
// covers too little of a dark panel to lift that mean, and dark text too little of a light one
// to lower it. Returns nullptr if memory runs out.
PixPointer invertDarkRegions(Pix* grey);

// Whether any part of the 8-bit grey image lies on a dark background (see above).
bool hasDarkRegions(Pix* grey);

}  // namespace orvane
