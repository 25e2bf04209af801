// Reading dates, times and ranges out of parameter texts.
//
// Every operation answers true on success. On failure it answers false and
// clears every output (numbers 0, texts empty, flags false): a caller never
// sees a partial result. The separators are the ReadingSeparators given;
// "-" always separates dates too, "." always introduces a fraction of a
// second. A NUL separator is never recognised.
#pragma once

#include <cstdint>

#include "TimeStamp.h"
#include "resources/PluginLimits.h"

// Capacity of the prefix and suffix texts, in characters (buffers need + 1).
constexpr int32_t kRangeTextCapacity = KELV_RANGE_AFFIX_LIMIT;

// The separators the readings recognise: the preferences' separators as
// they were last put, by a preference function, the dialog or a whole file
// read. A preference file that ends early fills part of the record without
// changing these, so they are the caller's to give, apart from the record.
struct ReadingSeparators {
  char time;
  char date;
};

// A time of day: h:mm, h:mm:ss, m:ss, with a fraction (.5 .25 .123), with an
// "am" or "pm" anywhere in the field; else an all-digit seconds-of-day value.
//   "10:30 pm" -> 22:30   "1:30.5" -> 0:01:30.500   "3600" -> 1:00:00
bool ParseTimeText(const ReadingSeparators& separators, const char* text, int32_t* hour, int32_t* minute,
                   int32_t* second, int32_t* millisecond);

// All digits (empty reads as 0), below 86400: the host's seconds of the day.
bool ParseSecondsText(const char* text, int32_t* hour, int32_t* minute, int32_t* second,
                      int32_t* millisecond);

// A date of three numbers whose order follows from their size; else an
// all-digit day number.
//   "05/06/2001" -> 6 May 2001   "25/12/2001" -> 25 December 2001
//   "12/25/89" -> 2089   "730486" -> 1 January 2001
bool ParseDateText(const ReadingSeparators& separators, const char* text, int32_t* year, int32_t* month, int32_t* day);

// All digits (empty reads as 0), at most 1095726: a host day number.
bool ParseDayNumberText(const char* text, int32_t* year, int32_t* month, int32_t* day);

// prefix|start time|end time|suffix (prefix and suffix optional). Fills the
// time components of start and end; startAfterEnd when the start time is
// strictly later than the end time.
bool ParseTimeRange(const ReadingSeparators& separators, const char* parameter, int32_t length, char* prefix,
                    char* suffix, TimeStampParts* start, TimeStampParts* end, uint8_t* startAfterEnd);

// prefix|start|end|suffix where start and end are dates, times, or date|time.
//   "Total: |1/1/2001|8:00|1/3/2001|17:30| hrs"
bool ParseTimeStampRange(const ReadingSeparators& separators, const char* parameter, int32_t length, char* prefix,
                         char* suffix, TimeStampParts* start, TimeStampParts* end);
