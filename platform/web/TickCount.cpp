// GetTickCount of the web build. A page's monotonic clock starts at 0 when
// the page loads, where Windows counts from the machine's start: the overflow
// notice, shown when 3000 ms have passed since the last one (the last at 0),
// would then stay away for the first three seconds of every page. So the
// count runs on the same monotonic clock from the Unix epoch instead (the
// page's time origin plus its monotonic time), in browsers and node alike,
// wrapping at 2^32 as on Windows.
#include <emscripten/emscripten.h>

#include "PlatformApi.h"
#include "StandInClock.h"

namespace {
EM_JS(double, EpochMilliseconds, (), {
  return performance.timeOrigin + performance.now();
});
}  // namespace

DWORD GetTickCount(void) {
  DWORD fixed;
  if (FixedTickCount(&fixed)) return fixed;
  return static_cast<DWORD>(static_cast<uint64_t>(EpochMilliseconds()));
}
