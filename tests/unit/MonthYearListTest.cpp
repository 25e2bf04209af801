// The month, month-name and year lists count their year on in place and
// patch the month into one item; their lists must equal the items written
// one by one by the rule: "%s%02d/%d%s" (or the month's abbreviation) and
// "%s%d%s", joined by CR, trailing line ends dropped. The date preferences
// play no part, so every date order and pad must give the same list.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "TestHost.h"
#include "datetime/Calendar.h"
#include "functions/DateLists.h"
#include "host/FunctionIds.h"
#include "prefs/DateTimePrefs.h"

namespace {

std::string Trimmed(std::string list) {
  while (!list.empty() && (list.back() == '\r' || list.back() == '\n')) list.pop_back();
  return list;
}

std::string MonthsByTheRule(int32_t year, int32_t month, int32_t count, bool names, const std::string& prefix,
                            const std::string& suffix) {
  std::string list;
  for (int32_t i = 0; i < count; ++i) {
    char item[512];
    if (names) std::snprintf(item, sizeof item, "%s%s/%d%s\r", prefix.c_str(), MonthAbbreviations[month], year, suffix.c_str());
    else std::snprintf(item, sizeof item, "%s%02d/%d%s\r", prefix.c_str(), month, year, suffix.c_str());
    list += item;
    if (++month > 12) month = 1, ++year;
  }
  return Trimmed(list);
}

std::string YearsByTheRule(int32_t year, int32_t count, const std::string& prefix, const std::string& suffix) {
  std::string list;
  for (int32_t i = 0; i < count; ++i) list += prefix + std::to_string(year + i) + suffix + "\r";
  return Trimmed(list);
}

// A parameter of day numbers, which read the same whatever the preferences.
// Behind a prefix a day number below 86400 reads as a time of day, so the
// early years go without one.
std::string Range(const std::string& prefix, int32_t y1, int32_t m1, int32_t y2, int32_t m2,
                  const std::string& suffix) {
  const std::string days =
      std::to_string(DayNumberFromDate(y1, m1, 1)) + "|" + std::to_string(DayNumberFromDate(y2, m2, 28));
  return prefix.empty() && suffix.empty() ? days : prefix + "|" + days + "|" + suffix;
}

// Lengths past 100 items, and years that gain a digit (9, 99, 999) or reach the last one.
struct Span { int32_t year, month, count; } const kSpans[] = {
    {2001, 11, 4}, {1, 1, 130}, {95, 6, 100}, {998, 3, 40}, {1999, 1, 150}, {2999, 6, 19},
};
// Digits in the affixes must not be taken for the list's own; 64 characters
// is the longest affix.
struct Affixes { std::string prefix, suffix; } const kAffixes[] = {
    {"", ""}, {"Q", ""}, {"x12", "31y"}, {"< ", " >"}, {std::string(64, 'p'), std::string(64, 's')},
};

TEST(MonthList, EqualsItemByItemForEveryDateOrderAndPad) {
  TestHost host;
  for (int32_t format : {13, 14, 15, 16, 17, 18, 19}) {
    for (uint8_t pad : {0, 1}) {
      SetDefaultPrefs();
      DateTimePrefs.dateFormat = format;
      DateTimePrefs.dateZeroPad = pad;
      for (const Span& s : kSpans) {
        const int32_t last = s.month - 1 + s.count - 1;
        for (const Affixes& a : kAffixes) {
          if (s.year < 300 && !a.prefix.empty()) continue;
          const std::string parameter = Range(a.prefix, s.year, s.month, s.year + last / 12, last % 12 + 1, a.suffix);
          for (bool names : {false, true}) {
            ASSERT_EQ(host.Call(names ? kListMonthNames : kListMonths, parameter),
                      MonthsByTheRule(s.year, s.month, s.count, names, a.prefix, a.suffix))
                << "format " << format << " pad " << int(pad) << " from " << s.month << "/" << s.year << " count "
                << s.count << " prefix of " << a.prefix.size() << " names " << names;
          }
        }
      }
    }
  }
  SetDefaultPrefs();
}

TEST(YearList, EqualsItemByItemForEveryDateOrderAndPad) {
  TestHost host;
  for (int32_t format : {13, 14, 15, 16, 17, 18, 19}) {
    for (uint8_t pad : {0, 1}) {
      SetDefaultPrefs();
      DateTimePrefs.dateFormat = format;
      DateTimePrefs.dateZeroPad = pad;
      for (const Span& s : kSpans) {
        const int32_t endYear = s.year + s.count - 1 > 3000 ? 3000 : s.year + s.count - 1;
        for (const Affixes& a : kAffixes) {
          if (s.year < 300 && !a.prefix.empty()) continue;
          ASSERT_EQ(host.Call(kListYears, Range(a.prefix, s.year, s.month, endYear, 1, a.suffix)),
                    YearsByTheRule(s.year, endYear - s.year + 1, a.prefix, a.suffix))
              << "format " << format << " pad " << int(pad) << " from " << s.year << " to " << endYear
              << " prefix of " << a.prefix.size();
        }
      }
    }
  }
  SetDefaultPrefs();
}

}  // namespace
