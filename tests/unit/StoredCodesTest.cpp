// Numbers that leave the plug-in: the host's kinds of call, and the date and
// time format codes the preference file stores. Each keeps its value, and
// no two share one.
#include <gtest/gtest.h>

#include <set>

#include "host/CallBlock.h"
#include "prefs/DateTimePrefs.h"

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

}  // namespace
