#include "platform/macos/cg_window_source.h"

#include <CoreFoundation/CoreFoundation.h>
#include <CoreGraphics/CoreGraphics.h>

#include "platform/macos/cf_ownership.h"
#include "platform/macos/cf_window_values.h"

namespace orvane {

namespace {

bool isDictionary(CFTypeRef object) {
  return object != nullptr && CFGetTypeID(object) == CFDictionaryGetTypeID();
}

// The list only counts when every element is a dictionary; anything else gives no entries.
std::vector<WindowEntry> entriesOf(CFArrayRef list) {
  const CFIndex count = CFArrayGetCount(list);
  std::vector<WindowEntry> entries;
  entries.reserve(static_cast<std::size_t>(count > 0 ? count : 0));
  for (CFIndex i = 0; i < count; ++i) {
    const CFTypeRef element = CFArrayGetValueAtIndex(list, i);
    if (!isDictionary(element))
      return {};
    entries.push_back(windowDictionaryOf(static_cast<CFDictionaryRef>(element)));
  }
  return entries;
}

class CgWindowSource : public WindowSource {
 public:
  std::vector<WindowEntry> entries() override {
    // Null outside a window server session; that is an empty snapshot, not an error.
    const CfOwned<CFArrayRef> list(CGWindowListCopyWindowInfo(
        kCGWindowListOptionOnScreenOnly | kCGWindowListExcludeDesktopElements, kCGNullWindowID));
    if (!list || CFGetTypeID(list.get()) != CFArrayGetTypeID())
      return {};
    return entriesOf(list.get());
  }
};

}  // namespace

std::unique_ptr<WindowSource> makeCgWindowSource() {
  return std::make_unique<CgWindowSource>();
}

}  // namespace orvane
