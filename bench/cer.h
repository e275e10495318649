#pragma once

#include <cstddef>
#include <string>

namespace orvane::bench {

// Character error rate of a recognised text against its ground truth, counted in Unicode code
// points after both are normalised: every run of white space (line feeds included) becomes one
// space, and leading and trailing space goes. Spaces a recogniser puts between Chinese characters
// count as errors, since the ground truth has none.
struct CharacterErrors {
  std::size_t edits;      // insertions, deletions and substitutions
  std::size_t reference;  // code points in the normalised ground truth
  double rate() const { return reference == 0 ? 0.0 : static_cast<double>(edits) / reference; }
};

CharacterErrors characterErrors(const std::string& truth, const std::string& recognised);

// The code points of UTF-8 text after the normalisation above; a malformed byte counts as one.
std::u32string normalisedCodePoints(const std::string& utf8);

}  // namespace orvane::bench
