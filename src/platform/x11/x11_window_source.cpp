#include "platform/x11/x11_window_source.h"

namespace orvane {

namespace {

class X11WindowSource : public WindowSource {
 public:
  std::vector<WindowEntry> entries() override { return {}; }
};

}  // namespace

std::unique_ptr<WindowSource> makeX11WindowSource() {
  return std::make_unique<X11WindowSource>();
}

}  // namespace orvane
