// The list builder's endings: a list in the handle or aside reaches the
// handle whole, items longer than the estimate move the list aside, a total
// that reaches the size limit is refused, and a refused final resize never
// leaves part of the list standing as the answer.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "TestHost.h"
#include "functions/ListBuilder.h"
#include "host/ResultWriters.h"
#include "prefs/DateTimePrefs.h"

namespace {

// Items of `width` bytes against an estimate of `estimated` bytes each
// (32-byte item buffers, as the formatters give), in the handle or aside
// from the start.
std::string BuildList(TestHost* host, int items, int width, bool aside, int failFrom = 0,
                      TestHost::Failing failing = TestHost::Failing::FromTheNthOn, int estimated = 4) {
  HostHandle result = host->Prepare("host's bytes", failFrom, failing);
  ListBuilder list(result, DateTimePrefs);
  const int estimate = estimated * items;
  const bool begun = aside ? list.BeginAside(estimate, kResultSizeLimit - 1) : list.BeginInHandle(estimate);
  if (!begun) return host->Result();
  for (int i = 0; i < items; ++i) {
    char item[40];
    std::string text(static_cast<size_t>(width), static_cast<char>('a' + i % 26));
    text.copy(item, text.size());
    if (!list.Append(item, width)) return host->Result();
  }
  list.Finish();
  return host->Result();
}

std::string Expected(int items, int width) {
  std::string text;
  for (int i = 0; i < items; ++i) text += std::string(static_cast<size_t>(width), static_cast<char>('a' + i % 26));
  return text;
}

TEST(ListBuilder, ItemsLongerThanTheEstimate) {
  TestHost host;
  SetDefaultPrefs();
  DateTimePrefs.overflowMessageOn = 0;
  struct Case { int items; int width; bool aside; std::string expected; } cases[] = {
      {10, 4, false, Expected(10, 4)},  // as estimated
      {10, 3, false, Expected(10, 3)},  // shorter: cut to what was written
      {10, 9, false, Expected(10, 9)},  // longer: moves aside on the way
      {10, 9, true, Expected(10, 9)},   // longer, known before: aside from the start
      {4000, 20, false, "??"},          // the real text reaches the size limit
      {4000, 20, true, "??"},
  };
  for (const Case& c : cases) {
    const std::string result = BuildList(&host, c.items, c.width, c.aside);
    EXPECT_TRUE(result == c.expected) << c.items << " items of " << c.width
                                      << (c.aside ? ", aside from the start" : "") << ": "
                                      << result.size() << " bytes [" << result.substr(0, 40) << "]";
  }
  // An estimate of nothing: the first item already moves the list aside,
  // with nothing in the handle to bring along.
  EXPECT_EQ(BuildList(&host, 3, 5, false, 0, TestHost::Failing::FromTheNthOn, 0), Expected(3, 5));
}

// A list aside loses its trailing line ends, CRs and LFs alike, and only
// those; an item asking for more than the room left in place gets none and
// adds nothing.
TEST(ListBuilder, AsideListEndsWithoutLineEnds) {
  TestHost host;
  HostHandle result = host.Prepare("host's bytes");
  ListBuilder list(result, DateTimePrefs);
  ASSERT_TRUE(list.BeginAside(20, 10));
  EXPECT_EQ(list.AppendInPlace(11), nullptr);
  char* at = list.AppendInPlace(6);
  ASSERT_NE(at, nullptr);
  std::memcpy(at, "a\nb\n\r\n", 6);
  EXPECT_EQ(list.AppendInPlace(5), nullptr) << "4 of the 10 left";
  list.Finish();
  EXPECT_EQ(host.Result(), "a\nb");
}

// A list begun aside with room for less than its items is cut at that
// bound, never written past it (the sanitizer build watches the buffer).
TEST(ListBuilder, AsideListCutAtItsBound) {
  TestHost host;
  HostHandle result = host.Prepare("host's bytes");
  ListBuilder list(result, DateTimePrefs);
  ASSERT_TRUE(list.BeginAside(20, 10));
  char item[40] = "abcdefgh";
  for (int i = 0; i < 3; ++i) ASSERT_TRUE(list.Append(item, 8));
  list.Finish();
  EXPECT_EQ(host.Result(), "abcdefghab");
}

TEST(ListBuilder, RefusedResizesLeaveNoPartOfTheList) {
  TestHost host;
  struct Case { bool aside; int failFrom; TestHost::Failing failing; std::string expected; } cases[] = {
      // Moved aside on the way: part of the list is already in the handle.
      {false, 1, TestHost::Failing::FromTheNthOn, "host's bytes"},
      {false, 2, TestHost::Failing::NthOnly, "??"},
      // Aside from the start: the handle is touched once, at the end.
      {true, 1, TestHost::Failing::FromTheNthOn, "host's bytes"},
      {true, 1, TestHost::Failing::NthOnly, "host's bytes"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(BuildList(&host, 10, 9, c.aside, c.failFrom, c.failing), c.expected)
        << (c.aside ? "aside from the start" : "moved on the way") << ", resize " << c.failFrom;
  }
}

}  // namespace
