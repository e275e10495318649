// Stand-ins for a text recognition module that is broken in one way each.
#include "platform/ocr_module_interface.h"

#define ORVANE_EXPORT extern "C" __attribute__((visibility("default")))

#if defined(ORVANE_BROKEN_MODULE_no_entry)
ORVANE_EXPORT int orvane_not_the_entry() {
  return 0;
}
#elif defined(ORVANE_BROKEN_MODULE_no_interface)
ORVANE_EXPORT const OrvaneOCRModuleInterface* orvane_ocr_module_interface() noexcept {
  return nullptr;
}
#elif defined(ORVANE_BROKEN_MODULE_other_version)
ORVANE_EXPORT const OrvaneOCRModuleInterface* orvane_ocr_module_interface() noexcept {
  static const OrvaneOCRModuleInterface table{orvane::ocrModuleInterfaceVersion + 1, nullptr,
                                              nullptr, nullptr, nullptr};
  return &table;
}
#endif
