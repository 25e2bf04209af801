// AdvanceCounter answers true exactly when it could change the text in
// place: a number that keeps its sign (and is not 0 before or after) and its
// length is never written anew, so the lists that follow it never move what
// follows the number without need.
#include <gtest/gtest.h>

#include <string>

#include "text/DecimalCounter.h"

namespace {

TEST(DecimalCounter, InPlaceWheneverSignAndLengthStay) {
  struct Case { int64_t start, step, width; int32_t steps; } cases[] = {
      {1, 1, 0, 300},     {100, 15, 0, 200},   {-1205, 1, 0, 400}, {-1205, 15, 0, 200},
      {9990, -7, 0, 300}, {-10, -13, 0, 200},  {5, 12345, 0, 40},  {99999, -12345, 7, 8},
      {1, 1, 4, 1200},    {-9999, 111, 6, 100}, {120, -11, 4, 12},
  };
  for (const Case& c : cases) {
    char text[kDecimalTextSize + 16];
    DecimalCounter counter;
    StartCounter(&counter, text, c.start, c.step, c.width);
    int64_t value = c.start;
    for (int32_t i = 0; i < c.steps; ++i) {
      const int32_t before = counter.length;
      const bool inPlace = AdvanceCounter(&counter);
      const int64_t previous = value;
      value += c.step;
      char expected[kDecimalTextSize + 16];
      const int32_t n = WriteDecimal(expected, value, c.width);
      ASSERT_EQ(std::string(text, static_cast<size_t>(counter.length)), std::string(expected, static_cast<size_t>(n)))
          << "from " << c.start << " by " << c.step << " at " << value;
      const bool sameSign = (previous > 0 && value > 0) || (previous < 0 && value < 0);
      EXPECT_EQ(inPlace, sameSign && n == before)
          << "from " << previous << " to " << value << " by " << c.step << ", width " << c.width;
    }
  }
}

}  // namespace
