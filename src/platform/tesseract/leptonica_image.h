#pragma once

#include <memory>

#include "ocr/text_recognition.h"

struct Pix;
struct Boxa;
struct Pixa;

namespace orvane {

struct PixDeleter {
  void operator()(Pix* pix) const;
};
using PixPointer = std::unique_ptr<Pix, PixDeleter>;

struct BoxaDeleter {
  void operator()(Boxa* boxa) const;
};
using BoxaPointer = std::unique_ptr<Boxa, BoxaDeleter>;

struct PixaDeleter {
  void operator()(Pixa* pixa) const;
};
using PixaPointer = std::unique_ptr<Pixa, PixaDeleter>;

// A decoded image as Leptonica holds it, its pixels as the file stored them.
class LeptonicaImage : public DecodedImage {
 public:
  explicit LeptonicaImage(PixPointer pix) : pix_(std::move(pix)) {}
  Pix* pix() const { return pix_.get(); }

 private:
  PixPointer pix_;
};

}  // namespace orvane
