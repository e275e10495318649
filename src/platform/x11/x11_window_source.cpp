#include "platform/x11/x11_window_source.h"

#include "platform/desktop/desktop_window_source.h"
#include "platform/x11/x11_connection.h"
#include "platform/x11/x11_window_walk.h"

namespace orvane {

namespace {

std::vector<WindowFacts> x11Windows(x11::Clock::time_point deadline) {
  try {
    x11::Connection connection(deadline);
    return x11::walkWindows(connection);
  } catch (const x11::ConnectionLost&) {
    return {};
  }
}

}  // namespace

std::unique_ptr<WindowSource> makeX11WindowSource(ProcessNamer processName) {
  return makeDesktopWindowSource(x11Windows, std::move(processName));
}

}  // namespace orvane
