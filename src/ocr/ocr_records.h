#pragma once

#include <string>
#include <vector>

namespace orvane {

class JSONWriter;

// One recognised line. The box is a fraction of the image on both axes, origin at the image's
// lower-left corner, y growing upwards: its top edge is at y + height.
struct OCRLine {
  std::string text;
  float confidence;
  double x;
  double y;
  double width;
  double height;
};

struct OCRResult {
  bool success;
  std::vector<OCRLine> lines;
  std::string text;
  double averageConfidence;
};

void writeJSON(JSONWriter& writer, const OCRLine& line);
void writeJSON(JSONWriter& writer, const OCRResult& result);

}  // namespace orvane
