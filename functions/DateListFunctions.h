// The ten date list functions, from a parameter of the form
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

// Which preference steps a clock list: the minute increment, or the hour
// increment (in hours).
enum class ListStep { MinuteIncrement, HourIncrement };

// How a month list writes its month: "11/2001" or "NOV/2001".
enum class MonthLabel { Number, Name };

// Times of day alone; an end before the start runs past midnight.
void TimeListFunction(ListStep step, HostHandle parameter, HostHandle result);
// The same, written as the hour alone, stepped by the hour increment.
void HourListFunction(HostHandle parameter, HostHandle result);
// Dates with their times: "12/31/2001 11:58 PM".
void DateTimeListFunction(ListStep step, HostHandle parameter, HostHandle result);
// Dates with their hours alone, stepped by the hour increment: "02/28/2000 10 PM".
void DateHourListFunction(HostHandle parameter, HostHandle result);
// Every day over the whole 24-hour periods of the range.
void DayListFunction(HostHandle parameter, HostHandle result);
void MonthListFunction(MonthLabel label, HostHandle parameter, HostHandle result);
void YearListFunction(HostHandle parameter, HostHandle result);
