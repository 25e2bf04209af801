// The one decimal writer and reader: "%0*d" padding, the 64-bit extremes,
// the cut at a cursor's bound, and strtol's reading saturated at 32 bits.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "text/Decimal.h"
#include "text/DecimalCounter.h"
#include "text/TextCursor.h"

namespace {

TEST(WriteDecimal, AsPrintfPadsIt) {
  struct Case { int64_t value; int64_t width; const char* text; } cases[] = {
      {0, 0, "0"},        {7, 2, "07"},          {7, 1, "7"},          {42, 0, "42"},
      {1999, 0, "1999"},  {5, 4, "0005"},        {123, 4, "0123"},     {12345, 3, "12345"},
      {-5, 4, "-005"},    {-5, 1, "-5"},         {-12, 0, "-12"},      {99, 3, "099"},
      {10000, 6, "010000"}, {1000, 0, "1000"},   {2001, 4, "2001"},    {999, 4, "0999"},
      {1000, 5, "01000"}, {-2147483648LL, 0, "-2147483648"},
      {INT64_MIN, 0, "-9223372036854775808"}, {INT64_MAX, 0, "9223372036854775807"},
  };
  for (const Case& c : cases) {
    char out[kDecimalTextSize + 8];
    EXPECT_EQ(WriteDecimal(out, c.value, c.width), static_cast<int32_t>(std::string(c.text).size())) << c.text;
    EXPECT_STREQ(out, c.text);
  }
}

// All three ways of writing (two digits, a four-digit year, the general
// loop) against snprintf: every power of ten and its neighbours, each
// negated, the 32- and 64-bit extremes, at every width up to 24.
TEST(WriteDecimal, AsSnprintfAtEveryPowerOfTen) {
  std::vector<int64_t> values = {INT64_MIN, INT64_MIN + 1, INT64_MAX, INT64_MAX - 1,
                                 INT32_MIN, INT32_MIN + 1LL, INT32_MAX, INT32_MAX + 1LL,
                                 -1 - static_cast<int64_t>(UINT32_MAX), UINT32_MAX};
  for (int64_t power = 1;; power *= 10) {
    for (int64_t near = -2; near <= 2; ++near) {
      values.push_back(power + near);
      values.push_back(-(power + near));
    }
    if (power > INT64_MAX / 10) break;
  }
  int mismatches = 0;
  for (int64_t value : values) {
    for (int64_t width = 0; width <= 24; ++width) {
      char expected[64], out[kDecimalTextSize + 24 + 1];
      const int n = std::snprintf(expected, sizeof expected, "%0*lld", static_cast<int>(width),
                                  static_cast<long long>(value));
      const int32_t length = WriteDecimal(out, value, width);
      if ((length != n || std::string(out) != expected) && ++mismatches <= 5)
        ADD_FAILURE() << value << " width " << width << ": [" << out << "] against [" << expected << "]";
    }
  }
  EXPECT_EQ(mismatches, 0);
}

// Every text a counter passes through is WriteDecimal's text of its value,
// across gained and lost digits, padding, zero and a change of sign; a step
// it calls "in place" keeps the length.
TEST(DecimalCounter, KeepsWriteDecimalsText) {
  struct Case { int64_t start; int64_t step; int64_t width; int32_t steps; } cases[] = {
      {0, 1, 0, 1200},     {1, 1, 3, 1200},     {998, 1, 0, 5},        {1000, -1, 0, 3},
      {-1205, 1, 0, 2500}, {-1205, 1, 5, 2500}, {-1205, 1, 4, 300}, {100, -7, 2, 40},      {-3, -1, 4, 1100},
      {5, 995, 0, 20},     {99999, 12345, 7, 30}, {-50000, 12345, 0, 10}, {9, 9, 0, 50},
      {2147483000, 100, 0, 6}, {-2147483648LL, 2147483647, 0, 2}, {1900, 1, 0, 9000},
      {7, 0, 3, 3},  // a step of 0: the text stays
  };
  for (const Case& c : cases) {
    char text[kDecimalTextSize + 16];
    DecimalCounter counter;
    StartCounter(&counter, text, c.start, c.step, c.width);
    int64_t value = c.start;
    for (int32_t i = 0; i < c.steps; ++i) {
      // The steps the counter says change the last digit alone do just that.
      std::string shortcut(text, static_cast<size_t>(counter.length));
      const int64_t run = CounterOnesRun(&counter);
      for (int64_t k = 1; k <= run; ++k) {
        shortcut.back() = static_cast<char>(shortcut.back() + c.step);
        char expected[kDecimalTextSize + 16];
        const int32_t n = WriteDecimal(expected, value + k * c.step, c.width);
        ASSERT_EQ(shortcut, std::string(expected, static_cast<size_t>(n))) << "run from " << value << " by " << c.step;
      }
      const int32_t before = counter.length;
      const bool inPlace = AdvanceCounter(&counter);
      value += c.step;
      char expected[kDecimalTextSize + 16];
      const int32_t n = WriteDecimal(expected, value, c.width);
      ASSERT_EQ(std::string(text, static_cast<size_t>(counter.length)), std::string(expected, static_cast<size_t>(n)))
          << "from " << c.start << " by " << c.step << " width " << c.width << " at " << value;
      if (inPlace) {
        ASSERT_EQ(counter.length, before) << value;
      }
    }
  }
}

TEST(PutNumber, StopsAtTheBound) {
  struct Case { int64_t capacity; int64_t value; int64_t width; std::string text; size_t before = 0; } cases[] = {
      // Room enough in the whole cursor, but not after what it holds.
      {40, 123456789012345LL, 0, std::string(30, 'x') + "1234567890", 30},
      {40, -7, 12, std::string(35, 'x') + "-0000", 35},
      {5, -5, 8, "-0000"}, {3, 12345, 0, "123"}, {4, 7, 2, "07"}, {1, 42, 0, "4"},
      {40, -5, 30, "-" + std::string(28, '0') + "5"},  // room, but not the writer's own margin
      {8, 42, -3, "42"}, {2, -42, -3, "-4"},          // a width below 0 is the natural width
  };
  for (const Case& c : cases) {
    char buffer[64];
    TextCursor cursor = MakeTextCursor(buffer, c.capacity);
    for (size_t i = 0; i < c.before; ++i) PutChar(&cursor, 'x');
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
