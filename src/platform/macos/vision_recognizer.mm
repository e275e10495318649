#include "platform/macos/vision_recognizer.h"

#import <CoreGraphics/CoreGraphics.h>
#import <Foundation/Foundation.h>
#import <ImageIO/ImageIO.h>
#import <Vision/Vision.h>

#include <optional>
#include <string>
#include <vector>

#include "base/tool_error.h"
#include "platform/macos/cf_string_utf8.h"
#include "platform/macos/cg_decoded_image.h"

namespace orvane {

namespace {

struct AttemptOutcome {
  bool failed = false;
  std::optional<std::string> errorDescription;  // when failed, if the recogniser gave an error
  std::optional<std::vector<TextObservation>> observations;  // when it succeeded with results
};

CGImageRef cgImageOf(const DecodedImage& image) {
  const auto* decoded = dynamic_cast<const CgDecodedImage*>(&image);
  if (decoded == nullptr)
    throw PlatformError("the image was not decoded for Vision");
  return decoded->image();
}

// Every attempt gets a request of its own with the same fixed settings.
VNRecognizeTextRequest* makeTextRequest() {
  VNRecognizeTextRequest* request = [[VNRecognizeTextRequest alloc] init];
  request.recognitionLevel = VNRequestTextRecognitionLevelAccurate;
  request.recognitionLanguages = @[ @"zh-Hans", @"en-US" ];
  request.usesLanguageCorrection = YES;
  return request;
}

TextObservation observationOf(VNRecognizedTextObservation* observation) {
  VNRecognizedText* candidate = [observation topCandidates:1].firstObject;
  if (candidate == nil)
    return TextObservation{NormalizedBox{0, 0, 0, 0}, std::nullopt};
  // Already a fraction of the image with the origin at its lower-left corner.
  const CGRect box = observation.boundingBox;
  return TextObservation{
      NormalizedBox{box.origin.x, box.origin.y, box.size.width, box.size.height},
      RecognizedText{utf8String((__bridge CFStringRef)candidate.string), candidate.confidence}};
}

std::vector<TextObservation> observationsOf(NSArray<VNObservation*>* results) {
  std::vector<TextObservation> observations;
  observations.reserve(results.count);
  for (NSUInteger i = 0; i < results.count; ++i) {
    VNObservation* result = [results objectAtIndex:i];
    if ([result isKindOfClass:[VNRecognizedTextObservation class]])
      observations.push_back(observationOf((VNRecognizedTextObservation*)result));
  }
  return observations;
}

// One request on one handler; every object they made is released when the pool drains, before
// anything is thrown.
AttemptOutcome performAttempt(CGImageRef image) {
  AttemptOutcome outcome;
  @autoreleasepool {
    VNRecognizeTextRequest* request = makeTextRequest();
    VNImageRequestHandler* handler =
        [[VNImageRequestHandler alloc] initWithCGImage:image
                                           orientation:kCGImagePropertyOrientationUp
                                               options:@{}];
    NSError* error = nil;
    if (![handler performRequests:@[ request ] error:&error]) {
      outcome.failed = true;
      if (error != nil)
        outcome.errorDescription = utf8String((__bridge CFStringRef)error.localizedDescription);
    } else if (NSArray<VNObservation*>* results = request.results) {
      outcome.observations = observationsOf(results);
    }
  }
  return outcome;
}

class VisionRecognizer : public TextRecognizer {
 public:
  std::optional<std::vector<TextObservation>> recognizeText(const DecodedImage& image) override {
    AttemptOutcome outcome = performAttempt(cgImageOf(image));
    if (outcome.failed) {
      if (outcome.errorDescription)
        throw PlatformError(*outcome.errorDescription);
      throw ToolError::recognitionFailed();
    }
    return std::move(outcome.observations);
  }
};

}  // namespace

std::unique_ptr<TextRecognizer> makeVisionRecognizer() {
  return std::make_unique<VisionRecognizer>();
}

}  // namespace orvane
