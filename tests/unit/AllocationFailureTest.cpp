// A list that cannot get the memory it collects into answers "??" and
// writes nothing more, whether memory stays short (every array the plug-in
// asks for without exceptions refused) or the shortage passes (the first
// one alone refused).
#include <gtest/gtest.h>

#include <new>
#include <string>

#include "TestHost.h"
#include "functions/ListBuilder.h"
#include "host/FunctionIds.h"
#include "host/ResultWriters.h"
#include "prefs/DateTimePrefs.h"

namespace {
int refusals = 0;  // arrays still to refuse; -1: every one
}  // namespace

// The one allocation the plug-in's lists and MakeList make, refused on demand.
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
  if (refusals != 0) {
    if (refusals > 0) --refusals;
    return nullptr;
  }
  try {
    return ::operator new[](size);
  } catch (...) {
    return nullptr;
  }
}

namespace {

TEST(AllocationFailure, ListsAnswerQuestionMarks) {
  struct Row { int32_t id; const char* parameter; } rows[] = {
      {kListNumbers, "start=1|end=5|inc=1"}, {kMakeList, "pre=- |a\rb\rc"},
      {kListYears, "1/1/2001|1/1/2005"},     {kListMonths, "1/1/2001|5/1/2001"},
  };
  TestHost host;
  for (const Row& r : rows) {
    SetDefaultPrefs();
    const std::string clean = host.Call(r.id, r.parameter);
    ASSERT_NE(clean, "??") << r.parameter;
    for (int refuse : {-1, 1}) {
      refusals = refuse;
      const std::string refused = host.Call(r.id, r.parameter, "host's bytes");
      refusals = 0;
      EXPECT_EQ(refused, "??") << r.parameter << (refuse < 0 ? ", memory short for good" : ", a passing shortage");
    }
    EXPECT_EQ(host.Call(r.id, r.parameter), clean) << r.parameter << ": once memory is back";
  }
  SetDefaultPrefs();
}

// A list begun in the handle whose items outgrow its estimate moves aside
// on the way; with no memory for that it answers "??", never the part it
// had in the handle, and once memory is back the same list is whole.
TEST(AllocationFailure, ListMovedAsideOnTheWay) {
  TestHost host;
  for (int refuse : {-1, 1, 0}) {
    HostHandle result = host.Prepare("host's bytes");
    {
      ListBuilder list(result, DateTimePrefs);
      ASSERT_TRUE(list.BeginInHandle(3 * 4));
      char item[40] = "123456789";
      refusals = refuse;
      bool added = true;
      for (int i = 0; i < 3 && added; ++i) added = list.Append(item, 9);
      refusals = 0;
      EXPECT_EQ(added, refuse == 0) << refuse;
      if (added) list.Finish();
    }
    EXPECT_EQ(host.Result(), refuse == 0 ? "123456789123456789123456789" : "??") << refuse;
    EXPECT_FALSE(host.Damaged());
  }
}

}  // namespace
