// The current time stamp and the two format functions.
//
//   Kelv-TimeStamp (full)  parameter not read  "12/06/2026|10:39:41.123 PM"
//   Kelv-TimeStamp (time)  parameter not read  "10:39:41.123 PM"
//   Kelv-TimeStamp (date)  parameter not read  "12/06/2026"
//   Kelv-FormatDate        a date  "3/5/2001" -> "03/05/2001" (by the date preferences)
//   Kelv-FormatTime        a time  "14:05:33" -> "02:05 PM" (hours and minutes only)
//
// Only the first 64 characters of a FormatDate/FormatTime parameter are read;
// an empty one reads as 1 January of year 1 or as midnight. An unreadable
// parameter is "??".
#pragma once

#include <cstdint>

#include "host/CallBlock.h"

// Ids 8 to 10; the parameter is not read.
void CurrentTimeStamp(int32_t id, HostHandle parameter, HostHandle result);
// Ids 28 and 29.
void FormatDateOrTime(int32_t id, HostHandle parameter, HostHandle result);
