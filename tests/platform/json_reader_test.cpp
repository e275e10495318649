#include "platform/common/json_reader.h"

#include <gtest/gtest.h>

namespace orvane::json {
namespace {

TEST(JsonReader, ReadsNestedValuesWithTheirTypes) {
  const Value value = parse(R"( {"a":[1,-2.5,"x",true,null,{}],"big":123456789012345678901} )");
  const Array& a = *value.member("a")->array();
  ASSERT_EQ(a.size(), 6u);
  EXPECT_EQ(*a[0].integer(), 1);
  EXPECT_EQ(std::get<double>(a[1].content), -2.5);
  EXPECT_EQ(*a[2].string(), "x");
  EXPECT_EQ(value.member("big")->integer(), nullptr);  // too big for 64 bits: a double
  EXPECT_EQ(value.member("missing"), nullptr);
}

TEST(JsonReader, EscapesBecomeUtf8) {
  EXPECT_EQ(*parse(R"("\u00e9\ud83d\ude00\n")").string(), "\xC3\xA9\xF0\x9F\x98\x80\n");
  EXPECT_EQ(*parse(R"("\ud800x")").string(), "\xEF\xBF\xBDx");
}

TEST(JsonReader, RefusesMalformedTruncatedAndTooDeepText) {
  for (const char* text : {"", "{", R"({"a":)", R"({"a" 1})", "[1,]", "[1 2]", "tru", "01x",
                           "\"abc", "\"\x01\"", "{} {}", "-", "1e999", "\"\\u12\""})
    EXPECT_THROW(parse(text), ParseError) << text;
  EXPECT_THROW(parse(std::string(100000, '[')), ParseError);
  EXPECT_NO_THROW(parse(std::string(maximumDepth, '[') + std::string(maximumDepth, ']')));
}

}  // namespace
}  // namespace orvane::json
