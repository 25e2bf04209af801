// A difference and its reverse are each other's negatives in every whole
// unit, and each unit is the exact difference in milliseconds rounded as
// its function says: over seeded random pairs of time stamps, many of them
// at a tie or a millisecond from one.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include "TestHost.h"
#include "host/FunctionIds.h"
#include "prefs/DateTimePrefs.h"

namespace {

// The raw engine only: its sequence is fixed by the standard, where the
// distributions differ from one C++ library to the next.
class Draw {
 public:
  explicit Draw(uint32_t seed) : engine_(seed) {}
  int32_t Below(int32_t n) { return static_cast<int32_t>(engine_() % static_cast<uint32_t>(n)); }
  // Seconds and milliseconds near the edges the rounding turns on.
  int32_t Second() {
    static const int32_t kEdges[] = {0, 29, 30, 59};
    return Below(2) == 0 ? kEdges[Below(4)] : Below(60);
  }
  int32_t Millisecond() {
    static const int32_t kEdges[] = {0, 1, 499, 500, 501, 999};
    return Below(2) == 0 ? kEdges[Below(6)] : Below(1000);
  }

 private:
  std::mt19937 engine_;
};

// One stamp as the user types it: a date and a time, or a time alone.
std::string Stamp(Draw* draw, bool withDate) {
  char text[64];
  const int32_t hour = draw->Below(24), minute = draw->Below(60), second = draw->Second();
  const int32_t ms = draw->Millisecond();
  if (!withDate) {
    std::snprintf(text, sizeof text, "%d:%02d:%02d.%03d", hour, minute, second, ms);
  } else {
    std::snprintf(text, sizeof text, "%d/%d/%d|%d:%02d:%02d.%03d", 1 + draw->Below(12), 1 + draw->Below(28),
                  1900 + draw->Below(200), hour, minute, second, ms);
  }
  return text;
}

std::string Negated(const std::string& number) {
  if (number == "0") return number;
  return number[0] == '-' ? number.substr(1) : "-" + number;
}

TEST(DifferenceReverse, EveryUnitIsTheNegativeOfItsReverse) {
  const int32_t kIds[] = {kDiffDays, kDiffHours, kDiffMinutes, kDiffSeconds, kDiffMilliSeconds};
  const int64_t kUnitMilliseconds[] = {86400000, 3600000, 60000, 1000, 1};
  constexpr int kPairs = 1500;
  Draw draw(23);
  TestHost host;
  SetDefaultPrefs();
  for (int pair = 0; pair < kPairs; ++pair) {
    // Dates on both sides or on neither: one date alone counts the times only.
    const bool withDates = draw.Below(3) != 0;
    const std::string a = Stamp(&draw, withDates), b = Stamp(&draw, withDates);
    const std::string forward = a + "|" + b, reverse = b + "|" + a;
    const std::string exactText = host.Call(kDiffMilliSeconds, forward);
    const int64_t exact = std::strtoll(exactText.c_str(), nullptr, 10);
    for (size_t u = 0; u < sizeof kIds / sizeof kIds[0]; ++u) {
      const std::string there = host.Call(kIds[u], forward), back = host.Call(kIds[u], reverse);
      // The milliseconds are held to the 32 bits the original wrote them in.
      if (kIds[u] == kDiffMilliSeconds && (exact > INT32_MAX || exact < INT32_MIN)) continue;
      EXPECT_EQ(back, Negated(there)) << kIds[u] << " " << forward;
      const int64_t whole = std::strtoll(there.c_str(), nullptr, 10) * kUnitMilliseconds[u];
      const int64_t unit = kUnitMilliseconds[u];
      if (kIds[u] == kDiffSeconds) {
        // The fraction dropped toward zero.
        EXPECT_LT(exact >= 0 ? exact - whole : whole - exact, unit) << forward;
        EXPECT_GE(exact >= 0 ? exact - whole : whole - exact, 0) << forward;
      } else {
        // The nearest whole unit, a half away from zero.
        const int64_t off = exact - whole;
        EXPECT_LE(off < 0 ? -off : off, unit / 2) << kIds[u] << " " << forward;
        if (unit > 1 && (off == unit / 2 || off == -unit / 2)) {
          EXPECT_EQ(off < 0, exact > 0) << kIds[u] << " " << forward;
        }
      }
    }
  }
}

}  // namespace
