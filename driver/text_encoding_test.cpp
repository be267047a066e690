#include "driver/text_encoding.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace std::string_literals;

TEST(TextEncoding, AJsonStringOfAnyBytesIsValidUtf8) {
  struct Case {
    std::string text;
    HighBytes high;
    std::string json;
  };
  const std::vector<Case> cases = {
      {"a\"\\\0\x1f \x7f"s, HighBytes::Latin1, "\"a\\\"\\\\\\u0000\\u001f \\u007f\""},
      {"\x80\x9f\xa0\xff<", HighBytes::Latin1, "\"\\u0080\\u009f\xc2\xa0\xc3\xbf<\""},
      {"\xc5\xbe\xc2\x85\n", HighBytes::Utf8, "\"\xc5\xbe\xc2\x85\\u000a\""},
  };
  for (const Case& c : cases) {
    std::string json;
    appendJsonString(json, c.text, c.high);
    EXPECT_EQ(json, c.json);
    EXPECT_TRUE(isValidUtf8(json)) << json;
  }
}

TEST(TextEncoding, APathIsKeptWhereItIsValidUtf8) {
  const std::vector<std::pair<std::string, bool>> cases = {
      {"plain.txt", true},        {"\xc5\xbeiga.txt", true}, {"\xe2\x82\xac", true},
      {"\xf0\x9f\x98\x80", true}, {"\xc5", false},           {"\xc0\x80", false},
      {"\xe0\x80\xaf", false},    {"\xed\xa0\x80", false},   {"\xf4\x90\x80\x80", false},
      {"\xe9t\xe9.txt", false},
  };
  for (const auto& [path, valid] : cases) {
    EXPECT_EQ(isValidUtf8(path), valid) << path;
    std::string text;
    appendUtf8(text, path, highBytesOfPath(path));
    EXPECT_TRUE(isValidUtf8(text)) << text;
    EXPECT_EQ(text == path, valid) << text;
  }
  std::string latin1;
  appendUtf8(latin1, "\xe9t\xe9", HighBytes::Latin1);
  EXPECT_EQ(latin1, "\xc3\xa9t\xc3\xa9");
}

}  // namespace
