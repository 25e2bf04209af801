// The overflow message keeps at most 255 characters, however long the
// parameter, and the record's bytes after it stay as they were; the step
// preferences read the first 128 characters of theirs.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "TestHost.h"
#include "host/FunctionIds.h"
#include "prefs/DateTimePrefs.h"

namespace {

TEST(OverflowMessageLimit, At255Characters) {
  TestHost host;
  for (size_t length : {1, 254, 255, 256, 300, 1000}) {
    SetDefaultPrefs();
    DateTimePrefs.alignment279 = 0x5A;
    host.Call(kOverflowMessagePrefs, std::string(length, 'm'));
    EXPECT_EQ(DateTimePrefs.overflowMessageOn, 1);
    EXPECT_EQ(std::strlen(DateTimePrefs.overflowMessage), std::min<size_t>(length, 255)) << length;
    EXPECT_EQ(DateTimePrefs.alignment279, 0x5A) << "the byte after the message, for " << length;
  }
  SetDefaultPrefs();
}

TEST(IncrementPrefsLimit, At128Characters) {
  TestHost host;
  struct Row { size_t zeros; int32_t step; } rows[] = {{0, 7}, {126, 7}, {127, 7}, {128, 0}, {400, 0}};
  for (const Row& r : rows) {
    for (int32_t id : {kMinuteIncrementPrefs, kHourIncrementPrefs}) {
      SetDefaultPrefs();
      host.Call(id, std::string(r.zeros, '0') + "7");
      EXPECT_EQ(id == kMinuteIncrementPrefs ? DateTimePrefs.minuteIncrement : DateTimePrefs.hourIncrement, r.step)
          << "7 after " << r.zeros << " zeros, function " << id;
    }
  }
  SetDefaultPrefs();
}

}  // namespace
