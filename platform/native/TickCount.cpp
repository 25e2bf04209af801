// GetTickCount of the native build, from the monotonic clock.
#include "PlatformApi.h"
#include "StandInClock.h"

#include <ctime>

DWORD GetTickCount(void) {
  DWORD fixed;
  if (FixedTickCount(&fixed)) return fixed;
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  // Milliseconds since an arbitrary start (the machine's boot, as on
  // Windows), wrapping at 2^32.
  return static_cast<DWORD>(static_cast<uint64_t>(now.tv_sec) * 1000u +
                            static_cast<uint64_t>(now.tv_nsec) / 1000000u);
}
