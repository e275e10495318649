#pragma once

#include <CoreFoundation/CoreFoundation.h>

#include <optional>

#include "windows/window_entry.h"

namespace orvane {

// A window-list value in the entry model: a number keeps its integer or floating kind (a boolean
// counts as the integer 0 or 1, as it does for the platform's number class), a string becomes
// UTF-8, a dictionary is converted entry by entry. Values of any other type give nothing.
std::optional<WindowValue> windowValueOf(CFTypeRef value);

// The entries of dictionary under string keys, each value converted as above; entries with
// another kind of key, or a value that does not convert, are left out.
WindowDictionary windowDictionaryOf(CFDictionaryRef dictionary);

}  // namespace orvane
