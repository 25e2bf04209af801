// The one reading of a range parameter that the differences and the date
// lists share: [prefix|]start|end[|suffix], of times alone or of dates,
// times or both.
#pragma once

#include <cstdint>

#include "datetime/Parsing.h"
#include "datetime/TimeStamp.h"
#include "host/CallBlock.h"
#include "prefs/DateTimePrefs.h"

struct RangeParameter {
  char prefix[kRangeTextCapacity + 1];
  char suffix[kRangeTextCapacity + 1];
  TimeStampParts start;
  TimeStampParts end;
  uint8_t startAfterEnd;  // times alone: the start time is later than the end time
};

enum class RangeKind { TimesOnly, TimeStamps };

// The separators the preferences last put, which every reading of a
// parameter recognises.
inline ReadingSeparators ActiveSeparators() { return ReadingSeparators{activeTimeSeparator, activeDateSeparator}; }

// False, with "??" written into the call's result, when the parameter is
// empty or unreadable.
bool ReadRangeParameter(const ReadingSeparators& separators, HostHandle parameter, HostHandle result,
                        RangeKind kind, RangeParameter* range);
