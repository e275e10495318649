#pragma once

#include <xcb/xcb.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvane::x11 {

// How much of a property is read, in 32-bit units. Titles and class names are cut at 256 KiB, so a
// client that sets a huge title cannot make a snapshot huge; the JSON writer repairs a character
// cut in half.
inline constexpr std::uint32_t textPropertyWords = 64 * 1024;
inline constexpr std::uint32_t atomListWords = 64;

// A property as read: its type, its format (8, 16 or 32 bits per item, 0 when it is absent) and
// its items in the client's byte order.
struct PropertyView {
  xcb_atom_t type = XCB_ATOM_NONE;
  std::uint8_t format = 0;
  std::string_view bytes;
};

// The property of a reply; an absent one for no reply (an error such as a vanished window).
PropertyView viewOf(const xcb_get_property_reply_t* reply);

// Each decoder accepts only the type and format its property is defined with; anything else
// counts as absent.

// UTF8_STRING text, as _NET_WM_NAME holds.
std::optional<std::string> utf8Text(const PropertyView& property, xcb_atom_t utf8String);

// WM_NAME text as UTF-8: STRING (ISO 8859-1), UTF8_STRING, or COMPOUND_TEXT.
std::optional<std::string> legacyText(const PropertyView& property, xcb_atom_t utf8String,
                                      xcb_atom_t compoundText);

// The class part of WM_CLASS ("instance\0class\0"), as UTF-8; absent when empty.
std::optional<std::string> classPart(const PropertyView& property);

// The first item of a CARDINAL property.
std::optional<std::uint32_t> cardinal(const PropertyView& property);

// The items of an ATOM property.
std::vector<xcb_atom_t> atomList(const PropertyView& property);

// The items of a WINDOW property, as _NET_CLIENT_LIST holds.
std::vector<xcb_window_t> windowList(const PropertyView& property);

// The state field of WM_STATE.
std::optional<std::uint32_t> wmStateValue(const PropertyView& property, xcb_atom_t wmState);

}  // namespace orvane::x11
