// The overflow message shows at most once in 3000 ms: a refused list 3000 ms
// or more after the last notice shows it (and notes the time), one sooner
// shows nothing. On the native build only: there the message box is a
// stand-in that answers at once, where Windows' real one waits for a person
// (the end-to-end overflow case has kelvhost answer it under Wine).
#include <gtest/gtest.h>

#include <cstring>

#include "PlatformApi.h"
#include "StandInClock.h"
#include "TestHost.h"
#include "host/FunctionIds.h"
#include "host/ResultWriters.h"
#include "prefs/DateTimePrefs.h"

namespace {

TEST(OverflowNotice, OnceIn3000Milliseconds) {
  struct Row { uint32_t ago; bool shown; } rows[] = {
      // On the machine's clock, which moves on while the call runs: the
      // rows not shown keep a wide margin (SpacingToTheMillisecond below
      // holds the edge with the count fixed).
      {3000, true}, {1000, false}, {5000, true}, {10, false},
  };
  TestHost host;
  for (const Row& r : rows) {
    SetDefaultPrefs();
    DateTimePrefs.overflowMessageOn = 1;
    std::strcpy(DateTimePrefs.overflowMessage, "Too big");
    const uint32_t before = GetTickCount() - r.ago;
    lastOverflowNoticeTicks = before;
    ASSERT_EQ(host.Call(kListDays, "1/1/1000|1/1/2999"), "??");
    EXPECT_EQ(lastOverflowNoticeTicks != before, r.shown) << r.ago << " ms after the last notice";
  }
  lastOverflowNoticeTicks = 0;
  SetDefaultPrefs();
}

// The same rule with the tick count fixed, to the millisecond, and across
// the count's wrap at 2^32 (every 49.7 days of a machine's running).
TEST(OverflowNotice, SpacingToTheMillisecond) {
  struct Row { uint32_t last, now; bool shown; } rows[] = {
      {10000, 13000, true},        {10000, 12999, false},      {10000, 10000, false},
      {10000, 10001, false},       {10000, 4000000000u, true},
      {0xFFFFFF00u, 0x00000B00u, true},   // 3072 ms across the wrap
      {0xFFFFFF00u, 0x00000A00u, false},  // 2816 ms across it
      {0xFFFFF448u, 0x00000000u, true},   // 3000 ms, ending at the wrap
  };
  TestHost host;
  for (const Row& r : rows) {
    SetDefaultPrefs();
    DateTimePrefs.overflowMessageOn = 1;
    std::strcpy(DateTimePrefs.overflowMessage, "Too big");
    lastOverflowNoticeTicks = r.last;
    SetStandInTickCount(&r.now);
    ASSERT_EQ(host.Call(kListDays, "1/1/1000|1/1/2999"), "??");
    EXPECT_EQ(lastOverflowNoticeTicks, r.shown ? r.now : r.last) << r.now - r.last << " ms after the last notice";
  }
  SetStandInTickCount(nullptr);
  lastOverflowNoticeTicks = 0;
  SetDefaultPrefs();
}

}  // namespace
