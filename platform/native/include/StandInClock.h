// Test seams of the native clock: GetLocalTime answers a fixed time, so that
// the time stamp functions' texts can be tested exactly, and GetTickCount a
// fixed count, so that the overflow notice's spacing can be.
#pragma once

#include "PlatformApi.h"

// From now on GetLocalTime answers *fixed; NULL goes back to the wall clock.
void SetStandInLocalTime(const SYSTEMTIME* fixed);

// From now on GetTickCount answers *fixed; NULL goes back to the machine's count.
void SetStandInTickCount(const DWORD* fixed);

// For the GetTickCount stand-ins: true, with *ticks set, while a count is fixed.
bool FixedTickCount(DWORD* ticks);
