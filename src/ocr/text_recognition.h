#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace orvane {

// A decoded image, opaque to the recognition logic: only the backend that made it reads it.
class DecodedImage {
 public:
  virtual ~DecodedImage() = default;
};

class ImageDecoder {
 public:
  virtual ~ImageDecoder() = default;

  // The first image of the file at path (relative to the working directory unless absolute), its
  // pixels as stored; nullptr when the file cannot be opened or decoded as an image.
  virtual std::unique_ptr<DecodedImage> decodeFirstImage(const std::string& path) = 0;
};

// A box as a fraction of the image, origin at the lower-left corner, y growing upwards.
struct NormalizedBox {
  double x;
  double y;
  double width;
  double height;
};

struct RecognizedText {
  std::string string;
  float confidence;  // 0 to 1
};

struct TextObservation {
  NormalizedBox boundingBox;
  std::optional<RecognizedText> topCandidate;  // absent when the region has no candidate
};

class TextRecognizer {
 public:
  virtual ~TextRecognizer() = default;

  // One recognition attempt over image. Returns the observations in the recogniser's order, or
  // nothing when the attempt succeeded without results; throws an Error when it failed.
  virtual std::optional<std::vector<TextObservation>> recognizeText(const DecodedImage& image) = 0;
};

class Sleeper {
 public:
  virtual ~Sleeper() = default;
  virtual void sleepFor(double seconds) = 0;
};

}  // namespace orvane
