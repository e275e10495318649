#include "platform/tesseract/leptonica_messages.h"

#include <allheaders.h>

namespace orvane {

namespace {

void discardMessage(const char*) {}

}  // namespace

void silenceLeptonica() {
  setMsgSeverity(L_SEVERITY_NONE);
  leptSetStderrHandler(discardMessage);
}

}  // namespace orvane
