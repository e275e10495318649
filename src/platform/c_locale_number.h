#pragma once

namespace orvane {

// strtod as the "C" locale reads numbers, whatever locale the calling thread or the process has:
// a host or library that switched to one with a decimal comma must not change what is accepted.
// Neither thread nor process locale is changed.
double strtodInCLocale(const char* text, char** end);

}  // namespace orvane
