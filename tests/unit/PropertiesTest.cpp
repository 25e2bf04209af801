// Properties over seeded random inputs, where the tables cannot reach every
// start, step and date: a date list's items read back as the dates they
// name and step by the step; Kelv-FormatDate of its own answer is that
// answer again. Every failure names its seed and its draw.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "TestHost.h"
#include "functions/RangeParameter.h"
#include "datetime/Calendar.h"
#include "datetime/Parsing.h"
#include "host/FunctionIds.h"
#include "prefs/DateTimePrefs.h"

namespace {

constexpr uint32_t kSeeds[] = {11, 12, 13};
constexpr int64_t kDay = 1440;
constexpr int32_t kLastDay = 1095726;  // 12/30/3000, the last day number read

std::vector<std::string> Items(const std::string& list) {
  std::vector<std::string> items;
  size_t from = 0;
  for (size_t cut; (cut = list.find('\r', from)) != std::string::npos; from = cut + 1) {
    items.push_back(list.substr(from, cut - from));
  }
  items.push_back(list.substr(from));
  return items;
}

// A stamp of a date list's item as minutes from day number 0, read by the
// plug-in's own readers; -1 when an item does not read.
int64_t ReadItem(const std::string& item, bool withTime) {
  const size_t space = item.find(' ');
  const std::string date = withTime ? item.substr(0, space) : item;
  int32_t y, m, d, h = 0, mi = 0, s = 0, ms = 0;
  if (!ParseDateText(ActiveSeparators(), date.c_str(), &y, &m, &d)) return -1;
  if (withTime &&
      (space == std::string::npos || !ParseTimeText(ActiveSeparators(), item.c_str() + space + 1, &h, &mi, &s, &ms))) {
    return -1;
  }
  return DayNumberFromDate(y, m, d) * kDay + h * 60 + mi;
}

std::string Stamp(int64_t minutes) {
  int32_t y, m, d;
  DateFromDayNumber(static_cast<int32_t>(minutes / kDay), &y, &m, &d);
  const int64_t t = minutes % kDay;
  return std::to_string(m) + "/" + std::to_string(d) + "/" + std::to_string(y) + "|" + std::to_string(t / 60) +
         ":" + std::to_string(t % 60);
}

// Lists of days, of minutes and of hours with minutes, dated, from random
// starts of the years 1901 to 2999 with random steps and spans: the first
// item is the start, each the one before plus the step, and the last the
// latest before the end (which lies less than a step after it).
TEST(Properties, DateListItemsReadBackAndStepByTheStep) {
  TestHost host;
  const int32_t firstDay = DayNumberFromDate(1901, 1, 1), lastDay = DayNumberFromDate(2999, 12, 1);
  for (uint32_t seed : kSeeds) {
    std::mt19937 random(seed);
    auto below = [&](int64_t n) { return static_cast<int64_t>(random() % static_cast<uint32_t>(n)); };
    for (int draw = 0; draw < 60; ++draw) {
      SetDefaultPrefs();
      DateTimePrefs.timeFormat = kTime24Hour;
      DateTimePrefs.dateFormat = below(2) ? kDateMMDDYYYY : kDateYYYYMMDD;
      DateTimePrefs.dateZeroPad = static_cast<uint8_t>(below(2));
      DateTimePrefs.timeZeroPad = static_cast<uint8_t>(below(2));
      DateTimePrefs.minuteIncrement = static_cast<int32_t>(1 + below(90));
      DateTimePrefs.hourIncrement = static_cast<int32_t>(1 + below(30));
      const int32_t kinds[] = {kListDays, kListDateMinutes, kListDateHoursMinutes};
      const int32_t id = kinds[below(3)];
      const int64_t step = id == kListDays ? kDay
                           : id == kListDateMinutes ? DateTimePrefs.minuteIncrement
                                                    : DateTimePrefs.hourIncrement * 60;
      const int64_t count = 1 + below(120);
      const int64_t start = (firstDay + below(lastDay - firstDay)) * kDay + (id == kListDays ? 0 : below(kDay));
      const int64_t end = start + (count - 1) * step + below(step);
      const std::string parameter = Stamp(start) + "|" + Stamp(end);
      const std::vector<std::string> items = Items(host.Call(id, parameter));
      const std::string where = "seed " + std::to_string(seed) + " draw " + std::to_string(draw) + ": id " +
                                std::to_string(id) + " " + parameter;
      ASSERT_EQ(static_cast<int64_t>(items.size()), count) << where;
      for (int64_t i = 0; i < count; ++i) {
        const int64_t expected = id == kListDays ? (start / kDay + i) * kDay : start + i * step;
        ASSERT_EQ(ReadItem(items[static_cast<size_t>(i)], id != kListDays), expected)
            << where << ", item " << i << " " << items[static_cast<size_t>(i)];
      }
    }
  }
  SetDefaultPrefs();
}

// Kelv-FormatDate of its own answer is the same answer, for random day
// numbers of the whole range read (and its edges), under every date order
// and pad, wherever the reader takes the text for the date it names. The
// reader tells the fields apart by their size, so these do not read back:
// a year of three digits (100 to 999, padded or not), a two-digit year
// written as one digit, a day-first date up to the 12th (read month first)
// and a year-first date of a two-digit year (read as month, day, year).
TEST(Properties, FormatDateOfItsOwnAnswerIsThatAnswer) {
  TestHost host;
  std::vector<int32_t> days = {0, 1, 36159, 36160, 364877, 364878, 693595, 693596, kLastDay - 1, kLastDay};
  for (uint32_t seed : kSeeds) {
    std::mt19937 random(seed);
    for (int draw = 0; draw < 700; ++draw) days.push_back(static_cast<int32_t>(random() % (kLastDay + 1)));
  }
  const int32_t orders[] = {kDateMMDDYYYY, kDateMMDDYY,  kDateDDMMYYYY, kDateDDMMYY,
                            kDateYYYYMMDD, kDateYYMMDD, kDateHost};
  int checked = 0;
  for (int32_t order : orders) {
    for (uint8_t pad : {0, 1}) {
      for (int32_t dayNumber : days) {
        int32_t y, m, d;
        DateFromDayNumber(dayNumber, &y, &m, &d);
        const bool twoDigitYear = (order == kDateMMDDYY || order == kDateDDMMYY || order == kDateYYMMDD) &&
                                  (y >= 1900 || y < 100);
        const bool dayFirst = order == kDateDDMMYYYY || order == kDateDDMMYY;
        const bool readsBack = order == kDateHost ||
                               (!(y >= 100 && y < 1000) && !(twoDigitYear && pad == 0 && y % 100 < 10) &&
                                !(dayFirst && d <= 12 && d != m) && !(order == kDateYYMMDD && twoDigitYear));
        if (!readsBack) continue;
        SetDefaultPrefs();
        DateTimePrefs.dateFormat = order;
        DateTimePrefs.dateZeroPad = pad;
        const std::string once = host.Call(kFormatDate, std::to_string(dayNumber));
        ASSERT_NE(once, "??") << dayNumber;
        ASSERT_EQ(host.Call(kFormatDate, once), once) << "day " << dayNumber << " order " << order << " pad " << +pad;
        ++checked;
      }
    }
  }
  EXPECT_GT(checked, 10000) << "most draws read back";
  SetDefaultPrefs();
}

}  // namespace
