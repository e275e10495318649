#include "platform/c_locale_number.h"

#include <stdlib.h>
#include <xlocale.h>

namespace orvane {

// Darwin declares the locale-taking functions in <xlocale.h>, those of <stdlib.h> only when that
// came first; LC_C_LOCALE names the "C" locale without making one.
double strtodInCLocale(const char* text, char** end) {
  return strtod_l(text, end, LC_C_LOCALE);
}

}  // namespace orvane
