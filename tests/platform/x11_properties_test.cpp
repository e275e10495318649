#include "platform/x11/x11_properties.h"

#include <gtest/gtest.h>

#include <cstring>

namespace orvane::x11 {
namespace {

constexpr xcb_atom_t utf8String = 300;
constexpr xcb_atom_t compoundText = 301;
constexpr xcb_atom_t wmState = 302;

PropertyView text(xcb_atom_t type, std::string_view bytes) {
  return {type, 8, bytes};
}

// Items of a format-32 property, in the client's byte order as xcb hands them over.
struct Words {
  explicit Words(std::initializer_list<std::uint32_t> values) : storage(values.size() * 4, '\0') {
    if (!storage.empty())
      std::memcpy(storage.data(), std::data(values), storage.size());
  }
  PropertyView as(xcb_atom_t type, std::uint8_t format = 32) const {
    return {type, format, storage};
  }
  std::string storage;
};

TEST(PropertyDecoding, AbsentPropertyGivesNothing) {
  const PropertyView absent = viewOf(nullptr);
  EXPECT_EQ(utf8Text(absent, utf8String), std::nullopt);
  EXPECT_EQ(legacyText(absent, utf8String, compoundText), std::nullopt);
  EXPECT_EQ(classPart(absent), std::nullopt);
  EXPECT_EQ(cardinal(absent), std::nullopt);
  EXPECT_TRUE(atomList(absent).empty());
  // An atom the server does not know is 0, the type of an absent property: still absent.
  EXPECT_EQ(utf8Text(absent, XCB_ATOM_NONE), std::nullopt);
  EXPECT_EQ(wmStateValue(absent, XCB_ATOM_NONE), std::nullopt);
}

TEST(PropertyDecoding, NetWmNameMustBeUtf8StringOfBytes) {
  EXPECT_EQ(utf8Text(text(utf8String,
                          "Gr\xc3\xbc\xc3\x9f"
                          "e"),
                     utf8String),
            "Grüße");
  EXPECT_EQ(utf8Text(text(utf8String, ""), utf8String), "");
  // Invalid UTF-8 is passed on for the JSON writer to repair.
  EXPECT_EQ(utf8Text(text(utf8String, "\xff\xfe"), utf8String), "\xff\xfe");
  EXPECT_EQ(utf8Text(text(XCB_ATOM_STRING, "x"), utf8String), std::nullopt);
  EXPECT_EQ(utf8Text(Words{1}.as(utf8String), utf8String), std::nullopt);
}

TEST(PropertyDecoding, WmNameIsConvertedByItsType) {
  EXPECT_EQ(legacyText(text(XCB_ATOM_STRING, "caf\xe9"), utf8String, compoundText), "café");
  EXPECT_EQ(legacyText(text(utf8String, "caf\xc3\xa9"), utf8String, compoundText), "café");
  EXPECT_EQ(legacyText(text(compoundText, "caf\xe9"), utf8String, compoundText), "café");
  EXPECT_EQ(legacyText(text(XCB_ATOM_INTEGER, "x"), utf8String, compoundText), std::nullopt);
  EXPECT_EQ(legacyText(PropertyView{XCB_ATOM_STRING, 16, "xx"}, utf8String, compoundText),
            std::nullopt);
}

TEST(PropertyDecoding, ClassIsTheSecondStringEvenWithoutItsTerminator) {
  using namespace std::string_view_literals;
  EXPECT_EQ(classPart(text(XCB_ATOM_STRING, "xterm\0XTerm\0"sv)), "XTerm");
  EXPECT_EQ(classPart(text(XCB_ATOM_STRING, "xterm\0XTerm"sv)), "XTerm");
  EXPECT_EQ(classPart(text(XCB_ATOM_STRING, "xterm\0Caf\xe9\0extra"sv)), "Café");
  EXPECT_EQ(classPart(text(XCB_ATOM_STRING, "xterm"sv)), std::nullopt);
  EXPECT_EQ(classPart(text(XCB_ATOM_STRING, "xterm\0"sv)), std::nullopt);
  EXPECT_EQ(classPart(text(XCB_ATOM_STRING, "xterm\0\0"sv)), std::nullopt);
  EXPECT_EQ(classPart(text(utf8String, "a\0b"sv)), std::nullopt);
}

TEST(PropertyDecoding, CardinalNeedsTypeFormatAndOneItem) {
  EXPECT_EQ(cardinal(Words{4242, 7}.as(XCB_ATOM_CARDINAL)), 4242u);
  EXPECT_EQ(cardinal(Words{0xffffffff}.as(XCB_ATOM_CARDINAL)), 0xffffffffu);
  EXPECT_EQ(cardinal(Words{}.as(XCB_ATOM_CARDINAL)), std::nullopt);
  EXPECT_EQ(cardinal(text(XCB_ATOM_STRING, "4242")), std::nullopt);
  EXPECT_EQ(cardinal(text(XCB_ATOM_CARDINAL, "\xff\xff\xff\xff")), std::nullopt);
  EXPECT_EQ(cardinal(Words{5}.as(XCB_ATOM_INTEGER)), std::nullopt);
}

TEST(PropertyDecoding, AtomListsAndWmState) {
  EXPECT_EQ(atomList(Words{1, 2, 3}.as(XCB_ATOM_ATOM)), (std::vector<xcb_atom_t>{1, 2, 3}));
  EXPECT_TRUE(atomList(Words{1}.as(XCB_ATOM_CARDINAL)).empty());
  EXPECT_TRUE(atomList(Words{1}.as(XCB_ATOM_ATOM, 16)).empty());
  EXPECT_EQ(wmStateValue(Words{3, 0}.as(wmState), wmState), 3u);
  EXPECT_EQ(wmStateValue(Words{3, 0}.as(XCB_ATOM_CARDINAL), wmState), std::nullopt);
}

}  // namespace
}  // namespace orvane::x11
