// The overflow message keeps at most 255 characters, however long the
// parameter, and the record's bytes after it stay as they were.
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

}  // namespace
