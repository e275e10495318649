#include "platform/x11/x11_text.h"

#include <gtest/gtest.h>

namespace orvane::x11 {
namespace {

TEST(Latin1ToUtf8, KeepsAsciiAndEncodesTheUpperHalfInTwoBytes) {
  EXPECT_EQ(latin1ToUtf8("plain"), "plain");
  EXPECT_EQ(latin1ToUtf8("caf\xe9 \xa0\xff"), "caf\xc3\xa9 \xc2\xa0\xc3\xbf");
  EXPECT_EQ(latin1ToUtf8(std::string_view("a\0b", 3)), std::string("a\0b", 3));
}

TEST(CompoundTextToUtf8, ReadsLatin1WithoutEscapes) {
  EXPECT_EQ(compoundTextToUtf8("Gr\xfc\xdf"
                               "e"),
            "Gr\xc3\xbc\xc3\x9f"
            "e");
}

TEST(CompoundTextToUtf8, CopiesUtf8SegmentsAndReturnsToLatin1) {
  EXPECT_EQ(compoundTextToUtf8("a\x1b%G\xe2\x82\xac\x1b%@\xe9"), "a\xe2\x82\xac\xc3\xa9");
}

TEST(CompoundTextToUtf8, ReplacesCharactersOfOtherCharacterSets) {
  // Greek right half, then back to Latin-1.
  EXPECT_EQ(compoundTextToUtf8("\x1b-F\xe1\x1b-A\xe1"), "\xef\xbf\xbd\xc3\xa1");
  // A two-byte set in the left half.
  EXPECT_EQ(compoundTextToUtf8("\x1b$(B\x30\x21\x1b(Bok"), "\xef\xbf\xbd\xef\xbf\xbdok");
}

TEST(CompoundTextToUtf8, DropsControlSequencesAndSurvivesTruncatedOnes) {
  EXPECT_EQ(compoundTextToUtf8("a\x9b"
                               "1]b"),
            "ab");
  EXPECT_EQ(compoundTextToUtf8("a\x1b"), "a");
  EXPECT_EQ(compoundTextToUtf8("a\x1b$("), "a");
  EXPECT_EQ(compoundTextToUtf8("a\x9b"), "a");
}

}  // namespace
}  // namespace orvane::x11
