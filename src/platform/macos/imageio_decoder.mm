#include "platform/macos/imageio_decoder.h"

#import <CoreGraphics/CoreGraphics.h>
#import <Foundation/Foundation.h>
#import <ImageIO/ImageIO.h>

#include <string>
#include <utility>

#include "platform/macos/cf_ownership.h"
#include "platform/macos/cg_decoded_image.h"
#include "platform/macos/image_pixel_limit.h"

namespace orvane {

namespace {

// An image source on the file at path, a relative path meaning the working directory; null when
// the path names nothing that ImageIO can open.
CfOwned<CGImageSourceRef> openImageSource(const std::string& path) {
  // A file URL needs a non-empty path, and a C string cannot carry a NUL.
  if (path.empty() || path.find('\0') != std::string::npos)
    return nullptr;
  @autoreleasepool {
    NSString* string = [NSString stringWithUTF8String:path.c_str()];
    if (string == nil)
      return nullptr;
    NSURL* url = [NSURL fileURLWithPath:string];
    return CfOwned<CGImageSourceRef>(CGImageSourceCreateWithURL((__bridge CFURLRef)url, nullptr));
  }
}

class ImageIoDecoder : public ImageDecoder {
 public:
  std::unique_ptr<DecodedImage> decodeFirstImage(const std::string& path) override {
    const CfOwned<CGImageSourceRef> source = openImageSource(path);
    if (!source || exceedsPixelLimit(source.get()))
      return nullptr;
    CfOwned<CGImageRef> image(CGImageSourceCreateImageAtIndex(source.get(), 0, nullptr));
    if (!image)
      return nullptr;
    return std::make_unique<CgDecodedImage>(std::move(image));
  }
};

}  // namespace

std::unique_ptr<ImageDecoder> makeImageIoDecoder() {
  return std::make_unique<ImageIoDecoder>();
}

}  // namespace orvane
