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

// What a current time stamp holds: "date|time", the time with its
// milliseconds, or the date.
enum class StampParts { DateAndTime, TimeAlone, DateAlone };

// The parameter is not read.
void CurrentTimeStamp(StampParts parts, HostHandle parameter, HostHandle result);
void FormatDateFunction(HostHandle parameter, HostHandle result);
void FormatTimeFunction(HostHandle parameter, HostHandle result);
