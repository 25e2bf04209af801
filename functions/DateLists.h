// The ten date lists: one item per step between two limits,
// items separated by one CR, each item framed by the parameter's prefix and
// suffix.
//
//   Kelv-DateList (Minutes)          prefix|23:30|00:15|suffix, every minuteIncrement
//   Kelv-DateList (Hours/Minutes)    the same, every hourIncrement hours, keeping the minute
//   Kelv-DateList (Hours)            the same, hours alone
//   Kelv-DateList (Date Minutes)     prefix|date|time|date|time|suffix, every minuteIncrement
//   Kelv-DateList (Date Hours/Minutes), Kelv-DateList (Date Hours): every hourIncrement hours
//   Kelv-DateList (days)             every day over the whole 24-hour periods of the range
//   Kelv-DateList (Months/Years)     "11/2001", "12/2001", ...
//   Kelv-DateList (MonthNames/Years) "NOV/2001", "DEC/2001", ...
//   Kelv-DateList (Years)            "2001", "2002", ...
//
// Prefix and suffix hold at most 64 characters, as the range readings keep
// them. A list whose estimated size reaches 65535 bytes is "??" (with the overflow
// message when it is on). A step of 0 is "??". A month or year list whose end
// lies before its start writes no result. The clock and day lists take the
// preferences they write by; a list reads them once, not for each item.
#pragma once

#include <cstdint>

#include "datetime/TimeStamp.h"
#include "host/CallBlock.h"
#include "prefs/record/DateTimePrefsRecord.h"

extern const char* const MonthAbbreviations[13];

void WriteTimeList(const DateTimePrefsRecord& prefs, HostHandle result, const char* prefix, const char* suffix,
                   int32_t startHour, int32_t startMinute, int32_t endHour, int32_t endMinute, int64_t step,
                   bool startAfterEnd);
void WriteHourList(const DateTimePrefsRecord& prefs, HostHandle result, const char* prefix, const char* suffix,
                   int32_t startHour, int32_t startMinute, int32_t endHour, int32_t endMinute, int64_t step,
                   bool startAfterEnd);
// From `start` (its date, hour and minute) over totalSeconds, every `step` minutes.
void WriteDateTimeList(const DateTimePrefsRecord& prefs, HostHandle result, const char* prefix, const char* suffix,
                       const TimeStampParts& start, int64_t step, int64_t totalSeconds, bool hourOnly);
void WriteDayList(const DateTimePrefsRecord& prefs, HostHandle result, const char* prefix, const char* suffix,
                  int32_t year, int32_t month, int32_t day, int64_t count);
void WriteMonthList(const DateTimePrefsRecord& prefs, HostHandle result, const char* prefix, const char* suffix,
                    int32_t startYear, int32_t startMonth, int32_t endYear, int32_t endMonth, bool names);
void WriteYearList(const DateTimePrefsRecord& prefs, HostHandle result, const char* prefix, const char* suffix,
                   int32_t startYear, int32_t endYear);
