// Day number to date and back: ours, the Neri-Schneider reference, and the
// year-by-year walk that defines day numbers.
#include <benchmark/benchmark.h>

#include "NeriSchneider.h"
#include "datetime/Calendar.h"

namespace {

constexpr int32_t kLastDay = 1095727;

int32_t WalkingDateFromDays(int32_t v, int32_t* year, int32_t* month, int32_t* day) {
  int32_t y = 1, base = 0;
  while (base < v) {
    int32_t length = IsLeapYear(y) ? 366 : 365;
    if (base + length >= v) break;
    ++y;
    base += length;
  }
  int32_t m = 1;
  while (m <= 12 && base + DaysInMonth(m, y) < v) base += DaysInMonth(m++, y);
  *year = y;
  *month = m;
  *day = v - base;
  return *day;
}

template <typename ToDate, typename ToDays>
void RoundTrip(benchmark::State& state, ToDate toDate, ToDays toDays) {
  int32_t v = 1;
  for (auto _ : state) {
    int32_t y, m, d;
    toDate(v, &y, &m, &d);
    int32_t back = toDays(y, m, d);
    benchmark::DoNotOptimize(back);
    v = static_cast<int32_t>(static_cast<uint64_t>(v) * 7919 % kLastDay) + 1;  // a spread of day numbers
  }
  state.SetItemsProcessed(state.iterations());
}

void BM_DayNumbers_Ours(benchmark::State& state) {
  RoundTrip(state, DateFromDayNumber, DayNumberFromDate);
}
void BM_DayNumbers_NeriSchneider(benchmark::State& state) {
  RoundTrip(state, neri_schneider::DateFromDays, neri_schneider::DaysFromDate);
}
void BM_DayNumbers_YearWalk(benchmark::State& state) {
  RoundTrip(state, WalkingDateFromDays, DayNumberFromDate);
}

}  // namespace

BENCHMARK(BM_DayNumbers_Ours);
BENCHMARK(BM_DayNumbers_NeriSchneider);
BENCHMARK(BM_DayNumbers_YearWalk);
