// The number results (the Diff functions that answer an integer) under a
// refused resize: a passing shortage leaves an empty result, never the
// bytes the host's handle held before; a host out of memory for good keeps
// its handle as it was.
#include <gtest/gtest.h>

#include <string>

#include "TestHost.h"
#include "host/FunctionIds.h"
#include "prefs/DateTimePrefs.h"

namespace {

TEST(IntegerResultFault, RefusedResizeEmptiesTheResult) {
  TestHost host;
  for (int32_t id = kDiffDays; id <= kDiffMilliSeconds; ++id) {
    SetDefaultPrefs();
    ASSERT_NE(host.Call(id, "1/1/2001|1/3/2001"), "") << "function " << id;
    EXPECT_EQ(host.Call(id, "1/1/2001|1/3/2001", "host's bytes", 1, TestHost::Failing::NthOnly), "")
        << "function " << id << ": the resize back to nothing succeeds";
    EXPECT_EQ(host.Call(id, "1/1/2001|1/3/2001", "host's bytes", 1, TestHost::Failing::FromTheNthOn),
              "host's bytes")
        << "function " << id << ": no resize succeeds";
  }
}

}  // namespace
