// Stands in for the Darwin C library header in the syntax check of the macOS sources; it brings in
// what the real one does of the declarations the backend uses.
#pragma once
#define APPLE_SDK_WANT_XLOCALE
#include "../apple_sdk_declarations.h"
