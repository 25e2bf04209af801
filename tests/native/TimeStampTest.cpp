// The time stamp functions against a fixed clock: their exact texts under
// the preferences that shape them.
#include <gtest/gtest.h>

#include <string>

#include "StandInClock.h"
#include "TestHost.h"
#include "host/FunctionIds.h"
#include "prefs/DateTimePrefs.h"

namespace {

TEST(TimeStamps, ExactTextsOfAFixedClock) {
  struct Case { WORD hour; WORD minute; WORD ms; const char* datePrefs; const char* timePrefs; const char* full; } cases[] = {
      {15, 5, 9, "MMDDYYYY|/|1", "12|:|1", "03/04/2026|03:05:07.009 PM"},
      {0, 30, 250, "MMDDYYYY|/|1", "12|:|1", "03/04/2026|00:30:07.250 AM"},
      {11, 59, 999, "MMDDYYYY|/|1", "12|:|1", "03/04/2026|11:59:07.999 AM"},
      {12, 0, 0, "MMDDYYYY|/|1", "12|:|1", "03/04/2026|12:00:07.000 PM"},
      {12, 45, 1, "MMDDYYYY|/|1", "12|:|0", "03/04/2026|12:45:07.001 PM"},
      {23, 59, 999, "MMDDYYYY|/|1", "12|:|1", "03/04/2026|11:59:07.999 PM"},
      {0, 5, 10, "MMDDYYYY|/|1", "12|:|0", "03/04/2026|0:05:07.01 AM"},
      {23, 59, 999, "DDMMYYYY|.|1", "24|.|1", "04.03.2026|23.59.07.999"},
      {9, 5, 0, "YYMMDD|-|0", "24|:|0", "26-3-4|9:05:07.0"},
      {1, 0, 0, "FMDATE|/|1", "FMTIME|:|1", "0739679|03607"},
  };
  TestHost host;
  for (const Case& c : cases) {
    SYSTEMTIME now{2026, 3, 3, 4, c.hour, c.minute, 7, c.ms};
    SetStandInLocalTime(&now);
    SetDefaultPrefs();
    host.Call(kDatePrefs, c.datePrefs);
    host.Call(kTimePrefs, c.timePrefs);
    const std::string full = host.Call(kTimeStampFull, "");
    EXPECT_EQ(full, c.full) << c.datePrefs << " " << c.timePrefs;
    const size_t bar = full.find('|');
    EXPECT_EQ(host.Call(kTimeStampDate, "ignored"), full.substr(0, bar));
    EXPECT_EQ(host.Call(kTimeStampTime, ""), full.substr(bar + 1));
  }
  SetStandInLocalTime(nullptr);
  SetDefaultPrefs();
}

}  // namespace
