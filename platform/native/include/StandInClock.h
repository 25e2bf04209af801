// Test seam of the native clock: GetLocalTime answers a fixed time, so that
// the time stamp functions' texts can be tested exactly.
#pragma once

#include "PlatformApi.h"

// From now on GetLocalTime answers *fixed; NULL goes back to the wall clock.
void SetStandInLocalTime(const SYSTEMTIME* fixed);
