// Which field of a bar-separated range is the prefix, which the suffix, and
// which the start and end, for every count of fields and for dates, times
// and date|time pairs alike.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "datetime/Parsing.h"
#include "functions/RangeParameter.h"

namespace {

struct Fields {
  bool ok;
  std::string prefix, suffix;
  int startHour, endHour, startDay, endDay;
};

Fields StampFields(const char* parameter) {
  char prefix[kRangeTextCapacity + 1] = "?";
  char suffix[kRangeTextCapacity + 1] = "?";
  TimeStampParts start{}, end{};
  const bool ok = ParseTimeStampRange(ActiveSeparators(), parameter, static_cast<int32_t>(std::strlen(parameter)),
                                      prefix, suffix, &start, &end);
  return {ok, prefix, suffix, start.hour, end.hour, start.day, end.day};
}

TEST(RangeFields, EveryLayoutOfATimeStampRange) {
  struct Row {
    const char* parameter;
    const char* prefix;
    const char* suffix;
    int startHour, endHour, startDay, endDay;
  } rows[] = {
      {"8:00|9:00", "", "", 8, 9, 0, 0},
      {"pre|8:00|9:00", "pre", "", 8, 9, 0, 0},
      {"8:00|9:00|post", "", "post", 8, 9, 0, 0},
      {"pre|8:00|9:00|post", "pre", "post", 8, 9, 0, 0},
      {"1/2/2001|1/3/2001", "", "", 0, 0, 2, 3},
      {"pre|1/2/2001|1/3/2001", "pre", "", 0, 0, 2, 3},
      {"1/2/2001|1/3/2001|post", "", "post", 0, 0, 2, 3},
      {"pre|1/2/2001|1/3/2001|post", "pre", "post", 0, 0, 2, 3},
      {"1/2/2001|8:00|1/3/2001|9:00", "", "", 8, 9, 2, 3},
      {"1/2/2001|8:00|1/3/2001|9:00|post", "", "post", 8, 9, 2, 3},
      {"pre|1/2/2001|8:00|1/3/2001|9:00", "pre", "", 8, 9, 2, 3},
      {"pre|1/2/2001|8:00|1/3/2001|9:00|post", "pre", "post", 8, 9, 2, 3},
  };
  for (const Row& r : rows) {
    const Fields f = StampFields(r.parameter);
    EXPECT_TRUE(f.ok) << r.parameter;
    EXPECT_EQ(f.prefix, r.prefix) << r.parameter;
    EXPECT_EQ(f.suffix, r.suffix) << r.parameter;
    EXPECT_EQ(f.startHour, r.startHour) << r.parameter;
    EXPECT_EQ(f.endHour, r.endHour) << r.parameter;
    EXPECT_EQ(f.startDay, r.startDay) << r.parameter;
    EXPECT_EQ(f.endDay, r.endDay) << r.parameter;
  }
}

}  // namespace
