#pragma once

#include <CoreFoundation/CoreFoundation.h>

#include <memory>
#include <type_traits>

namespace orvane {

struct CfReleaser {
  void operator()(CFTypeRef object) const { CFRelease(object); }
};

// Owns one reference obtained under the create or copy rule and releases it when it goes out of
// scope. Ref is the framework's pointer type, e.g. CFArrayRef or CGImageRef.
template <typename Ref>
using CfOwned = std::unique_ptr<std::remove_pointer_t<Ref>, CfReleaser>;

}  // namespace orvane
