// The one reading of a range parameter that the differences and the date
// lists share: [prefix|]start|end[|suffix], of times alone or of dates,
// times or both.
#pragma once

#include <cstdint>

#include "datetime/Parsing.h"
#include "datetime/TimeStamp.h"
#include "host/CallBlock.h"

struct RangeParameter {
  char prefix[kRangeTextCapacity + 1];
  char suffix[kRangeTextCapacity + 1];
  TimeStampParts start;
  TimeStampParts end;
  uint8_t startAfterEnd;  // times alone: the start time is later than the end time
};

enum class RangeKind { TimesOnly, TimeStamps };

// False, with "??" written into the call's result, when the parameter is
// empty or unreadable.
bool ReadRangeParameter(HostHandle parameter, HostHandle result, RangeKind kind, RangeParameter* range);
