#include "cli/coordinate.h"

#include <locale.h>
#include <clocale>
#include <cstdlib>

namespace orvane {

namespace {

bool isBlank(char c) {
  return c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r' || c == ' ';
}

// strtod follows the calling thread's locale; a host or library that switched it to one with a
// comma separator must not change what the tool accepts, so the read runs under "C" explicitly.
class CLocaleScope {
 public:
  CLocaleScope() : cLocale_(newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0))) {
    if (cLocale_ != static_cast<locale_t>(0))
      previous_ = uselocale(cLocale_);
  }
  ~CLocaleScope() {
    if (cLocale_ == static_cast<locale_t>(0))
      return;
    uselocale(previous_);
    freelocale(cLocale_);
  }
  CLocaleScope(const CLocaleScope&) = delete;
  CLocaleScope& operator=(const CLocaleScope&) = delete;

 private:
  locale_t cLocale_;
  locale_t previous_ = static_cast<locale_t>(0);
};

}  // namespace

std::optional<double> parseCoordinate(const std::string& text) {
  if (text.empty() || isBlank(text.front()))
    return std::nullopt;
  CLocaleScope cLocale;
  char* end = nullptr;
  const double value = std::strtod(text.c_str(), &end);
  if (end != text.c_str() + text.size())
    return std::nullopt;
  return value;
}

}  // namespace orvane
