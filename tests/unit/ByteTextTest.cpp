// kelvhost's bytes in JSON: every byte is the code point of the same number.
#include <gtest/gtest.h>

#include <string>

#include "tools/kelvhost/ByteText.h"

namespace {

TEST(ByteText, EveryByteRoundTrips) {
  std::string all;
  for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
  std::string back;
  ASSERT_TRUE(BytesFromJsonText(JsonTextFromBytes(all), &back));
  EXPECT_EQ(back, all);
}

TEST(ByteText, Table) {
  struct Case { std::string utf8; bool ok; std::string bytes; } cases[] = {
      {"abc", true, "abc"},
      {"\xC3\xA9", true, "\xE9"},           // U+00E9
      {"\xC2\x80", true, "\x80"},           // U+0080
      {"\xC3\xBF", true, "\xFF"},           // U+00FF
      {"\xC4\x80", false, ""},              // U+0100
      {"\xE2\x82\xAC", false, ""},          // U+20AC, the euro sign
      {"\xF0\x9F\x98\x80", false, ""},      // beyond the BMP
      {std::string("a\0b", 3), true, std::string("a\0b", 3)},
  };
  for (const Case& c : cases) {
    std::string bytes;
    EXPECT_EQ(BytesFromJsonText(c.utf8, &bytes), c.ok);
    if (c.ok) {
      EXPECT_EQ(bytes, c.bytes);
    }
  }
}

}  // namespace
