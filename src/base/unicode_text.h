#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orvane {

// The machine's own Unicode case mapping and normalisation, the same in every locale. Each takes
// UTF-8 and gives UTF-8, or nothing when the text is not valid UTF-8 (a stray byte, an overlong
// form, an encoded surrogate). The rules that use them live with the rules; these only transform.
// Declared here, below the rules, and defined by the platform's orvane_system_text library, so
// that the rules reach the machine's text services without depending on the platform folder.

// Full lower-case mapping: a character may lower to several (U+0130 to "i" and U+0307), and text
// without capitals comes back unchanged. How a word-final capital sigma lowers (to U+03C2 or
// U+03C3) is the platform's choice.
std::optional<std::string> lowercasedText(std::string_view text);

// Full case folding, for comparing text without regard to letter case: "Groß" folds to "gross",
// as does "GROSS".
std::optional<std::string> caseFoldedText(std::string_view text);

// Normalization form C: canonically equivalent texts (a precomposed letter or the letter with a
// combining mark, the Kelvin sign or K) give the same bytes.
std::optional<std::string> composedText(std::string_view text);

}  // namespace orvane
