// Where the day's digits start in a formatted date, for every date order,
// padded and not: the day lists patch the day there.
#include <gtest/gtest.h>

#include <string>

#include "datetime/Formatting.h"
#include "prefs/DateTimePrefs.h"

namespace {

TEST(DayPosition, EveryDateOrder) {
  struct Row { int32_t format; uint8_t pad; const char* text; int32_t dayAt; } rows[] = {
      {kDateMMDDYYYY, 1, "03/05/2001", 3}, {kDateMMDDYY, 1, "03/05/01", 3},
      {kDateDDMMYYYY, 1, "05/03/2001", 0}, {kDateDDMMYY, 1, "05/03/01", 0},
      {kDateYYYYMMDD, 1, "2001/03/05", 8}, {kDateYYMMDD, 1, "01/03/05", 6},
      {kDateYYYYMMDD, 0, "2001/3/5", 7},   {kDateMMDDYYYY, 0, "3/5/2001", 2},
      {kDateHost, 1, "0730549", -1},
  };
  for (const Row& r : rows) {
    SetDefaultPrefs();
    DateTimePrefs.dateFormat = r.format;
    DateTimePrefs.dateZeroPad = r.pad;
    char out[kFormattedTextSize];
    int32_t dayAt = 99;
    const int32_t n = FormatDateValueWithDay(DateTimePrefs, out, 2001, 3, 5, &dayAt);
    EXPECT_EQ(std::string(out, static_cast<size_t>(n)), r.text) << r.format;
    EXPECT_EQ(dayAt, r.dayAt) << r.text;
  }
  SetDefaultPrefs();
}

}  // namespace
