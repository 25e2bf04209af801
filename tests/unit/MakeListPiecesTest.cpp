// MakeList's pre= and post= pieces: a later piece replaces an earlier one
// whole, however much longer the earlier was.
#include <gtest/gtest.h>

#include <string>

#include "TestHost.h"
#include "host/FunctionIds.h"
#include "prefs/DateTimePrefs.h"

namespace {

TEST(MakeListPieces, TheLaterPieceReplacesTheEarlier) {
  struct Row { const char* twice; const char* once; } rows[] = {
      {"pre=abcdef|pre=x|a\rb", "pre=x|a\rb"},
      {"post=abcdef|post=y|a\rb", "post=y|a\rb"},
      {"pre=long prefix|post=long suffix|pre=p|post=s|a\rb", "pre=p|post=s|a\rb"},
  };
  TestHost host;
  for (const Row& r : rows) {
    SetDefaultPrefs();
    const std::string once = host.Call(kMakeList, r.once);
    ASSERT_NE(once, "??") << r.once;
    EXPECT_EQ(host.Call(kMakeList, r.twice), once) << r.twice;
  }
}

}  // namespace
