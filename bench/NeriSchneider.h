// The reference the calendar conversions are measured against: Neri and
// Schneider, "Euclidean affine functions and their application to calendar
// algorithms" (2022), written from the paper, with day numbers counted as the
// plug-in counts them (1 January of year 1 is day 1).
#pragma once

#include <cstdint>

namespace neri_schneider {

constexpr uint32_t kShift = 82;                                // centuries of shift
constexpr uint32_t kEpochOffset = 719468 + 146097 * kShift;    // days from 0000-03-01 view
constexpr uint32_t kToHostDays = 719163;                       // Unix day 0 is host day 719163

inline void DateFromDays(int32_t hostDay, int32_t* year, int32_t* month, int32_t* day) {
  const uint32_t n = static_cast<uint32_t>(hostDay - static_cast<int32_t>(kToHostDays)) + kEpochOffset;
  const uint32_t n1 = 4 * n + 3;
  const uint32_t c = n1 / 146097;
  const uint32_t r = n1 % 146097 / 4;
  const uint32_t n2 = 4 * r + 3;
  const uint64_t u2 = static_cast<uint64_t>(2939745) * n2;
  const uint32_t z = static_cast<uint32_t>(u2 >> 32);
  const uint32_t nY = static_cast<uint32_t>(u2) / 2939745 / 4;
  const uint32_t y = 100 * c + z;
  const uint32_t n3 = 2141 * nY + 197913;
  const uint32_t m = n3 >> 16;
  const uint32_t d = (n3 & 0xFFFF) / 2141;
  const bool january = nY >= 306;
  *year = static_cast<int32_t>(y + (january ? 1 : 0)) - static_cast<int32_t>(400 * kShift);
  *month = static_cast<int32_t>(january ? m - 12 : m);
  *day = static_cast<int32_t>(d + 1);
}

inline int32_t DaysFromDate(int32_t year, int32_t month, int32_t day) {
  const bool january = month <= 2;
  const uint32_t y = static_cast<uint32_t>(year + static_cast<int32_t>(400 * kShift)) - (january ? 1 : 0);
  const uint32_t m = january ? static_cast<uint32_t>(month) + 12 : static_cast<uint32_t>(month);
  const uint32_t d = static_cast<uint32_t>(day) - 1;
  const uint32_t c = y / 100;
  const uint32_t yStar = 1461 * y / 4 - c + c / 4;
  const uint32_t mStar = (979 * m - 2919) / 32;
  const uint32_t n = yStar + mStar + d;
  return static_cast<int32_t>(n - kEpochOffset + kToHostDays);
}

}  // namespace neri_schneider
