// The tick count's test seam, shared by the native and web GetTickCount.
#include "StandInClock.h"

namespace {
bool ticksFixed = false;
DWORD fixedTicks = 0;
}  // namespace

void SetStandInTickCount(const DWORD* fixed) {
  ticksFixed = fixed != nullptr;
  fixedTicks = fixed != nullptr ? *fixed : 0;
}

bool FixedTickCount(DWORD* ticks) {
  if (ticksFixed) *ticks = fixedTicks;
  return ticksFixed;
}
