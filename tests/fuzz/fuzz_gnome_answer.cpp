// Any answer of the GNOME Shell extension: the reader lists the windows or refuses the whole answer
// with a PlatformError; it never crashes, runs away on deep nesting or throws anything else.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "base/tool_error.h"
#include "platform/gnome/gnome_windows.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  try {
    orvane::gnome::windowsOnScreen(std::string_view(reinterpret_cast<const char*>(data), size));
  } catch (const orvane::PlatformError&) {
  }
  return 0;
}
