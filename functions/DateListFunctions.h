// The ten date list functions (ids 11 to 20), from a parameter of the form
// [prefix|]start|end[|suffix]: every minute or hour step, day, month or year
// from the start to the end, one item per line, items joined by CR. Steps
// are the preferences' minute and hour increments.
//
//   Kelv-DateList (Hours/Minutes)("09:30|12:00")          -> "09:30 AM" CR "10:30 AM" CR "11:30 AM"
//   Kelv-DateList (days)("1/1/2001|1/3/2001")             -> "01/01/2001" CR "01/02/2001" CR "01/03/2001"
//   Kelv-DateList (MonthNames/Years)("11/1/2001|2/1/2002") -> "NOV/2001" CR ... CR "FEB/2002"
//
// "??" for an empty or unreadable parameter, a step of 0, a day list whose
// end is before its start, and a list of 65535 bytes or more. A month or
// year list whose end is before its start writes no result.
#pragma once

#include <cstdint>

#include "host/CallBlock.h"

// Ids 11, 13 and 15: times of day alone; an end before the start runs past midnight.
void TimeListFunction(int32_t id, HostHandle parameter, HostHandle result);
// Ids 12, 14 and 16 to 20: dates, times or both.
void DateListFunction(int32_t id, HostHandle parameter, HostHandle result);
