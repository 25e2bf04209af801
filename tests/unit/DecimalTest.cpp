// The one decimal writer and reader: "%0*d" padding, the 64-bit extremes,
// the cut at a cursor's bound, and strtol's reading saturated at 32 bits.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "text/Decimal.h"
#include "text/TextCursor.h"

namespace {

TEST(WriteDecimal, AsPrintfPadsIt) {
  struct Case { int64_t value; int64_t width; const char* text; } cases[] = {
      {0, 0, "0"},        {7, 2, "07"},          {7, 1, "7"},          {42, 0, "42"},
      {1999, 0, "1999"},  {5, 4, "0005"},        {123, 4, "0123"},     {12345, 3, "12345"},
      {-5, 4, "-005"},    {-5, 1, "-5"},         {-12, 0, "-12"},      {99, 3, "099"},
      {10000, 6, "010000"}, {-2147483648LL, 0, "-2147483648"},
      {INT64_MIN, 0, "-9223372036854775808"}, {INT64_MAX, 0, "9223372036854775807"},
  };
  for (const Case& c : cases) {
    char out[kDecimalTextSize + 8];
    EXPECT_EQ(WriteDecimal(out, c.value, c.width), static_cast<int32_t>(std::string(c.text).size())) << c.text;
    EXPECT_STREQ(out, c.text);
  }
}

TEST(PutNumber, StopsAtTheBound) {
  struct Case { int64_t capacity; int64_t value; int64_t width; std::string text; } cases[] = {
      {5, -5, 8, "-0000"}, {3, 12345, 0, "123"}, {4, 7, 2, "07"}, {1, 42, 0, "4"},
      {40, -5, 30, "-" + std::string(28, '0') + "5"},  // room, but not the writer's own margin
  };
  for (const Case& c : cases) {
    char buffer[64];
    TextCursor cursor = MakeTextCursor(buffer, c.capacity);
    PutNumber(&cursor, c.value, c.width);
    EndText(&cursor);
    EXPECT_EQ(std::string(buffer), c.text) << c.value << " in " << c.capacity;
  }
}

TEST(ReadDecimal, AsStrtolSaturatedAt32Bits) {
  struct Case { const char* text; int32_t value; int32_t read; } cases[] = {
      {"-12x", -12, 3},          {"+7", 7, 2},        {"", 0, 0},           {"-", 0, 1},
      {" 5", 0, 0},              {"0012", 12, 4},     {"2147483647", INT32_MAX, 10},
      {"2147483648", INT32_MAX, 10},                  {"-2147483648", INT32_MIN, 11},
      {"-2147483649", INT32_MIN, 11},                 {"99999999999999999999", INT32_MAX, 20},
  };
  for (const Case& c : cases) {
    const char* end = nullptr;
    EXPECT_EQ(ReadDecimal(c.text, &end), c.value) << c.text;
    EXPECT_EQ(end - c.text, c.read) << c.text;
  }
}

}  // namespace
