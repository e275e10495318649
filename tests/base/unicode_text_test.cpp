#include "base/unicode_text.h"

#include <gtest/gtest.h>

#include <string>

// What every platform's Unicode services must give, checked on the one the tests run on.
namespace orvane {
namespace {

// Not UTF-8: a stray continuation byte, a truncated sequence, an overlong "/", an encoded
// surrogate, a code point past U+10FFFF.
const char* const notUtf8[] = {"a\x80", "\xC3", "\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80"};

TEST(UnicodeText, LowercasingIsTheFullMappingInEveryLocale) {
  EXPECT_EQ(lowercasedText("Org.Example-APP_9"), "org.example-app_9");
  EXPECT_EQ(lowercasedText("\xE2\x84\xAA"), "k");        // Kelvin sign
  EXPECT_EQ(lowercasedText("I\xC4\xB0"), "ii\xCC\x87");  // I, dotted I: never dotless
  EXPECT_EQ(lowercasedText("\xC3\x89\xCE\xA9\xD0\x96"), "\xC3\xA9\xCF\x89\xD0\xB6");  // ÉΩЖ
  EXPECT_EQ(lowercasedText("gro\xC3\x9F \xE4\xB8\xAD"), "gro\xC3\x9F \xE4\xB8\xAD");  // no capitals
  EXPECT_EQ(lowercasedText(std::string("A\0B", 3)), std::string("a\0b", 3));
  EXPECT_EQ(lowercasedText(""), "");
  for (const char* text : notUtf8)
    EXPECT_FALSE(lowercasedText(text).has_value()) << text;
}

TEST(UnicodeText, CaseFoldingMakesLetterCaseVariantsEqual) {
  EXPECT_EQ(caseFoldedText("GROSS"), "gross");
  EXPECT_EQ(caseFoldedText("GRO\xC3\x9F"), "gross");               // sharp s folds to two letters
  EXPECT_EQ(caseFoldedText("\xE2\x84\xAA\xC3\x89"), "k\xC3\xA9");  // Kelvin sign, E acute
  EXPECT_EQ(caseFoldedText("\xE4\xB8\xAD"), "\xE4\xB8\xAD");
  for (const char* text : notUtf8)
    EXPECT_FALSE(caseFoldedText(text).has_value()) << text;
}

TEST(UnicodeText, CompositionGivesCanonicallyEquivalentTextTheSameBytes) {
  EXPECT_EQ(composedText("cafe\xCC\x81"), "caf\xC3\xA9");  // e and a combining acute
  EXPECT_EQ(composedText("caf\xC3\xA9"), "caf\xC3\xA9");
  EXPECT_EQ(composedText("\xE2\x84\xAA"), "K");             // Kelvin sign
  EXPECT_EQ(composedText("\xEF\xAC\x81"), "\xEF\xAC\x81");  // a ligature is only compatible
  EXPECT_EQ(composedText("Caf\xC3\xA9"), "Caf\xC3\xA9");    // letter case is kept
  for (const char* text : notUtf8)
    EXPECT_FALSE(composedText(text).has_value()) << text;
}

}  // namespace
}  // namespace orvane
