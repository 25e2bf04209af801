// "Kelv-DateList (days)" patches the day digits into one formatted item per
// month; its lists must equal the items formatted one by one, for every date
// order, pad setting and separator, across month, year and leap-day ends.
#include <gtest/gtest.h>

#include <string>

#include "TestHost.h"
#include "datetime/Calendar.h"
#include "datetime/Formatting.h"
#include "prefs/DateTimePrefs.h"

namespace {

std::string DateText(int32_t y, int32_t m, int32_t d) {
  return std::to_string(m) + "/" + std::to_string(d) + "/" + std::to_string(y);
}

// The list formatted item by item from day numbers.
std::string ItemByItem(int32_t y, int32_t m, int32_t d, int32_t count, const char* prefix, const char* suffix) {
  int32_t v = DayNumberFromDate(y, m, d);
  std::string list;
  for (int32_t i = 0; i < count; ++i) {
    int32_t yy, mm, dd;
    DateFromDayNumber(v + i, &yy, &mm, &dd);
    char item[kFormattedTextSize];
    int32_t n = FormatDateText(DateTimePrefs, item, yy, mm, dd, prefix, suffix, i != 0);
    list.append(item, static_cast<size_t>(n));
  }
  return list;
}

TEST(DayList, EqualsItemByItemFormatting) {
  struct Range { int32_t y, m, d, count; } ranges[] = {
      {2001, 1, 1, 400}, {2000, 2, 20, 20}, {1999, 12, 25, 14}, {2004, 2, 27, 5}, {1900, 2, 27, 4},
      {2001, 3, 8, 5},
      // Into a leap February from the year before, out of one into a common
      // year, through 1900 (no leap day) and 2000 (a leap day), and years on end.
      {1999, 12, 31, 62}, {2000, 12, 30, 62}, {1900, 1, 25, 60}, {2003, 11, 1, 130},
      {1995, 6, 1, 2000},
  };
  // Digits in the prefix and suffix must not be taken for the day's.
  struct Affixes { const char* prefix; const char* suffix; } affixes[] = {{"", ""}, {"x12", "31y"}, {"<", ">"}};
  const char separators[] = {'/', '.', '\0', '1'};
  TestHost host;
  for (int32_t format : {13, 14, 15, 16, 17, 18, 19, 0}) {
    for (uint8_t pad : {0, 1}) {
      for (char separator : separators) {
        SetDefaultPrefs();
        DateTimePrefs.dateFormat = format;
        DateTimePrefs.dateZeroPad = pad;
        DateTimePrefs.dateSeparator = separator;
        for (const Range& r : ranges) {
          for (const Affixes& a : affixes) {
            // Start and end as day numbers, which read the same whatever the separator.
            int32_t first = DayNumberFromDate(r.y, r.m, r.d);
            std::string parameter = std::to_string(first) + "|" + std::to_string(first + r.count - 1);
            if (a.prefix[0] != 0) parameter = std::string(a.prefix) + "|" + parameter + "|" + a.suffix;
            std::string expected = ItemByItem(r.y, r.m, r.d, r.count, a.prefix, a.suffix);
            ASSERT_EQ(host.Call(17, parameter), expected)
                << "format " << format << " pad " << int(pad) << " separator " << int(separator) << " from "
                << DateText(r.y, r.m, r.d);
          }
        }
      }
    }
  }
  SetDefaultPrefs();
}

TEST(DayList, DaysPastTheEndOfTheirMonthStepIntoTheNext) {
  // 31 February 2001 counts as 3 March for the span, but the list steps on
  // from the day as written.
  SetDefaultPrefs();
  TestHost host;
  EXPECT_EQ(host.Call(17, "2/31/2001|3/4/2001"), "02/31/2001\r03/01/2001");
  EXPECT_EQ(host.Call(17, "2/30/2000|3/2/2000"), "02/30/2000\r03/01/2000");
  EXPECT_EQ(host.Call(17, "2/31/2001|3/2/2001"), "??") << "an end before 3 March";
}

TEST(DayList, LeapDaysOfTheYearsItReaches) {
  SetDefaultPrefs();
  TestHost host;
  const std::string into2000 = host.Call(17, "12/31/1999|3/1/2000");
  EXPECT_EQ(into2000.substr(into2000.size() - 32), "02/28/2000\r02/29/2000\r03/01/2000");
  const std::string into2001 = host.Call(17, "12/30/2000|3/1/2001");
  EXPECT_EQ(into2001.substr(into2001.size() - 21), "02/28/2001\r03/01/2001");
  EXPECT_EQ(into2001.find("02/29/2001"), std::string::npos);
}

}  // namespace
