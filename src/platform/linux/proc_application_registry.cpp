#include "platform/linux/proc_application_registry.h"

namespace orvane {

namespace {

class ProcApplicationRegistry : public ApplicationRegistry {
 public:
  std::optional<std::string> bundleIdentifier(std::int32_t) override { return std::nullopt; }
};

}  // namespace

std::unique_ptr<ApplicationRegistry> makeProcApplicationRegistry() {
  return std::make_unique<ProcApplicationRegistry>();
}

}  // namespace orvane
