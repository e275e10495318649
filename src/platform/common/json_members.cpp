#include "platform/common/json_members.h"

namespace orvane::json {

std::optional<double> numberMember(const Value& node, std::string_view key) {
  const Value* member = node.member(key);
  if (member == nullptr)
    return std::nullopt;
  if (const std::int64_t* integer = member->integer())
    return static_cast<double>(*integer);
  if (const double* number = std::get_if<double>(&member->content))
    return *number;
  return std::nullopt;
}

bool flagMember(const Value& node, std::string_view key) {
  const Value* member = node.member(key);
  const bool* value = member == nullptr ? nullptr : std::get_if<bool>(&member->content);
  return value != nullptr && *value;
}

const std::string* stringMember(const Value& node, std::string_view key) {
  const Value* member = node.member(key);
  return member == nullptr ? nullptr : member->string();
}

}  // namespace orvane::json
