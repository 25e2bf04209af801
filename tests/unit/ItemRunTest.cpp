// A run of items from one template against the same items written one by
// one: every field width and table, steps up and down, runs of 0 and 1
// items, templates around the fixed copy's length, and every place the run
// can stand against the end of the list's room, where the fixed copies must
// give way to whole items without a byte written past the room.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "TestHost.h"
#include "functions/ListBuilder.h"
#include "host/ResultWriters.h"
#include "prefs/DateTimePrefs.h"
#include "text/Decimal.h"

namespace {

constexpr char kNames[] = "---JANFEBMARAPRMAYJUNJULAUGSEPOCTNOVDEC";

struct RunCase {
  const char* name;
  std::string item;  // the template; its field holds '#'
  int32_t width;
  const char* table;
  int32_t first;
  int32_t step;
  int64_t count;
};

const RunCase kCases[] = {
    {"digits up", "\rA#Z", 1, kDigitTable, 0, 1, 10},
    {"digits down", "\rA#Z", 1, kDigitTable, 9, -1, 10},
    {"digits down by 3", "\r-x#", 1, kDigitTable, 9, -3, 4},
    {"pairs, a month of days", "\r01/##/2001", 2, kDecimalPairs, 1, 1, 31},
    {"pairs by 7", "\r09:##", 2, kDecimalPairs, 3, 7, 8},
    {"pairs down", "##", 2, kDecimalPairs, 99, -11, 10},
    {"names", "\rp###/2001s", 3, kNames, 0, 1, 13},
    {"no item", "\rA#Z", 1, kDigitTable, 4, 1, 0},
    {"one item", "\r###", 3, kNames, 12, 1, 1},
    {"32 bytes", "\r" + std::string(28, 'a') + "##b", 2, kDecimalPairs, 10, 1, 40},
    {"33 bytes", "\r" + std::string(29, 'a') + "##b", 2, kDecimalPairs, 10, 1, 40},
    {"longer than a fixed copy", "\r" + std::string(40, 'a') + "##" + std::string(9, 'b'), 2, kDecimalPairs, 0, 5, 12},
};

std::string ItemOf(const RunCase& c, int64_t k) {
  std::string item = c.item;
  const size_t at = item.find('#');
  item.replace(at, static_cast<size_t>(c.width), c.table + (c.first + k * c.step) * c.width,
               static_cast<size_t>(c.width));
  return item;
}

std::string ItemByItem(const RunCase& c) {
  std::string list;
  for (int64_t k = 0; k < c.count; ++k) list += ItemOf(c, k);
  return list;
}

struct Built {
  std::string result;
  std::string templateAfter;
  bool damaged;
};

// `lead` bytes, then the run, in a list sized to `room` bytes: in the handle,
// or aside in a buffer of that many.
Built BuildRun(TestHost* host, const RunCase& c, int32_t lead, int64_t room, bool aside) {
  HostHandle result = host->Prepare("host's bytes");
  Built built{"", "", false};
  {
    ListBuilder list(result, DateTimePrefs);
    const bool begun = aside ? list.BeginAside(room, room) : list.BeginInHandle(room);
    if (!begun) {
      ADD_FAILURE() << c.name << ": the list of " << room << " bytes did not begin";
      return built;
    }
    char leadItem[64 + kFixedCopyLength];
    std::memset(leadItem, 'L', sizeof leadItem);
    char item[256] = {};
    c.item.copy(item, c.item.size());
    const ItemRun run{item, static_cast<int32_t>(c.item.size()), static_cast<int32_t>(c.item.find('#')),
                      c.width, c.table, c.first, c.step, c.count};
    EXPECT_TRUE(list.Append(leadItem, lead));
    EXPECT_TRUE(list.AppendRun(run));
    list.Finish();
    built.templateAfter.assign(item, c.item.size());
  }
  built.result = host->Result();
  built.damaged = host->Damaged();
  return built;
}

TEST(ItemRun, EqualsItemByItemWhereverTheRoomEnds) {
  TestHost host;
  SetDefaultPrefs();
  DateTimePrefs.overflowMessageOn = 0;
  for (const RunCase& c : kCases) {
    const std::string run = ItemByItem(c);
    const std::string last = c.count > 0 ? ItemOf(c, c.count - 1) : c.item;
    for (int32_t lead = 0; lead <= 40; ++lead) {
      const int64_t total = lead + static_cast<int64_t>(run.size());
      // Slack 0: the run ends exactly at the room's end.
      for (int64_t slack = 0; slack <= kFixedCopyLength + 1; ++slack) {
        for (bool aside : {false, true}) {
          const Built built = BuildRun(&host, c, lead, total + slack, aside);
          ASSERT_EQ(built.result, std::string(static_cast<size_t>(lead), 'L') + run)
              << c.name << ", lead " << lead << ", slack " << slack << (aside ? ", aside" : ", in the handle");
          ASSERT_FALSE(built.damaged) << c.name << ", lead " << lead << ", slack " << slack;
          ASSERT_EQ(built.templateAfter, last) << c.name << ": the template holds the last item";
        }
      }
    }
  }
}

// A handle sized short of the run: the run moves the list aside on the way
// and goes on there.
TEST(ItemRun, MovesAsideWhenTheHandleIsShort) {
  TestHost host;
  SetDefaultPrefs();
  for (const RunCase& c : kCases) {
    const std::string run = ItemByItem(c);
    for (int64_t shortBy = 1; shortBy <= 40 && shortBy < static_cast<int64_t>(run.size()); ++shortBy) {
      const Built built = BuildRun(&host, c, 3, 3 + static_cast<int64_t>(run.size()) - shortBy, false);
      ASSERT_EQ(built.result, "LLL" + run) << c.name << ", handle short by " << shortBy;
      ASSERT_FALSE(built.damaged) << c.name << ", handle short by " << shortBy;
    }
  }
}

// A list aside with room for less than the run is cut at its bound.
TEST(ItemRun, AsideRunCutAtItsBound) {
  TestHost host;
  const RunCase& c = kCases[3];  // a month of days, 11 bytes each
  const std::string run = ItemByItem(c);
  for (int64_t room = 1; room < static_cast<int64_t>(run.size()); room += 7) {
    const Built built = BuildRun(&host, c, 0, room, true);
    std::string expected = run.substr(0, static_cast<size_t>(room));
    while (!expected.empty() && (expected.back() == '\r' || expected.back() == '\n')) expected.pop_back();
    ASSERT_EQ(built.result, expected) << "room " << room;
  }
}

// A run that carries its list past 65535 bytes after moving it aside is
// refused there: the run answers false, so its caller stops, and the result
// is "??".
TEST(ItemRun, RefusedWhenItPassesTheLimit) {
  TestHost host;
  SetDefaultPrefs();
  DateTimePrefs.overflowMessageOn = 0;
  for (int32_t length : {int32_t{kFixedCopyLength}, int32_t{kFixedCopyLength + 1}}) {
    HostHandle result = host.Prepare("host's bytes");
    {
      ListBuilder list(result, DateTimePrefs);
      ASSERT_TRUE(list.BeginInHandle(100));
      char item[256] = {};
      std::memset(item, 'a', static_cast<size_t>(length));
      const ItemRun run{item, length, 1, 2, kDecimalPairs, 10, 0, 70000 / length};
      EXPECT_FALSE(list.AppendRun(run)) << "items of " << length;
    }
    EXPECT_EQ(host.Result(), "??") << "items of " << length;
    EXPECT_FALSE(host.Damaged());
  }
  // Counted items, a run for each ten of the number, are refused the same
  // way, begun aside with room to the limit: "item 1" to "item 20000" are
  // far more than 65535 bytes.
  HostHandle result = host.Prepare("host's bytes");
  {
    ListBuilder list(result, DateTimePrefs);
    ASSERT_TRUE(list.BeginAside(100, kResultSizeLimit - 1));
    ItemCounter counter("item ", "", 0, 1, 1, 0);
    EXPECT_FALSE(AppendCountedItems(&list, &counter, 20000));
  }
  EXPECT_EQ(host.Result(), "??") << "counted items";
  EXPECT_FALSE(host.Damaged());
}

}  // namespace
