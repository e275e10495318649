#pragma once

#include <cstddef>
#include <cstdint>

// The text recognition module's whole interface: plain C data and functions. The tool and the
// module may each have a C++ runtime of their own (the tool links its runtime in), so nothing of
// one runtime may reach the other: no exception leaves the module, and whatever one side
// allocates, the same side frees. The module keeps its results until the tool hands them back.
extern "C" {

// The module's decoded image and its recognition results, opaque to the tool.
struct OrvaneOCRImage;
struct OrvaneOCRResults;

// A failure's description, written by the module, NUL-terminated, cut to fit.
struct OrvaneOCRError {
  char message[1024];
};

// One region the recogniser found. The box is a fraction of the image, origin at its lower-left
// corner; text is null when the region has no candidate, and lives as long as its results.
struct OrvaneOCRObservation {
  double x;
  double y;
  double width;
  double height;
  const char* text;
  std::size_t textLength;
  float confidence;
};

// What a call answered.
enum OrvaneOCRStatus : int {
  orvaneOCRDone = 0,    // the image or the results are there
  orvaneOCREmpty = 1,   // not an image; or, recognising, no results
  orvaneOCRFailed = 2,  // the error describes the failure
};

struct OrvaneOCRModuleInterface {
  std::uint32_t version;  // ocrModuleInterfaceVersion as the module was built

  // The first image of the file at path (NUL-terminated), its pixels as stored.
  OrvaneOCRStatus (*decodeFirstImage)(const char* path, OrvaneOCRImage** image,
                                      OrvaneOCRError* error);
  void (*releaseImage)(OrvaneOCRImage* image);

  // One recognition attempt; on orvaneOCRDone, count observations in observations, which stay
  // valid until results is released.
  OrvaneOCRStatus (*recognizeText)(const OrvaneOCRImage* image, OrvaneOCRResults** results,
                                   const OrvaneOCRObservation** observations, std::size_t* count,
                                   OrvaneOCRError* error);
  void (*releaseResults)(OrvaneOCRResults* results);
};

}  // extern "C"

namespace orvane {

// Raised whenever anything above changes.
inline constexpr std::uint32_t ocrModuleInterfaceVersion = 2;

// The one symbol the module exports: the table of its functions, or null when it cannot start.
inline constexpr const char* ocrModuleEntryName = "orvane_ocr_module_interface";
using OCRModuleEntry = const OrvaneOCRModuleInterface* (*)();

}  // namespace orvane
