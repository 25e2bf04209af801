// Numbers that leave the plug-in: the host's kinds of call, the date and
// time format codes the preference file stores, and the control ids of the
// preferences dialog's resource. Each keeps its value, and no two codes
// share one.
#include <gtest/gtest.h>

#include <set>

#include "host/CallBlock.h"
#include "prefs/DateTimePrefs.h"
#include "prefs/PrefsDialog.h"

namespace {

TEST(StoredCodes, CallKindsAreTheHosts) {
  struct Row { int kind; int number; const char* name; } rows[] = {
      {Init, 0, "Init"}, {Idle, 1, "Idle"}, {ExternalCall, 3, "ExternalCall"},
      {Shutdown, 4, "Shutdown"}, {Preferences, 5, "Preferences"},
  };
  for (const Row& r : rows) EXPECT_EQ(r.kind, r.number) << r.name;
}

TEST(StoredCodes, FormatCodesOfThePreferenceFile) {
  struct Row { int32_t code; int32_t number; const char* name; } rows[] = {
      {kTime12Hour, 6, "12 hour"},      {kTime24Hour, 7, "24 hour"},      {kTimeHost, 8, "FileMaker time"},
      {kDateMMDDYYYY, 13, "MM/DD/YYYY"}, {kDateMMDDYY, 14, "MM/DD/YY"},    {kDateDDMMYYYY, 15, "DD/MM/YYYY"},
      {kDateDDMMYY, 16, "DD/MM/YY"},     {kDateYYYYMMDD, 17, "YYYY/MM/DD"}, {kDateYYMMDD, 18, "YY/MM/DD"},
      {kDateHost, 19, "FileMaker date"},
  };
  std::set<int32_t> seen;
  for (const Row& r : rows) {
    EXPECT_EQ(r.code, r.number) << r.name;
    EXPECT_TRUE(seen.insert(r.code).second) << r.name << " shares its code";
  }
}

// The radio groups run from their first to their last id: 6..8 the clocks,
// 13..19 the date orders.
TEST(StoredCodes, DialogControlIds) {
  struct Row { int id; int number; const char* name; } rows[] = {
      {kIdOk, 1, "OK"},                    {kIdCancel, 2, "Cancel"},
      {kIdTimeZeroPad, 5, "time zero pad"}, {kIdTimeFirst, 6, "first clock"},
      {kIdTimeLast, 8, "last clock"},       {kIdTimeSeparator, 9, "time separator"},
      {kIdMinuteIncrement, 10, "minutes"},  {kIdHourIncrement, 11, "hours"},
      {kIdDateZeroPad, 12, "date zero pad"}, {kIdDateFirst, 13, "first date order"},
      {kIdDateLast, 19, "last date order"}, {kIdDateSeparator, 20, "date separator"},
      {kIdOverflowOn, 21, "overflow on"},   {kIdOverflowMessage, 22, "overflow message"},
  };
  for (const Row& r : rows) EXPECT_EQ(r.id, r.number) << r.name;
}

}  // namespace
