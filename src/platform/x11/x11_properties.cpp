#include "platform/x11/x11_properties.h"

#include <cstring>

#include "platform/x11/x11_text.h"

namespace orvane::x11 {

namespace {

bool hasType(const PropertyView& property, xcb_atom_t type, std::uint8_t format) {
  return type != XCB_ATOM_NONE && property.type == type && property.format == format;
}

std::vector<std::uint32_t> words(std::string_view bytes) {
  std::vector<std::uint32_t> result(bytes.size() / sizeof(std::uint32_t));
  if (!result.empty())
    std::memcpy(result.data(), bytes.data(), result.size() * sizeof(std::uint32_t));
  return result;
}

}  // namespace

PropertyView viewOf(const xcb_get_property_reply_t* reply) {
  if (reply == nullptr || reply->type == XCB_ATOM_NONE)
    return {};
  // xcb_get_property_value takes a non-const reply but only computes an address.
  auto* mutableReply = const_cast<xcb_get_property_reply_t*>(reply);
  const auto* data = static_cast<const char*>(xcb_get_property_value(mutableReply));
  const int length = xcb_get_property_value_length(mutableReply);
  return {reply->type, reply->format,
          std::string_view(data, length > 0 ? static_cast<std::size_t>(length) : 0)};
}

std::optional<std::string> utf8Text(const PropertyView& property, xcb_atom_t utf8String) {
  if (!hasType(property, utf8String, 8))
    return std::nullopt;
  return std::string(property.bytes);
}

std::optional<std::string> legacyText(const PropertyView& property, xcb_atom_t utf8String,
                                      xcb_atom_t compoundText) {
  if (hasType(property, XCB_ATOM_STRING, 8))
    return latin1ToUtf8(property.bytes);
  if (hasType(property, compoundText, 8))
    return compoundTextToUtf8(property.bytes);
  return utf8Text(property, utf8String);
}

std::optional<std::string> classPart(const PropertyView& property) {
  if (!hasType(property, XCB_ATOM_STRING, 8))
    return std::nullopt;
  const std::size_t instanceEnd = property.bytes.find('\0');
  if (instanceEnd == std::string_view::npos)
    return std::nullopt;
  std::string_view name = property.bytes.substr(instanceEnd + 1);
  name = name.substr(0, name.find('\0'));
  if (name.empty())
    return std::nullopt;
  return latin1ToUtf8(name);
}

std::optional<std::uint32_t> cardinal(const PropertyView& property) {
  if (!hasType(property, XCB_ATOM_CARDINAL, 32) || property.bytes.size() < sizeof(std::uint32_t))
    return std::nullopt;
  return words(property.bytes).front();
}

std::vector<xcb_atom_t> atomList(const PropertyView& property) {
  if (!hasType(property, XCB_ATOM_ATOM, 32))
    return {};
  return words(property.bytes);
}

std::vector<xcb_window_t> windowList(const PropertyView& property) {
  if (!hasType(property, XCB_ATOM_WINDOW, 32))
    return {};
  return words(property.bytes);
}

std::optional<std::uint32_t> wmStateValue(const PropertyView& property, xcb_atom_t wmState) {
  if (!hasType(property, wmState, 32) || property.bytes.size() < sizeof(std::uint32_t))
    return std::nullopt;
  return words(property.bytes).front();
}

}  // namespace orvane::x11
