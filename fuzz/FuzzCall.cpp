// Fuzz target: one external call with any function id, any preferences and
// any parameter bytes. The plug-in must neither crash nor write outside the
// result handle, and every result stays below the size limit.
//
// Input: byte 0 picks the function id (-1, every id of the table, and the
// first id past it), bytes 1..4 the preferences
// (date order, time format, pad flags, separators), the rest is the parameter.
#include <cstdint>
#include <string>

#include "TestHost.h"
#include "prefs/DateTimePrefs.h"
#include "resources/FunctionRegistry.h"

namespace {

const char kSeparators[] = {':', '/', '.', '-', '\0', '|', '"', '\\', '1', ' '};

void Require(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 5) return 0;
  // Handles of exactly the size asked, guarded, so that a write past one is
  // seen with or without the sanitizers.
  static TestHost host(TestHost::Storage::Exact);
  static bool started = host.Lifecycle(CallKind::Init) == 4;
  Require(started);
  SetDefaultPrefs();
  DateTimePrefs.dateFormat = 12 + data[1] % 9;  // 12..20: the codes and one either side
  DateTimePrefs.timeFormat = 5 + data[2] % 5;   // 5..9
  DateTimePrefs.dateZeroPad = data[3] & 1;
  DateTimePrefs.timeZeroPad = (data[3] >> 1) & 1;
  DateTimePrefs.minuteIncrement = static_cast<int8_t>(data[3]) >> 2;
  DateTimePrefs.hourIncrement = (data[3] >> 4) & 7;
  DateTimePrefs.dateSeparator = activeDateSeparator = kSeparators[data[4] % 10];
  DateTimePrefs.timeSeparator = activeTimeSeparator = kSeparators[(data[4] / 10) % 10];

  const std::string parameter(reinterpret_cast<const char*>(data) + 5, size - 5);
  const int32_t length = host.CallLength(static_cast<int32_t>(data[0] % (KELV_FUNCTION_COUNT + 2)) - 1, parameter);
  Require(length < 65535);  // results stay below the limit
  Require(!host.Damaged());
  return 0;
}
