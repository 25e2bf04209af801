// The plug-in's texts as the host reads them: one table for the string
// resources of the Windows build, the native build's resource stand-in,
// kelvhost and the documentation. No text here is written anywhere else.
#pragma once

#define KELV_TEXT_NAME "Mevrin Date & Time"
#define KELV_TEXT_DESCRIPTION "Provides increased functionality with lists, dates, and time stamps"
#define KELV_TEXT_OPTIONS "Kelv1YYYYnn"

#define KELV_STRING_NAME 128
#define KELV_STRING_DESCRIPTION 129
#define KELV_STRING_OPTIONS 131
#define KELV_STRING_FIRST_FUNCTION 144

// Version block.
#define KELV_VERSION_NUMBERS 3, 0, 2, 0
#define KELV_VERSION_TEXT "3.02"
#define KELV_INTERNAL_NAME "Kelv"
#define KELV_FILE_DESCRIPTION "Mevrin Date & Time FileMaker Plug-In"

// X(function id, string resource id, name). The id is what the host passes
// as functionId; the string id is always id + 144.
#define KELV_FUNCTION_TABLE(X) \
  X(0, 144, "Kelv-DiffDaysString") \
  X(1, 145, "Kelv-DiffHoursString") \
  X(2, 146, "Kelv-DiffTimeString") \
  X(3, 147, "Kelv-DiffDays") \
  X(4, 148, "Kelv-DiffHours") \
  X(5, 149, "Kelv-DiffMinutes") \
  X(6, 150, "Kelv-DiffSeconds") \
  X(7, 151, "Kelv-DiffMilliSeconds") \
  X(8, 152, "Kelv-TimeStamp (full)") \
  X(9, 153, "Kelv-TimeStamp (time)") \
  X(10, 154, "Kelv-TimeStamp (date)") \
  X(11, 155, "Kelv-DateList (Minutes)") \
  X(12, 156, "Kelv-DateList (Date Minutes)") \
  X(13, 157, "Kelv-DateList (Hours/Minutes)") \
  X(14, 158, "Kelv-DateList (Date Hours/Minutes)") \
  X(15, 159, "Kelv-DateList (Hours)") \
  X(16, 160, "Kelv-DateList (Date Hours)") \
  X(17, 161, "Kelv-DateList (days)") \
  X(18, 162, "Kelv-DateList (Months/Years)") \
  X(19, 163, "Kelv-DateList (MonthNames/Years)") \
  X(20, 164, "Kelv-DateList (Years)") \
  X(21, 165, "Kelv-ListNumbers") \
  X(22, 166, "Kelv-MakeList") \
  X(23, 167, "Kelv-DatePrefs") \
  X(24, 168, "Kelv-TimePrefs") \
  X(25, 169, "Kelv-MinuteIncrementPrefs") \
  X(26, 170, "Kelv-HourIncrementPrefs") \
  X(27, 171, "Kelv-OverflowMessagePrefs") \
  X(28, 172, "Kelv-FormatDate") \
  X(29, 173, "Kelv-FormatTime") \
  X(30, 174, "Kelv-Version#")

#define KELV_FUNCTION_COUNT 31
