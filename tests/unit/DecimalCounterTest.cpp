// AdvanceCounter answers true exactly when it could change the text in
// place: a number that keeps its sign (and is not 0 before or after) and its
// length is never written anew, so the lists that follow it never move what
// follows the number without need.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "text/DecimalCounter.h"

namespace {

// Steps a counter and compares its text with WriteDecimal's after every
// step, and its answer with whether the sign (0 having neither) and the
// length stayed; a step of one digit down to 0 is in place too, as 0's
// text is the ones digit with its padding zeros.
void ExpectCounterSteps(int64_t start, int64_t step, int64_t width, int32_t steps) {
  char text[kDecimalTextSize + 16];
  DecimalCounter counter;
  StartCounter(&counter, text, start, step, width);
  int64_t value = start;
  for (int32_t i = 0; i < steps; ++i) {
    const int32_t before = counter.length;
    const bool inPlace = AdvanceCounter(&counter);
    const int64_t previous = value;
    value += step;
    char expected[kDecimalTextSize + 16];
    const int32_t n = WriteDecimal(expected, value, width);
    ASSERT_EQ(std::string(text, static_cast<size_t>(counter.length)), std::string(expected, static_cast<size_t>(n)))
        << "from " << start << " by " << step << ", width " << width << " at " << value;
    const bool sameSign = (previous > 0 && value > 0) || (previous < 0 && value < 0);
    const bool onesDownToZero = previous > 0 && value == 0 && step > -10;
    EXPECT_EQ(inPlace, (sameSign || onesDownToZero) && n == before)
        << "from " << previous << " to " << value << " by " << step << ", width " << width;
  }
}

TEST(DecimalCounter, InPlaceWheneverSignAndLengthStay) {
  struct Case { int64_t start, step, width; int32_t steps; } cases[] = {
      {1, 1, 0, 300},     {100, 15, 0, 200},   {-1205, 1, 0, 400}, {-1205, 15, 0, 200},
      {9990, -7, 0, 300}, {-10, -13, 0, 200},  {5, 12345, 0, 40},  {99999, -12345, 7, 8},
      {1, 1, 4, 1200},    {-9999, 111, 6, 100}, {120, -11, 4, 12},
      // Down through 0 into the negatives, and up through 0 out of them:
      // 0's text is neither sign's, so the step off 0 writes anew.
      {3, -1, 0, 6},      {20, -10, 3, 5},     {1, -1, 2, 3},      {-2, 1, 0, 5},
      {-30, 10, 3, 6},    {5, -5, 0, 3},
  };
  for (const Case& c : cases) ExpectCounterSteps(c.start, c.step, c.width, c.steps);
}

// Seeded random walks near 0 and near the powers of ten, where a step
// changes the sign or the count of digits, by steps of either sign and of
// one to four digits, at widths 0 to 4.
TEST(DecimalCounter, RandomWalksMatchWriteDecimal) {
  constexpr uint32_t kSeeds[] = {21, 22, 23};
  constexpr int64_t kPowers[] = {0, 10, 100, 1000, 10000, 100000};
  constexpr int64_t kStepLimits[] = {9, 99, 999, 9999};
  for (uint32_t seed : kSeeds) {
    std::mt19937 random(seed);
    for (int32_t walk = 0; walk < 400; ++walk) {
      const int64_t around = kPowers[random() % 6] * (random() % 2 == 0 ? 1 : -1);
      const int64_t start = around + static_cast<int64_t>(random() % 41) - 20;
      const int64_t limit = kStepLimits[random() % 4];
      int64_t step = 1 + static_cast<int64_t>(random() % static_cast<uint32_t>(limit));
      if (random() % 2 == 0) step = -step;
      ExpectCounterSteps(start, step, static_cast<int64_t>(random() % 5), 12);
    }
  }
}

}  // namespace
