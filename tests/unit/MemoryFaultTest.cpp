// Memory failures injected in a loop: for every function, the host refuses
// every resize from the first, the second, ... on, and then the first, the
// second, ... alone. Nothing may crash or write outside the handles (the
// sanitizer build watches), every call ends in a documented way, and a call
// whose very first resize fails for good leaves the result exactly as the
// host passed it.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "TestHost.h"
#include "bench/Calls.h"
#include "host/FunctionIds.h"
#include "prefs/DateTimePrefs.h"

namespace {

struct Call {
  int32_t id;
  const char* parameter;
  int32_t dateFormat = 13;
  int32_t setupId = -1;  // a call made first, without faults
  const char* setupParameter = "";
};

const Call kOwnCalls[] = {
    {0, "1/1/2001|9:00|1/2/2001|11:00:05"}, {1, "1/1/2001|1/3/2001"}, {2, "10:03|10:00"},
    {3, "1/1/2001|1/3/2001"}, {4, "8:00|9:00"}, {5, "8:00|9:00"}, {6, "8:00|9:00"}, {7, "8:00|9:00"},
    {8, ""}, {9, ""}, {10, ""}, {11, "<|10:00|10:30|>"}, {12, "1/1/2001|23:58|1/2/2001|00:01"},
    {13, "09:30|12:00"}, {14, "1/1/2001|09:30|1/1/2001|12:00"}, {15, "08:00|12:00"},
    {16, "2/28/2000|22:00|2/29/2000|01:00"}, {17, "[|12/30/2001|1/2/2002|]"},
    {18, "Q|11/1/2001|1/1/2002"}, {19, "11/1/2001|2/1/2002"}, {20, "1/1/1999|1/1/2001"},
    {21, "start=1|end=10|inc=3|pre=<"}, {22, "a\rb|post=,"}, {28, "3/5/2001"}, {29, "13:05"},
    {30, ""}, {KELV_FUNCTION_COUNT, "1/1/2001|1/3/2001"}, {3, "unreadable"}, {17, "1/1/2001|4/23/2017"},
    // Items longer than their estimate, so the list moves to its spill buffer.
    {17, "1/1/1500|1/30/1500", 14}, {16, "1/1/1500|22:00|1/3/1500|02:00", 14},
    // Ends before the first item: empty lists, however many items the count promised.
    {12, "1/1/2001|10:05|1/1/2001|10:00"}, {16, "1/1/2001|10:05|1/1/2001|10:00"},
    {12, "1/1/2001|10:05|1/1/2001|9:00", 13, 25, "-15"},
};

int32_t IdOf(const char* name) {
#define KELV_ID_OF(id, Ident, functionName, Handler, need) \
  if (std::strcmp(name, functionName) == 0) return id;
  KELV_FUNCTION_TABLE(KELV_ID_OF)
#undef KELV_ID_OF
  return -1;
}

// Every example of the manual, the benchmark's typical call of each
// function, then the cases of this test's own.
std::vector<Call> Calls() {
  std::vector<Call> calls;
  const char* names[] = {
#define KELV_NAME_OF(id, Ident, name, Handler, need) name,
      KELV_FUNCTION_TABLE(KELV_NAME_OF)
#undef KELV_NAME_OF
  };
#define KELV_EXAMPLE_CALL(Ident, setupName, setupParameter, parameter, result) \
  calls.push_back({IdOf(names[k##Ident]), parameter, 13, IdOf(setupName), setupParameter});
  KELV_FUNCTION_EXAMPLES(KELV_EXAMPLE_CALL)
#undef KELV_EXAMPLE_CALL
  for (const TypicalParameter& typical : kTypicalParameters) calls.push_back({typical.id, typical.parameter});
  for (const Call& own : kOwnCalls) calls.push_back(own);
  return calls;
}


// A failed resize may end a call in one of the documented ways only: the
// whole result, "??", the handle exactly as the host passed it, or (from the
// integer writer, which empties it) nothing. Never a cut or padded text.
// The time stamps answer the clock, which moves between two calls: their
// answers compare with the digits left out.
std::string Comparable(const std::string& text, const Call& call) {
  if (call.id < kTimeStampFull || call.id > kTimeStampDate) return text;
  std::string shape = text;
  for (char& ch : shape) {
    if (ch >= '0' && ch <= '9') ch = '#';
  }
  return shape;
}

void ExpectDocumentedEnding(const std::string& result, const std::string& clean, const Call& call,
                            int at, const char* mode) {
  const bool integerWriter = call.id >= kDiffDays && call.id <= kDiffMilliSeconds;
  const bool ending = Comparable(result, call) == Comparable(clean, call) || result == "??" ||
                      result == "host's bytes" || (result.empty() && integerWriter);
  EXPECT_TRUE(ending) << "id " << call.id << " " << call.parameter << ", resize " << at << " failing " << mode
                      << ": got " << result.size() << " bytes [" << result.substr(0, 60) << "]";
}

TEST(MemoryFaults, EveryResizeFailingFromTheNthOnAndTheNthAlone) {
  TestHost host;
  for (const Call& call : Calls()) {
    SetDefaultPrefs();
    DateTimePrefs.dateFormat = call.dateFormat;
    if (call.setupId >= 0) host.Call(call.setupId, call.setupParameter);
    host.Call(call.id, call.parameter);
    const int resizes = host.Resizes();
    const std::string clean = host.Call(call.id, call.parameter, "host's bytes");
    for (int at = 1; at <= resizes + 1; ++at) {
      const std::string fromOn = host.Call(call.id, call.parameter, "host's bytes", at);
      ExpectDocumentedEnding(fromOn, clean, call, at, "from then on");
      const std::string once =
          host.Call(call.id, call.parameter, "host's bytes", at, TestHost::Failing::NthOnly);
      ExpectDocumentedEnding(once, clean, call, at, "once");
      if (at == 1) {
        EXPECT_EQ(fromOn, "host's bytes") << "id " << call.id << " " << call.parameter;
      }
      if (at > resizes) {
        EXPECT_EQ(Comparable(fromOn, call), Comparable(clean, call))
            << "id " << call.id << ": a failure that never comes changes nothing";
        EXPECT_EQ(Comparable(once, call), Comparable(clean, call))
            << "id " << call.id << ": a failure that never comes changes nothing";
      }
    }
  }
  EXPECT_FALSE(host.Damaged()) << "a call wrote past a handle or into its parameter";
  SetDefaultPrefs();
}

}  // namespace
