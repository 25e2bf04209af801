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

// Two stamps as a parameter, both ways round. Dates on both sides or on
// neither: one date alone counts the times only.
struct StampPair {
  std::string forward, reverse;
};

StampPair DrawPair(Draw* draw) {
  const bool withDates = draw->Below(3) != 0;
  const std::string a = Stamp(draw, withDates);
  const std::string b = Stamp(draw, withDates);
  return {a + "|" + b, b + "|" + a};
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
    const StampPair stamps = DrawPair(&draw);
    const std::string& forward = stamps.forward;
    const std::string& reverse = stamps.reverse;
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

// The readable texts as (number, unit) pairs summed back to milliseconds;
// -1 where a word is not a unit or a number carries the wrong sign.
int64_t WordsToMilliseconds(const std::string& text, bool negative) {
  static const struct {
    const char* word;
    int64_t milliseconds;
  } kUnits[] = {{"day", 86400000}, {"hour", 3600000}, {"minute", 60000}, {"second", 1000}, {"millisecond", 1}};
  int64_t total = 0;
  size_t at = 0;
  while (at < text.size()) {
    size_t end = text.find(' ', at);
    const long long number = std::strtoll(text.substr(at, end - at).c_str(), nullptr, 10);
    if (end == std::string::npos || (number < 0) != negative || number == 0) return -1;
    at = end + 1;
    end = text.find(' ', at);
    std::string word = text.substr(at, end == std::string::npos ? std::string::npos : end - at);
    if (word.size() > 1 && word.back() == 's') word.pop_back();
    at = end == std::string::npos ? text.size() : end + 1;
    int64_t unit = 0;
    for (const auto& u : kUnits) {
      if (word == u.word) unit = u.milliseconds;
    }
    if (unit == 0) return -1;
    total += (number < 0 ? -number : number) * unit;
  }
  return total;
}

// "-26:03:04.050" back to its milliseconds and sign.
int64_t ClockToMilliseconds(const std::string& text) {
  long long h = 0;
  int m = 0, sec = 0, ms = 0;
  const bool negative = !text.empty() && text[0] == '-';
  if (std::sscanf(text.c_str() + (negative ? 1 : 0), "%lld:%d:%d.%d", &h, &m, &sec, &ms) != 4) return INT64_MIN;
  const int64_t magnitude = ((h * 60 + m) * 60 + sec) * 1000 + ms;
  return negative ? -magnitude : magnitude;
}

// Each readable text is the exact difference split into units, with the
// sign before every number, and its reverse the same numbers negated.
TEST(DifferenceReverse, TextsAreTheExactDifferenceWithTheSignOnEveryNumber) {
  constexpr int kPairs = 1500;
  Draw draw(29);
  TestHost host;
  SetDefaultPrefs();
  for (int pair = 0; pair < kPairs; ++pair) {
    const StampPair stamps = DrawPair(&draw);
    const std::string& forward = stamps.forward;
    const std::string& reverse = stamps.reverse;
    const std::string milliseconds = host.Call(kDiffMilliSeconds, forward);
    if (milliseconds == "0") continue;  // equal stamps: no text at all
    const int64_t exact = std::strtoll(milliseconds.c_str(), nullptr, 10);
    const int64_t magnitude = exact < 0 ? -exact : exact;
    for (const int32_t id : {kDiffDaysString, kDiffHoursString}) {
      const std::string there = host.Call(id, forward), back = host.Call(id, reverse);
      EXPECT_EQ(WordsToMilliseconds(there, exact < 0), magnitude) << id << " " << forward << " -> " << there;
      EXPECT_EQ(WordsToMilliseconds(back, exact > 0), magnitude) << id << " " << reverse << " -> " << back;
    }
    const std::string clock = host.Call(kDiffTimeString, forward), clockBack = host.Call(kDiffTimeString, reverse);
    EXPECT_EQ(ClockToMilliseconds(clock), exact) << forward << " -> " << clock;
    EXPECT_EQ(clockBack, Negated(clock)) << reverse;
  }
}

}  // namespace
