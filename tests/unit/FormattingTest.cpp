// The formatters over every code and both pad settings.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "datetime/Formatting.h"
#include "prefs/DateTimePrefs.h"

namespace {

struct Prefs {
  Prefs() { SetDefaultPrefs(); }
  ~Prefs() { SetDefaultPrefs(); }
};

std::string Date(int32_t format, bool pad, char sep, int32_t y, int32_t m, int32_t d) {
  DateTimePrefs.dateFormat = format;
  DateTimePrefs.dateZeroPad = pad ? 1 : 0;
  DateTimePrefs.dateSeparator = sep;
  char out[kFormattedTextSize];
  int32_t n = FormatDateText(DateTimePrefs, out, y, m, d, nullptr, nullptr, false);
  EXPECT_EQ(n, static_cast<int32_t>(std::string(out).size()));
  return out;
}

TEST(FormatDateText, Table) {
  Prefs prefs;
  struct Case { int32_t format; bool pad; char sep; int32_t y, m, d; const char* text; } cases[] = {
      {13, true, '/', 2001, 3, 5, "03/05/2001"},  {13, false, '/', 2001, 3, 5, "3/5/2001"},
      {14, true, '/', 2001, 3, 5, "03/05/01"},    {14, true, '/', 1999, 3, 5, "03/05/99"},
      {14, true, '/', 1900, 3, 5, "03/05/00"},    {14, false, '/', 2001, 3, 5, "3/5/1"},
      {14, true, '/', 1500, 3, 5, "03/05/1500"},  // before 1900: written in full
      {15, true, '.', 2001, 3, 5, "05.03.2001"},  {15, false, '.', 2001, 3, 5, "5.3.2001"},
      {16, true, '/', 2001, 3, 5, "05/03/01"},    {17, true, '-', 2001, 3, 5, "2001-03-05"},
      {17, false, '-', 2001, 3, 5, "2001-3-5"},   {18, true, '/', 2001, 3, 5, "01/03/05"},
      {19, true, '/', 2001, 1, 1, "0730486"},     {19, false, '/', 2001, 1, 1, "730486"},
      {19, true, '/', 3001, 1, 1, "0000000"},     {19, false, '/', 2001, 0, 0, "0"},
      {13, true, '/', 5, 3, 5, "03/05/1905"},     {14, true, '/', 5, 3, 5, "03/05/05"},
      {13, true, '/', 1, 1, 1, "01/01/1901"},     {0, true, '/', 2001, 3, 5, "03/05/2001"},
      {99, false, '/', 2001, 3, 5, "3/5/2001"},   {13, true, '\0', 2001, 3, 5, "03052001"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Date(c.format, c.pad, c.sep, c.y, c.m, c.d), c.text)
        << "format " << c.format << " pad " << c.pad << " " << c.y << "-" << c.m << "-" << c.d;
  }
}

std::string Time(int32_t format, bool pad, int32_t h, int32_t m, int32_t s, int32_t ms, bool fraction) {
  DateTimePrefs.timeFormat = format;
  DateTimePrefs.timeZeroPad = pad ? 1 : 0;
  char out[kFormattedTextSize];
  FormatTimeText(DateTimePrefs, out, h, m, s, ms, nullptr, nullptr, fraction, false);
  return out;
}

TEST(FormatTimeText, Table) {
  Prefs prefs;
  struct Case { int32_t format; bool pad; int32_t h, m, s, ms; bool fraction; const char* text; } cases[] = {
      {6, true, 13, 5, 0, 0, false, "01:05 PM"},   {6, true, 12, 0, 0, 0, false, "12:00 PM"},
      {6, true, 0, 30, 0, 0, false, "00:30 AM"},   {6, false, 13, 5, 0, 0, false, "1:05 PM"},
      {6, false, 12, 0, 0, 0, false, "12:00 PM"},  {6, false, 0, 30, 0, 0, false, "0:30 AM"},
      {6, true, 13, 5, 9, 250, true, "01:05:09.250 PM"}, {6, false, 13, 5, 9, 250, true, "1:05:09.25 PM"},
      {7, true, 13, 5, 9, 4, true, "13:05:09.004"}, {7, false, 13, 5, 9, 4, true, "13:05:09.004"},
      {7, false, 9, 0, 0, 0, false, "9:00"},       {7, true, 9, 0, 59, 0, false, "09:00"},
      {8, true, 13, 45, 30, 0, false, "49530"},    {8, true, 0, 0, 59, 0, false, "00059"},
      {8, false, 0, 0, 59, 999, true, "59"},       {0, true, 23, 59, 0, 0, false, "23:59"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Time(c.format, c.pad, c.h, c.m, c.s, c.ms, c.fraction), c.text)
        << "format " << c.format << " pad " << c.pad << " " << c.h << ":" << c.m;
  }
}

TEST(FractionText, Table) {
  Prefs prefs;
  struct Case { bool pad; int32_t ms; const char* text; } cases[] = {
      {true, 5, "005"},  {true, 50, "050"},  {true, 500, "500"}, {true, 0, "000"},
      {false, 0, "0"},   {false, 500, "5"},  {false, 50, "05"},  {false, 250, "25"},
      {false, 5, "005"}, {false, 45, "045"}, {false, 123, "123"}, {false, 120, "12"},
      // Values past a second still fit the 16 bytes, whole.
      {true, INT32_MIN, "-2147483648"}, {false, INT32_MIN, "-2147483648"}, {false, INT32_MAX, "2147483647"},
  };
  for (const Case& c : cases) {
    DateTimePrefs.timeZeroPad = c.pad ? 1 : 0;
    char out[16];
    FractionText(DateTimePrefs, out, c.ms);
    EXPECT_STREQ(out, c.text) << c.ms << " pad " << c.pad;
  }
}

TEST(FormatHourText, Table) {
  Prefs prefs;
  struct Case { int32_t format; bool pad; int32_t hour; const char* text; } cases[] = {
      {6, true, 15, "03 PM"}, {6, false, 15, "3 PM"}, {6, true, 0, "00 AM"}, {6, true, 12, "12 PM"},
      {7, true, 15, "15"},    {7, false, 5, "5"},     {8, true, 15, "54000"}, {8, true, 0, "00000"},
      {8, false, 0, "0"},
  };
  for (const Case& c : cases) {
    DateTimePrefs.timeFormat = c.format;
    DateTimePrefs.timeZeroPad = c.pad ? 1 : 0;
    char out[kFormattedTextSize];
    FormatHourText(DateTimePrefs, out, c.hour, nullptr, nullptr, false);
    EXPECT_STREQ(out, c.text) << c.format << " " << c.hour;
  }
}

TEST(FormatDateTimeText, PrefixSuffixAndSeparator) {
  Prefs prefs;
  char out[kFormattedTextSize];
  EXPECT_EQ(FormatDateTimeText(DateTimePrefs, out, 2001, 3, 5, 14, 30, nullptr, nullptr, false, false), 19);
  EXPECT_STREQ(out, "03/05/2001 02:30 PM");
  FormatDateTimeText(DateTimePrefs, out, 2001, 3, 5, 14, 30, nullptr, nullptr, false, true);
  EXPECT_STREQ(out, "03/05/2001 02 PM");
  FormatDateTimeText(DateTimePrefs, out, 2001, 3, 5, 14, 30, "<", ">", true, false);
  EXPECT_STREQ(out, "\r<03/05/2001 02:30 PM>");
  FormatDateText(DateTimePrefs, out, 2001, 3, 5, "", "", true);
  EXPECT_STREQ(out, "\r03/05/2001");
  FormatTimeText(DateTimePrefs, out, 14, 30, 0, 0, "a", "b", false, false);
  EXPECT_STREQ(out, "a02:30 PMb");
  // The longest item the lists can ask for stays inside the buffer.
  std::string sixtyFour(64, 'x');
  DateTimePrefs.dateFormat = 13;
  int32_t n =
      FormatDateTimeText(DateTimePrefs, out, 9999, 12, 31, 23, 59, sixtyFour.c_str(), sixtyFour.c_str(), true, false);
  EXPECT_EQ(n, 1 + 64 + 10 + 1 + 8 + 64);
}

}  // namespace
