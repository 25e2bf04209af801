// "Kelv-ListNumbers" counts its numbers on in place; every item must be the
// number's own text, as snprintf writes it, across gained and lost digits,
// signs and padding.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "TestHost.h"
#include "host/FunctionIds.h"

namespace {

TEST(NumberList, EqualsTheRuleItemByItem) {
  struct Case { int start, end, step, pad; } cases[] = {
      {1, 1200, 1, 0}, {1200, 1, 1, 0}, {-150, 150, 7, 0}, {-150, 150, 7, 5}, {99, 101, 1, 3},
      {1000, -1000, 333, 0}, {5, 100000, 9999, 0}, {-1, -1100, 1, 4},
      // Either side of the widest number an item holds, and past two blocks
      // of zeros: the sign stays inside the width.
      {-3, -1, 1, 300}, {-2, 2, 1, 256}, {-2, 2, 1, 257}, {9, 11, 1, 257}, {-1000, -998, 1, 513},
  };
  TestHost host;
  for (const Case& c : cases) {
    const std::string parameter = "start=" + std::to_string(c.start) + "|end=" + std::to_string(c.end) +
                                  "|inc=" + std::to_string(c.step) + "|zeropad=" + std::to_string(c.pad) +
                                  "|pre=#|post=;";
    std::string expected;
    const int delta = c.start < c.end ? c.step : -c.step;
    const long long items = (c.start < c.end ? c.end - c.start : c.start - c.end) / c.step + 1;
    for (long long i = 0; i < items; ++i) {
      char number[600];
      std::snprintf(number, sizeof number, "%0*lld", c.pad, c.start + i * delta);
      expected += std::string(i == 0 ? "" : "\r") + "#" + number + ";";
    }
    ASSERT_EQ(host.Call(kListNumbers, parameter), expected) << parameter;
  }
}

// The options are read from their first 255 characters: the longest prefix
// and suffix they can hold after the numbers are kept whole.
TEST(NumberList, LongestAffixesAreKeptWhole) {
  const std::string numbers = "start=1|end=2|inc=1|";
  const std::string prefix(255 - numbers.size() - 4, 'p'), suffix(255 - numbers.size() - 5, 's');
  TestHost host;
  EXPECT_EQ(host.Call(kListNumbers, numbers + "pre=" + prefix), prefix + "1\r" + prefix + "2");
  EXPECT_EQ(host.Call(kListNumbers, numbers + "post=" + suffix), "1" + suffix + "\r2" + suffix);
}

// A piece is one of the keys only with its "=": "pred=x", "pre" and
// "start" are unknown pieces, and an unknown piece writes no result.
TEST(NumberList, KeysNeedTheirEqualsSign) {
  TestHost host;
  const char* const parameters[] = {
      "start=1|end=3|inc=1|pred=x", "start=1|end=3|inc=1|pre", "start=1|end=3|inc=1|posts=x",
      "starts=1|end=3|inc=1",       "start=1|end=3|incr=1",    "start=1|end=3|inc=1|zeropads=2",
  };
  for (const char* parameter : parameters) {
    EXPECT_EQ(host.Call(kListNumbers, parameter, "kept"), "kept") << parameter;
  }
  EXPECT_EQ(host.Call(kListNumbers, "start=1|end=3|inc=1|pre=x", "kept"), "x1\rx2\rx3") << "the key itself";
}

}  // namespace
