// The minute lists patch the minute's digits into one formatted item per
// hour; their lists must equal the items formatted one by one, for every
// time format, pad setting, separator and step, across hour, midnight and
// day ends, with digits in the prefix and suffix.
#include <gtest/gtest.h>

#include <string>

#include "TestHost.h"
#include "datetime/Calendar.h"
#include "datetime/Formatting.h"
#include "host/FunctionIds.h"
#include "prefs/DateTimePrefs.h"

namespace {

constexpr int32_t kDay = 1440;

// "Kelv-DateList (Minutes)" formatted item by item.
std::string TimesItemByItem(int32_t from, int32_t count, int32_t step, const char* prefix, const char* suffix) {
  std::string list;
  for (int32_t i = 0; i < count; ++i) {
    const int32_t t = (from + i * step) % kDay;
    char item[kFormattedTextSize];
    const int32_t n = FormatTimeText(DateTimePrefs, item, t / 60, t % 60, 0, 0, prefix, suffix, false, i != 0);
    list.append(item, static_cast<size_t>(n));
  }
  return list;
}

// "Kelv-DateList (Date Minutes)" formatted item by item, from 1 day number.
std::string StampsItemByItem(int32_t dayNumber, int32_t from, int32_t count, int32_t step, const char* prefix,
                             const char* suffix, bool hourOnly = false) {
  std::string list;
  for (int32_t i = 0; i < count; ++i) {
    const int64_t t = from + static_cast<int64_t>(i) * step;
    int32_t y, m, d;
    DateFromDayNumber(dayNumber + static_cast<int32_t>(t / kDay), &y, &m, &d);
    char item[kFormattedTextSize];
    const int32_t n = FormatDateTimeText(DateTimePrefs, item, y, m, d, static_cast<int32_t>(t % kDay / 60),
                                         static_cast<int32_t>(t % 60), prefix, suffix, i != 0, hourOnly);
    list.append(item, static_cast<size_t>(n));
  }
  return list;
}

// A time of day as the host's seconds of the day, which read the same
// whatever the separator.
std::string Seconds(int32_t minutes) { return std::to_string(minutes % kDay * 60); }

TEST(MinuteList, EqualsItemByItemFormatting) {
  struct Range { int32_t from, count, step; } ranges[] = {
      {0, 130, 1}, {23 * 60 + 50, 25, 1}, {11 * 60 + 55, 12, 7}, {9 * 60 + 59, 3, 59}, {600, 200, 13},
  };
  struct Affixes { const char* prefix; const char* suffix; } affixes[] = {{"", ""}, {"x12", "59y"}, {"<", ">"}};
  const char separators[] = {':', '.', '\0', '5'};
  const int32_t startDay = DayNumberFromDate(2000, 2, 28);
  TestHost host;
  for (int32_t format : {kTime12Hour, kTime24Hour, kTimeHost}) {
    for (uint8_t pad : {0, 1}) {
      for (char separator : separators) {
        for (const Range& r : ranges) {
          for (const Affixes& a : affixes) {
            SetDefaultPrefs();
            host.Call(kMinuteIncrementPrefs, std::to_string(r.step));
            DateTimePrefs.timeFormat = format;
            DateTimePrefs.timeZeroPad = pad;
            DateTimePrefs.timeSeparator = separator;
            const int32_t last = r.from + (r.count - 1) * r.step;
            const std::string affixed = a.prefix[0] != 0 ? std::string(a.prefix) + "|" : "";
            const std::string after = a.prefix[0] != 0 ? std::string("|") + a.suffix : "";
            const std::string times = affixed + Seconds(r.from) + "|" + Seconds(last) + after;
            // A list of times spans less than a day.
            if ((r.count - 1) * r.step < kDay) {
              ASSERT_EQ(host.Call(kListMinutes, times), TimesItemByItem(r.from, r.count, r.step, a.prefix, a.suffix))
                  << "format " << format << " pad " << int(pad) << " separator " << int(separator) << " from "
                  << r.from << " step " << r.step << " " << a.prefix;
            }
            const std::string stamps = affixed + std::to_string(startDay) + "|" + Seconds(r.from) + "|" +
                                       std::to_string(startDay + last / kDay) + "|" + Seconds(last) + after;
            ASSERT_EQ(host.Call(kListDateMinutes, stamps),
                      StampsItemByItem(startDay, r.from, r.count, r.step, a.prefix, a.suffix))
                << "format " << format << " pad " << int(pad) << " separator " << int(separator) << " from "
                << r.from << " step " << r.step << " " << a.prefix;
          }
        }
      }
    }
  }
  SetDefaultPrefs();
}

// The hour lists keep each hour's clock text once the list is longer than a
// day's hours, and write it beside the day's front: their lists too must
// equal the items formatted one by one.
TEST(HourList, EqualsItemByItemFormatting) {
  struct Range { int32_t from, count, stepHours; } ranges[] = {{0, 10, 1}, {30, 100, 1}, {23 * 60 + 5, 60, 5}, {600, 30, 25}};
  struct Affixes { const char* prefix; const char* suffix; } affixes[] = {
      {"", ""}, {"x12", "59y"}, {"<", "a suffix too long for one short copy, at 40+"}};
  const int32_t startDay = DayNumberFromDate(2000, 2, 27);
  TestHost host;
  for (int32_t format : {kTime12Hour, kTime24Hour, kTimeHost}) {
    for (uint8_t pad : {0, 1}) {
      for (int32_t dateFormat : {kDateMMDDYYYY, kDateYYMMDD, kDateHost}) {
        for (const Range& r : ranges) {
          for (const Affixes& a : affixes) {
            for (int32_t id : {kListDateHours, kListDateHoursMinutes}) {
              SetDefaultPrefs();
              host.Call(kHourIncrementPrefs, std::to_string(r.stepHours));
              DateTimePrefs.timeFormat = format;
              DateTimePrefs.timeZeroPad = pad;
              DateTimePrefs.dateFormat = dateFormat;
              DateTimePrefs.dateZeroPad = pad;
              const int32_t last = r.from + (r.count - 1) * r.stepHours * 60;
              const std::string affixed = a.prefix[0] != 0 ? std::string(a.prefix) + "|" : "";
              const std::string after = a.prefix[0] != 0 ? std::string("|") + a.suffix : "";
              const std::string stamps = affixed + std::to_string(startDay) + "|" + Seconds(r.from) + "|" +
                                         std::to_string(startDay + last / kDay) + "|" + Seconds(last) + after;
              ASSERT_EQ(host.Call(id, stamps), StampsItemByItem(startDay, r.from, r.count, r.stepHours * 60, a.prefix,
                                                                a.suffix, id == kListDateHours))
                  << "id " << id << " format " << format << " date " << dateFormat << " pad " << int(pad)
                  << " from " << r.from << " step " << r.stepHours << " " << a.prefix;
            }
          }
        }
      }
    }
  }
  SetDefaultPrefs();
}

// The time-only hour lists, "Kelv-DateList (Hours/Minutes)" and
// "Kelv-DateList (Hours)", under every clock: items formatted one by one,
// across noon and midnight, wrapping past it when the end is earlier.
TEST(TimeHourList, EqualsItemByItemFormatting) {
  struct Range { int32_t from, count, stepHours; } ranges[] = {
      {0, 24, 1}, {9 * 60 + 30, 3, 1}, {11 * 60 + 5, 3, 1}, {22 * 60 + 5, 6, 1}, {23 * 60 + 59, 2, 1},
      {7 * 60 + 15, 5, 4}, {600, 1, 1},
  };
  struct Affixes { const char* prefix; const char* suffix; } affixes[] = {{"", ""}, {"x12", "59y"}, {"<", ">"}};
  TestHost host;
  for (int32_t format : {int32_t{kTime12Hour}, int32_t{kTime24Hour}, int32_t{kTimeHost}, int32_t{0}}) {
    for (uint8_t pad : {0, 1}) {
      for (char separator : {':', '.', '5'}) {
        for (const Range& r : ranges) {
          for (const Affixes& a : affixes) {
            SetDefaultPrefs();
            host.Call(kHourIncrementPrefs, std::to_string(r.stepHours));
            DateTimePrefs.timeFormat = format;
            DateTimePrefs.timeZeroPad = pad;
            DateTimePrefs.timeSeparator = separator;
            const int32_t last = r.from + (r.count - 1) * r.stepHours * 60;
            const std::string affixed = a.prefix[0] != 0 ? std::string(a.prefix) + "|" : "";
            const std::string after = a.prefix[0] != 0 ? std::string("|") + a.suffix : "";
            const std::string times = affixed + Seconds(r.from) + "|" + Seconds(last) + after;
            std::string hours, clocks;
            for (int32_t i = 0; i < r.count; ++i) {
              const int32_t t = (r.from + i * r.stepHours * 60) % kDay;
              char item[kFormattedTextSize];
              int32_t n = FormatHourText(DateTimePrefs, item, t / 60, a.prefix, a.suffix, i != 0);
              hours.append(item, static_cast<size_t>(n));
              n = FormatTimeText(DateTimePrefs, item, t / 60, t % 60, 0, 0, a.prefix, a.suffix, false, i != 0);
              clocks.append(item, static_cast<size_t>(n));
            }
            ASSERT_EQ(host.Call(kListHours, times), hours)
                << "format " << format << " pad " << int(pad) << " from " << r.from << " " << a.prefix;
            ASSERT_EQ(host.Call(kListHoursMinutes, times), clocks)
                << "format " << format << " pad " << int(pad) << " from " << r.from << " " << a.prefix;
          }
        }
      }
    }
  }
  SetDefaultPrefs();
}

}  // namespace
