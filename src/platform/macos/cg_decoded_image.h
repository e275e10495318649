#pragma once

#include <CoreGraphics/CoreGraphics.h>

#include <utility>

#include "ocr/text_recognition.h"
#include "platform/macos/cf_ownership.h"

namespace orvane {

// A decoded image as ImageIO made it; released with the record.
class CgDecodedImage : public DecodedImage {
 public:
  explicit CgDecodedImage(CfOwned<CGImageRef> image) : image_(std::move(image)) {}

  CGImageRef image() const { return image_.get(); }

 private:
  CfOwned<CGImageRef> image_;
};

}  // namespace orvane
