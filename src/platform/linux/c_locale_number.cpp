#include "platform/c_locale_number.h"

#include <locale.h>
#include <stdlib.h>

namespace orvane {

double strtodInCLocale(const char* text, char** end) {
  // glibc hands out its built-in "C" locale object here without allocating.
  const locale_t cLocale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
  if (cLocale == static_cast<locale_t>(0))
    return strtod(text, end);
  const double value = strtod_l(text, end, cLocale);
  freelocale(cLocale);
  return value;
}

}  // namespace orvane
