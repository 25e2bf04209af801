// Every formatter cuts its text at 255 characters and terminates it: a
// prefix or suffix too long for the item fills the 256 bytes exactly, and
// nothing past them is written.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "datetime/Formatting.h"
#include "prefs/DateTimePrefs.h"

namespace {

constexpr int kLongest = 255;  // characters, then the terminator
constexpr int kGuard = 64;

TEST(FormattingBounds, CutAt255AndTerminated) {
  SetDefaultPrefs();
  const std::string longText(300, 'x');
  for (int which = 0; which < 4; ++which) {
    for (bool longPrefix : {true, false}) {
      char out[kLongest + 1 + kGuard];
      std::memset(out, '#', sizeof out);
      const char* prefix = longPrefix ? longText.c_str() : "";
      const char* suffix = longPrefix ? "" : longText.c_str();
      int32_t n = 0;
      switch (which) {
        case 0: n = FormatDateText(DateTimePrefs, out, 2001, 3, 5, prefix, suffix, true); break;
        case 1: n = FormatTimeText(DateTimePrefs, out, 13, 5, 9, 250, prefix, suffix, true, true); break;
        case 2: n = FormatHourText(DateTimePrefs, out, 15, prefix, suffix, true); break;
        default: n = FormatDateTimeText(DateTimePrefs, out, 2001, 3, 5, 14, 30, prefix, suffix, true, false); break;
      }
      EXPECT_EQ(n, kLongest) << "formatter " << which;
      EXPECT_EQ(std::strlen(out), static_cast<size_t>(kLongest)) << "formatter " << which;
      EXPECT_EQ(out[0], '\r') << "formatter " << which;
      for (int i = kLongest + 1; i < kLongest + 1 + kGuard; ++i) {
        ASSERT_EQ(out[i], '#') << "formatter " << which << " wrote byte " << i;
      }
    }
  }
}

}  // namespace
