// The readers and writers every function shares.
#include <gtest/gtest.h>

#include <string>

#include "host/ResultWriters.h"

namespace {

TEST(ParseSignedInteger, Table) {
  struct Case { const char* text; bool ok; int32_t value; } cases[] = {
      {"-12", true, -12},   {"+", true, 0},      {"-", true, 0},     {"", true, 0},
      {"007", true, 7},     {"1-2", false, 0},   {" 5", false, 0},   {"5 ", false, 0},
      {"--5", false, 0},    {"1.5", false, 0},   {"12a", false, 0},  {"+42", true, 42},
      // Past 32 bits the value saturates, as the 32-bit runtime's strtol does.
      {"2147483647", true, 2147483647},  {"2147483648", true, 2147483647},
      {"99999999999999999999", true, 2147483647},
      {"-2147483648", true, -2147483647 - 1}, {"-2147483649", true, -2147483647 - 1},
  };
  for (const Case& c : cases) {
    int32_t value = 99;
    EXPECT_EQ(ParseSignedInteger(c.text, &value), c.ok) << c.text;
    EXPECT_EQ(value, c.value) << c.text;
  }
}

TEST(ReadLeadingInteger, ReadsAsStrtolDoes) {
  struct Case { const char* text; int32_t value; } cases[] = {
      {"15 minutes", 15}, {"abc", 0},         {"  -7x", -7},   {"\t\n+3", 3}, {"", 0},
      {"- 5", 0},         {"99999999999", 2147483647},          {"-99999999999", -2147483647 - 1},
      // Every white space character before the number, and its neighbours that are none.
      {"\t1", 1},         {"\n2", 2},         {"\v3", 3},       {"\f4", 4},   {"\r15", 15},
      {" 6", 6},          {"\b7", 0},         {"\x0e" "8", 0},   {"\x1f" "9", 0},
  };
  for (const Case& c : cases) EXPECT_EQ(ReadLeadingInteger(c.text), c.value) << c.text;
}

TEST(TrimTrailingLineEnds, Table) {
  struct Case { const char* text; const char* trimmed; } cases[] = {
      {"a\r\n\r", "a"}, {"\r\r", ""}, {"", ""}, {"a\rb", "a\rb"}, {"a\r b\n", "a\r b"},
  };
  for (const Case& c : cases) {
    std::string buffer = c.text;
    TrimTrailingLineEnds(&buffer[0]);
    EXPECT_STREQ(buffer.c_str(), c.trimmed);
  }
  TrimTrailingLineEnds(nullptr);  // a missing text is left alone
}

}  // namespace
