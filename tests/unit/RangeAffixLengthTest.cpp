// Prefixes and suffixes of a range at and past their 64 characters: the
// text is cut to 64, in the day lists and the clock lists alike, and the
// dates read before it stay as they were read.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "TestHost.h"
#include "host/FunctionIds.h"
#include "prefs/DateTimePrefs.h"

namespace {

TEST(RangeAffixLength, CutAt64AndTheDatesKept) {
  TestHost host;
  for (size_t length : {1, 63, 64, 65, 100, 200}) {
    SetDefaultPrefs();
    const std::string prefix(length, 'p'), suffix(length, 's');
    const std::string kept = suffix.substr(0, 64);
    const std::string range = "1/1/2001|1/3/2001";
    EXPECT_EQ(host.Call(kDiffDays, range + "|" + suffix), "2") << "suffix of " << length;
    EXPECT_EQ(host.Call(kDiffDays, prefix + "|" + range), "2") << "prefix of " << length;
    EXPECT_EQ(host.Call(kDiffDays, prefix + "|" + range + "|" + suffix), "2") << "both of " << length;
    EXPECT_EQ(host.Call(kListDays, range + "|" + suffix),
              "01/01/2001" + kept + "\r01/02/2001" + kept + "\r01/03/2001" + kept) << "suffix of " << length;
    // The clock lists keep the same 64: a short list, and one of more
    // items than a day has hours, which writes each hour's end once.
    EXPECT_EQ(host.Call(kListMinutes, "8:00|8:02|" + suffix),
              "08:00 AM" + kept + "\r08:01 AM" + kept + "\r08:02 AM" + kept) << "suffix of " << length;
    EXPECT_EQ(host.Call(kListDateMinutes, "1/1/2001|8:00|1/1/2001|8:01|" + suffix),
              "01/01/2001 08:00 AM" + kept + "\r01/01/2001 08:01 AM" + kept) << "suffix of " << length;
    std::string minutes;
    for (int m = 0; m <= 30; ++m) {
      minutes += (m > 0 ? "\r08:" : "08:") + std::string(1, static_cast<char>('0' + m / 10)) +
                 static_cast<char>('0' + m % 10) + " AM" + kept;
    }
    EXPECT_EQ(host.Call(kListMinutes, "8:00|8:30|" + suffix), minutes) << "31 items, suffix of " << length;
    // Only the parameter's first 255 bytes are read: a long prefix leaves
    // less of the suffix.
    const std::string middle = "|1/1/2001|8:00|1/2/2001|9:00|";
    const std::string tail = suffix.substr(0, std::min<size_t>(64, 255 - length - middle.size()));
    EXPECT_EQ(host.Call(kListDays, prefix + middle + suffix),
              prefix.substr(0, 64) + "01/01/2001" + tail + "\r" + prefix.substr(0, 64) + "01/02/2001" + tail)
        << "date and time, both of " << length;
  }
}

}  // namespace
