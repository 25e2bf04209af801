// Date-hour lists long enough to keep each hour's clock text, item by item
// against the formatter, for every prefix and suffix length around the
// 32-byte copies the list builder moves whole.
#include <gtest/gtest.h>

#include <string>

#include "TestHost.h"
#include "datetime/Formatting.h"
#include "host/FunctionIds.h"
#include "prefs/DateTimePrefs.h"

namespace {

// Each item of the date-hour list from 1/1/2001 0:00 to 1/3/2001 0:00.
std::string ExpectedHours(const std::string& prefix, const std::string& suffix) {
  std::string list;
  char item[kFormattedTextSize];
  for (int32_t day = 1; day <= 3; ++day) {
    for (int32_t hour = 0; hour < 24 && !(day == 3 && hour > 0); ++hour) {
      const int32_t n = FormatDateTimeText(DateTimePrefs, item, 2001, 1, day, hour, 0, prefix.c_str(), suffix.c_str(),
                                           !list.empty(), true);
      list.append(item, static_cast<size_t>(n));
    }
  }
  return list;
}

TEST(HourListAffix, EveryItemWholeAroundTheCopyWidth) {
  TestHost host;
  for (int32_t timeFormat : {static_cast<int32_t>(kTime12Hour), static_cast<int32_t>(kTime24Hour)}) {
    for (size_t prefixLength : {0, 19, 20, 21, 22}) {
      for (size_t suffixLength = 0; suffixLength <= 40; ++suffixLength) {
        SetDefaultPrefs();
        DateTimePrefs.timeFormat = timeFormat;
        const std::string prefix(prefixLength, 'p'), suffix(suffixLength, 's');
        std::string parameter = "1/1/2001|0:00|1/3/2001|0:00|" + suffix;
        if (prefixLength > 0) parameter = prefix + "|" + parameter;
        if (suffixLength == 0) parameter.pop_back();
        ASSERT_EQ(host.Call(kListDateHours, parameter), ExpectedHours(prefix, suffix))
            << "clock " << timeFormat << ", prefix " << prefixLength << ", suffix " << suffixLength;
      }
    }
  }
  SetDefaultPrefs();
}

}  // namespace
