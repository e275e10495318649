// Stands in for the framework header in the syntax check of the macOS sources; it brings in
// what the real one does of the declarations the backend uses.
#pragma once
#define APPLE_SDK_WANT_COREFOUNDATION
#define APPLE_SDK_WANT_COREGRAPHICS
#define APPLE_SDK_WANT_IMAGEIO
#include "../../apple_sdk_declarations.h"
