#include "platform/macos/running_application_registry.h"

#import <AppKit/AppKit.h>
#import <Foundation/Foundation.h>

#include "platform/macos/cf_string_utf8.h"

namespace orvane {

namespace {

class RunningApplicationRegistry : public ApplicationRegistry {
 public:
  std::optional<std::string> bundleIdentifier(std::int32_t processId) override {
    @autoreleasepool {
      NSRunningApplication* application =
          [NSRunningApplication runningApplicationWithProcessIdentifier:processId];
      NSString* identifier = application.bundleIdentifier;
      if (identifier == nil)
        return std::nullopt;
      return utf8String((__bridge CFStringRef)identifier);
    }
  }
};

}  // namespace

std::unique_ptr<ApplicationRegistry> makeRunningApplicationRegistry() {
  return std::make_unique<RunningApplicationRegistry>();
}

}  // namespace orvane
