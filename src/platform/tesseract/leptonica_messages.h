#pragma once

namespace orvane {

// Turns off Leptonica's own messages for the whole process. What Tesseract and the image
// libraries print regardless goes to descriptor 2, which the tool points at /dev/null for the
// whole run.
void silenceLeptonica();

}  // namespace orvane
