// The external functions: the one table every other list of them comes
// from (the dispatcher, the string resources of both builds, kelvhost, the
// user's manual, the README, the benchmarks and the fault tests).
//
// Adding a function or renaming one is an edit here: a row of
// KELV_FUNCTION_TABLE with its handler, its entry in KELV_FUNCTION_MANUAL
// (same order; the dispatcher's build checks it) and at least one example
// in KELV_FUNCTION_EXAMPLES. The count and every id come from the table.
// This header holds macros only, so that the resource compiler can read it.
#pragma once

#include "PluginLimits.h"

#define KELV_STRING_FIRST_FUNCTION 144

// X(id, Ident, name, Handler, need): the id the host passes as functionId
// (its string resource is 144 + id), the name the user types, the
// dispatcher's handler for it and what that handler needs to tell this
// function from the others it serves (its unit, its step, its label;
// NoNeed::None when it serves this function alone). The handler never
// sees the id.
#define KELV_FUNCTION_TABLE(X)                                                                                      \
  X(0, DiffDaysString, "Kelv-DiffDaysString", DifferenceInWords, LargestSpanUnit::Days)                             \
  X(1, DiffHoursString, "Kelv-DiffHoursString", DifferenceInWords, LargestSpanUnit::Hours)                          \
  X(2, DiffTimeString, "Kelv-DiffTimeString", DifferenceAsClock, NoNeed::None)                                      \
  X(3, DiffDays, "Kelv-DiffDays", RoundedDifference, DifferenceUnit::Days)                                          \
  X(4, DiffHours, "Kelv-DiffHours", RoundedDifference, DifferenceUnit::Hours)                                       \
  X(5, DiffMinutes, "Kelv-DiffMinutes", RoundedDifference, DifferenceUnit::Minutes)                                 \
  X(6, DiffSeconds, "Kelv-DiffSeconds", TruncatedDifference, DifferenceUnit::Seconds)                               \
  X(7, DiffMilliSeconds, "Kelv-DiffMilliSeconds", TruncatedDifference, DifferenceUnit::Milliseconds)                \
  X(8, TimeStampFull, "Kelv-TimeStamp (full)", CurrentTimeStamp, StampParts::DateAndTime)                           \
  X(9, TimeStampTime, "Kelv-TimeStamp (time)", CurrentTimeStamp, StampParts::TimeAlone)                             \
  X(10, TimeStampDate, "Kelv-TimeStamp (date)", CurrentTimeStamp, StampParts::DateAlone)                            \
  X(11, ListMinutes, "Kelv-DateList (Minutes)", TimeListFunction, ListStep::MinuteIncrement)                        \
  X(12, ListDateMinutes, "Kelv-DateList (Date Minutes)", DateTimeListFunction, ListStep::MinuteIncrement)           \
  X(13, ListHoursMinutes, "Kelv-DateList (Hours/Minutes)", TimeListFunction, ListStep::HourIncrement)               \
  X(14, ListDateHoursMinutes, "Kelv-DateList (Date Hours/Minutes)", DateTimeListFunction, ListStep::HourIncrement)  \
  X(15, ListHours, "Kelv-DateList (Hours)", HourListFunction, NoNeed::None)                                         \
  X(16, ListDateHours, "Kelv-DateList (Date Hours)", DateHourListFunction, NoNeed::None)                            \
  X(17, ListDays, "Kelv-DateList (days)", DayListFunction, NoNeed::None)                                            \
  X(18, ListMonths, "Kelv-DateList (Months/Years)", MonthListFunction, MonthLabel::Number)                          \
  X(19, ListMonthNames, "Kelv-DateList (MonthNames/Years)", MonthListFunction, MonthLabel::Name)                    \
  X(20, ListYears, "Kelv-DateList (Years)", YearListFunction, NoNeed::None)                                         \
  X(21, ListNumbers, "Kelv-ListNumbers", NumberList, NoNeed::None)                                                  \
  X(22, MakeList, "Kelv-MakeList", WrappedList, NoNeed::None)                                                       \
  X(23, DatePrefs, "Kelv-DatePrefs", SetDatePrefs, NoNeed::None)                                                    \
  X(24, TimePrefs, "Kelv-TimePrefs", SetTimePrefs, NoNeed::None)                                                    \
  X(25, MinuteIncrementPrefs, "Kelv-MinuteIncrementPrefs", SetMinuteIncrement, NoNeed::None)                        \
  X(26, HourIncrementPrefs, "Kelv-HourIncrementPrefs", SetHourIncrement, NoNeed::None)                              \
  X(27, OverflowMessagePrefs, "Kelv-OverflowMessagePrefs", SetOverflowMessage, NoNeed::None)                        \
  X(28, FormatDate, "Kelv-FormatDate", FormatDateFunction, NoNeed::None)                                            \
  X(29, FormatTime, "Kelv-FormatTime", FormatTimeFunction, NoNeed::None)                                            \
  X(30, Version, "Kelv-Version#", VersionText, NoNeed::None)

// The number of functions: one for each row of the table. Ids run from 0 to
// one less; the first id past the table is KELV_FUNCTION_COUNT itself.
#define KELV_FUNCTION_ROW_ONE(id, Ident, name, Handler, need) +1
#define KELV_FUNCTION_COUNT (0 KELV_FUNCTION_TABLE(KELV_FUNCTION_ROW_ONE))

// The groups the manual and the README show the functions in.
// G(Group, title, what they answer)
#define KELV_FUNCTION_GROUPS(G)                                                                         \
  G(Differences, "Differences", "the difference of two time stamps, as text or as a number")           \
  G(TimeStamps, "Time stamps", "the current local date and time")                                      \
  G(Formatting, "Formatting", "a date or a time rewritten by the preferences")                         \
  G(DateLists, "Date lists", "every minute, hour, day, month or year step between two limits")         \
  G(NumberLists, "Number lists", "numbered lists, and every line of a list wrapped")                   \
  G(Preferences, "Preferences", "change the preferences for the calls that follow")                    \
  G(About, "Version", "the plug-in's version")

// Texts the manual's entries share.
#define KELV_MANUAL_RANGE                                                                                \
  "`start|end`, optionally behind a `prefix|` field and before a `|suffix` field. Start and end are "  \
  "both dates (`1/1/2001|1/3/2001`), both times of day (`8:00|17:30`) or both a date and a time "      \
  "(`1/1/2001|8:00|1/3/2001|17:30`). See \"Dates and times\" for the forms that are read."
#define KELV_MANUAL_TIME_RANGE                                                                           \
  "`start|end` of two times of day, optionally behind a `prefix|` field and before a `|suffix` field; " \
  "an end earlier than the start lies on the next day."
#define KELV_MANUAL_RANGE_ERRORS "\"??\" for an empty parameter or one that is not a range as above."
#define KELV_MANUAL_LIST_ERRORS                                                                          \
  "\"??\" for an empty or unreadable parameter, for a step of 0, and for a list whose count times its widest item would reach "     \
  KELV_LIMIT_TEXT(KELV_RESULT_SIZE_LIMIT) " bytes (with the overflow message, when it is on)"        \
  KELV_MANUAL_SEE_LIMITS "."
#define KELV_MANUAL_END_BEFORE_START                                                                     \
  "The span is counted in whole minutes, so an end before the start does not simply give an empty "   \
  "list: less than a minute before the start gives the start alone, less than one step before it "   \
  "(a minute or more) an empty text, and a step or more before it \"??\". A range without dates "     \
  "(two times alone, or a month or day of 0) answers \"??\"."
#define KELV_MANUAL_READS_DATES "The date and time separators: they are what the parameter is read with."
#define KELV_MANUAL_NO_PREFS "None."
#define KELV_MANUAL_SEE_LIMITS " ([the limits](install.md#limits))"
#define KELV_MANUAL_SETS_PREFS "It writes no result: the result stays as it was. The change holds for the calls that follow and is saved when the host quits."

// M(Ident, Group, syntax, parameter, result, errors, preferences)
#define KELV_FUNCTION_MANUAL(M)                                                                          \
  M(DiffDaysString, Differences, "Kelv-DiffDaysString(\"[prefix|]start|end[|suffix]\")",               \
    KELV_MANUAL_RANGE,                                                                                 \
    "The difference from start to end in words, largest unit first, leaving out the units that are "  \
    "0: `2 days 9 hours 30 minutes`, `1 minute 250 milliseconds`. A negative difference has a minus "  \
    "sign before each number. Prefix and suffix are read but not shown. Two equal time stamps have "   \
    "no unit left to write: no result at all (the field keeps what it had).",                         \
    KELV_MANUAL_RANGE_ERRORS, KELV_MANUAL_READS_DATES)                                                 \
  M(DiffHoursString, Differences, "Kelv-DiffHoursString(\"[prefix|]start|end[|suffix]\")",             \
    KELV_MANUAL_RANGE,                                                                                 \
    "As Kelv-DiffDaysString, with whole days counted as hours: `48 hours`. Two equal time stamps "     \
    "give no result at all.",                                                                          \
    KELV_MANUAL_RANGE_ERRORS, KELV_MANUAL_READS_DATES)                                                 \
  M(DiffTimeString, Differences, "Kelv-DiffTimeString(\"[prefix|]start|end[|suffix]\")",               \
    KELV_MANUAL_RANGE,                                                                                 \
    "The difference as a clock text `hours:minutes:seconds.milliseconds`, hours not limited to 24: "   \
    "`26:03:04.050`. A negative difference is written as a minus sign and the clock text of its size.",                    \
    KELV_MANUAL_RANGE_ERRORS, KELV_MANUAL_READS_DATES)                                                 \
  M(DiffDays, Differences, "Kelv-DiffDays(\"[prefix|]start|end[|suffix]\")", KELV_MANUAL_RANGE,        \
    "The difference in whole days, the exact difference rounded half away from zero (12 hours count "  \
    "as a day): a decimal number, negative when the end lies before the start. A difference and its "  \
    "reverse are each other's negatives.",                                            \
    KELV_MANUAL_RANGE_ERRORS, KELV_MANUAL_READS_DATES)                                                 \
  M(DiffHours, Differences, "Kelv-DiffHours(\"[prefix|]start|end[|suffix]\")", KELV_MANUAL_RANGE,      \
    "The difference in whole hours, rounded half away from zero.", KELV_MANUAL_RANGE_ERRORS,           \
    KELV_MANUAL_READS_DATES)                                                                           \
  M(DiffMinutes, Differences, "Kelv-DiffMinutes(\"[prefix|]start|end[|suffix]\")", KELV_MANUAL_RANGE,  \
    "The difference in whole minutes, rounded half away from zero.", KELV_MANUAL_RANGE_ERRORS,         \
    KELV_MANUAL_READS_DATES)                                                                           \
  M(DiffSeconds, Differences, "Kelv-DiffSeconds(\"[prefix|]start|end[|suffix]\")", KELV_MANUAL_RANGE,  \
    "The difference in whole seconds, the fraction of a second dropped: 1.9 seconds are 1, -0.5 "    \
    "seconds 0.", KELV_MANUAL_RANGE_ERRORS,                                                             \
    KELV_MANUAL_READS_DATES)                                                                           \
  M(DiffMilliSeconds, Differences, "Kelv-DiffMilliSeconds(\"[prefix|]start|end[|suffix]\")",           \
    KELV_MANUAL_RANGE, "The exact difference in milliseconds.", KELV_MANUAL_RANGE_ERRORS,              \
    KELV_MANUAL_READS_DATES)                                                                           \
  M(TimeStampFull, TimeStamps, "Kelv-TimeStamp (full)(\"\")", "Any text; it is not looked at.",           \
    "The computer's local date and time, `date|time`, written as Kelv-FormatDate and Kelv-FormatTime " \
    "write them, the time with its milliseconds: `12/08/2026|03:05:09.250 PM`.",                \
    "None: any parameter has an answer.", "Date order, separators, 12- or 24-hour clock and zero padding.")      \
  M(TimeStampTime, TimeStamps, "Kelv-TimeStamp (time)(\"\")", "Any text; it is not looked at.",           \
    "The local time of day with its milliseconds: `03:05:09.250 PM`.", "None: any parameter has an answer.",     \
    "Time separator, 12- or 24-hour clock and zero padding.")                                          \
  M(TimeStampDate, TimeStamps, "Kelv-TimeStamp (date)(\"\")", "Any text; it is not looked at.",           \
    "The local date: `12/08/2026`.", "None: any parameter has an answer.",                                       \
    "Date order, separator and zero padding.")                                                         \
  M(ListMinutes, DateLists, "Kelv-DateList (Minutes)(\"[prefix|]start|end[|suffix]\")",                \
    KELV_MANUAL_TIME_RANGE,                                                                            \
    "Every time from start to end in steps of the minute increment, one per line, each between "       \
    "prefix and suffix; lines are separated by a carriage return, with none after the last.",          \
    KELV_MANUAL_LIST_ERRORS, "The minute increment (the step), the time format, separator and padding.") \
  M(ListDateMinutes, DateLists, "Kelv-DateList (Date Minutes)(\"[prefix|]start|end[|suffix]\")",       \
    KELV_MANUAL_RANGE,                                                                                 \
    "Every date and time from start to end in steps of the minute increment, one per line: "           \
    "`12/31/2001 11:58 PM`. " KELV_MANUAL_END_BEFORE_START,                                           \
    KELV_MANUAL_LIST_ERRORS, "The minute increment, the date and time formats, separators and padding.") \
  M(ListHoursMinutes, DateLists, "Kelv-DateList (Hours/Minutes)(\"[prefix|]start|end[|suffix]\")",     \
    KELV_MANUAL_TIME_RANGE,                                                                            \
    "Every time from start to end in steps of the hour increment, one per line: `09:30`, `10:30`.",    \
    KELV_MANUAL_LIST_ERRORS, "The hour increment (the step), the time format, separator and padding.") \
  M(ListDateHoursMinutes, DateLists,                                                                   \
    "Kelv-DateList (Date Hours/Minutes)(\"[prefix|]start|end[|suffix]\")", KELV_MANUAL_RANGE,          \
    "Every date and time from start to end in steps of the hour increment, one per line. "             \
    KELV_MANUAL_END_BEFORE_START,                                                                      \
    KELV_MANUAL_LIST_ERRORS, "The hour increment, the date and time formats, separators and padding.") \
  M(ListHours, DateLists, "Kelv-DateList (Hours)(\"[prefix|]start|end[|suffix]\")",                    \
    KELV_MANUAL_TIME_RANGE,                                                                            \
    "Every hour from start to end in steps of the hour increment, written as the hour alone (`10`, "   \
    "or `10 AM` on the 12-hour clock).",                                                               \
    KELV_MANUAL_LIST_ERRORS, "The hour increment, the time format and padding.")                       \
  M(ListDateHours, DateLists, "Kelv-DateList (Date Hours)(\"[prefix|]start|end[|suffix]\")",           \
    KELV_MANUAL_RANGE,                                                                                 \
    "Every date and hour from start to end in steps of the hour increment: `02/28/2000 10 PM`. "       \
    KELV_MANUAL_END_BEFORE_START,                                                                      \
    KELV_MANUAL_LIST_ERRORS, "The hour increment, the date and time formats, separators and padding.") \
  M(ListDays, DateLists, "Kelv-DateList (days)(\"[prefix|]start|end[|suffix]\")", KELV_MANUAL_RANGE,   \
    "The start date and one more day for each time the end is a whole day further on, one per "       \
    "line, written by the date preferences: dates alone list every day from the start to the end, "    \
    "but with times an end at 6:00 the day after a start at 18:00 lists the start date alone.",         \
    "\"??\" for an empty or unreadable parameter, for a range without dates (two times alone, or a "  \
    "month or day of 0), for an end before the start, and for a list whose count times its widest item would reach " KELV_LIMIT_TEXT(KELV_RESULT_SIZE_LIMIT) " bytes" KELV_MANUAL_SEE_LIMITS ".",                                                                        \
    "The date order, separator and padding.")                                                          \
  M(ListMonths, DateLists, "Kelv-DateList (Months/Years)(\"[prefix|]start|end[|suffix]\")",            \
    KELV_MANUAL_RANGE,                                                                                 \
    "Every month from the start's month to the end's, as `month/year` with a two-digit month: "        \
    "`11/2001`. Only the dates are used.",                                                             \
    "\"??\" for an empty or unreadable parameter, for a range without dates (two times alone, or a "  \
    "month or day of 0) and for a list whose count times its widest item would reach " KELV_LIMIT_TEXT(KELV_RESULT_SIZE_LIMIT) " bytes" KELV_MANUAL_SEE_LIMITS "; no result at all (the result stays as it was) when the end month lies before the start month.",     \
    KELV_MANUAL_READS_DATES)                                                                           \
  M(ListMonthNames, DateLists, "Kelv-DateList (MonthNames/Years)(\"[prefix|]start|end[|suffix]\")",    \
    KELV_MANUAL_RANGE,                                                                                 \
    "As Kelv-DateList (Months/Years), the month written as its three-letter name: `NOV/2001`.",        \
    "As Kelv-DateList (Months/Years).", KELV_MANUAL_READS_DATES)                                       \
  M(ListYears, DateLists, "Kelv-DateList (Years)(\"[prefix|]start|end[|suffix]\")", KELV_MANUAL_RANGE, \
    "Every year from the start's to the end's, one per line.",                                         \
    "\"??\" for an empty or unreadable parameter, for a range without dates (two times alone, or a "  \
    "month or day of 0) and for a list whose count times its widest item would reach " KELV_LIMIT_TEXT(KELV_RESULT_SIZE_LIMIT) " bytes" KELV_MANUAL_SEE_LIMITS "; no result at all when the end year lies before the start year.",                                     \
    KELV_MANUAL_READS_DATES)                                                                           \
  M(ListNumbers, NumberLists,                                                                          \
    "Kelv-ListNumbers(\"start=N|end=N|inc=N[|zeropad=N][|pre=text][|post=text]\")",                    \
    "Keywords in any order and case, separated by `|`, six at most: `start=` and `end=` the first "    \
    "and last numbers (missing or empty: 0), `inc=` the step, 1 or more (the list counts down when "    \
    "the end is below the start), `zeropad=` the least number of characters of each number, zeros "    \
    "filled in after a minus sign, `pre=` and `post=` the text before and after each number. A field " \
    "in double quotes may hold `|`: the quotes must open the field (`\"pre=a|b\"`), since a quote after "  \
    "`pre=` is text like any other. Only the first " KELV_LIMIT_TEXT(KELV_NUMBER_LIST_PARAMETER_LIMIT)    \
    " characters are read" KELV_MANUAL_SEE_LIMITS ", and the parameter ends at its first line end.",                        \
    "The numbers from start to end, one per line.",                                                    \
    "\"??\" for an empty parameter and for a list whose count times its widest item would reach " KELV_LIMIT_TEXT(KELV_RESULT_SIZE_LIMIT) " bytes" KELV_MANUAL_SEE_LIMITS ". No result at all (the "\
    "result stays as it was) for a field that is no keyword, a value that is no whole number, a "      \
    "missing `inc=` or one below 1, and a start equal to the end.",                                    \
    KELV_MANUAL_NO_PREFS)                                                                              \
  M(MakeList, NumberLists, "Kelv-MakeList(\"list[|pre=text][|post=text]\")",                           \
    "A list of lines separated by carriage returns, with `pre=` and `post=` fields before or after "   \
    "it. Every `|` ends a field (quotes do not protect it), and of the fields that are neither "      \
    "`pre=` nor `post=` only the last is the list. The whole parameter is read.",                     \
    "Every line of the list between the prefix and the suffix, one per line; an empty line stays an "  \
    "empty item. A carriage return and a line feed each end a line, so text with CR LF line ends "    \
    "has an empty item between each line and the next.",                                                      \
    "\"??\" for an empty parameter and for a result whose lines times prefix and suffix, plus its text, would reach " KELV_LIMIT_TEXT(KELV_RESULT_SIZE_LIMIT) " bytes" KELV_MANUAL_SEE_LIMITS "; no result at all "   \
    "when there is no list text.",                                                                     \
    KELV_MANUAL_NO_PREFS)                                                                              \
  M(DatePrefs, Preferences, "Kelv-DatePrefs(\"order|separator[|zeropad]\")",                           \
    "The date order, one of `MMDDYYYY` (any other text means this one, silently: `dd/mm/yyyy` is "    \
    "no order and writes month first), `MMDDYY`, `DDMMYYYY`, "                                         \
    "`DDMMYY`, `YYYYMMDD`, `YYMMDD` or `FMDATE` (the host's day number, with zero padding on written "          \
    "in seven digits: `0730486`, the same number after a leading zero), case ignored; the date "    \
    "separator (its first character; empty keeps the one in force); a field that begins with `1` "   \
    "(`1`, `1x`) to pad day and month with a zero, anything else (`01`) or nothing not to (a two-digit year is then unpadded too: 2001 is "        \
    "written `1`). Only the first " KELV_LIMIT_TEXT(KELV_PREFS_PARAMETER_LIMIT) " characters are read" KELV_MANUAL_SEE_LIMITS ".",                                            \
    KELV_MANUAL_SETS_PREFS, "\"??\" when the parameter is empty or has no separator field.",        \
    "Sets the date order, separator and padding.")                                                     \
  M(TimePrefs, Preferences, "Kelv-TimePrefs(\"format|separator[|zeropad]\")",                          \
    "The time format, `12` (any other text means this one), `24` or `FMTIME` (the host's seconds of "  \
    "the day, with zero padding on written in five digits: `03600`), case ignored; the time "         \
    "separator (its first character; empty keeps the one in force); a field that begins with `1` "    \
    "(`1`, `1x`) to pad with zeros, anything else (`01`) or nothing not to: `24|:` switches padding off. Only the "   \
    "first " KELV_LIMIT_TEXT(KELV_PREFS_PARAMETER_LIMIT) " characters are read" KELV_MANUAL_SEE_LIMITS ".",                                                                  \
    KELV_MANUAL_SETS_PREFS, "\"??\" when the parameter is empty or has no separator field.",        \
    "Sets the time format, separator and padding.")                                                    \
  M(MinuteIncrementPrefs, Preferences, "Kelv-MinuteIncrementPrefs(\"minutes\")",                       \
    "The step of the minute lists, read as a number from the start of the text (`15 minutes` is 15, "  \
    "`abc` is 0).",                                                                                    \
    KELV_MANUAL_SETS_PREFS, "\"??\" for an empty parameter. A step of 0 makes the lists answer \"??\"; " \
    "a step below 0 gives the start alone, or \"??\" for a longer range.",                          \
    "Sets the minute increment.")                                                                      \
  M(HourIncrementPrefs, Preferences, "Kelv-HourIncrementPrefs(\"hours\")",                             \
    "The step of the hour lists in hours, read as Kelv-MinuteIncrementPrefs reads its number.",        \
    KELV_MANUAL_SETS_PREFS, "\"??\" for an empty parameter. A step of 0 makes the lists answer \"??\".", \
    "Sets the hour increment.")                                                                        \
  M(OverflowMessagePrefs, Preferences, "Kelv-OverflowMessagePrefs(\"message\")",                       \
    "The message shown when a list would be too long, at most "                                        \
    KELV_LIMIT_TEXT(KELV_OVERFLOW_MESSAGE_LIMIT) " characters, more are cut" KELV_MANUAL_SEE_LIMITS ". It also "                 \
    "switches the message on; only the preferences dialog switches it off.",                           \
    KELV_MANUAL_SETS_PREFS, "\"??\" for an empty parameter.",                                          \
    "Sets the overflow message and switches it on.")                                                   \
  M(FormatDate, Formatting, "Kelv-FormatDate(\"date\")",                                               \
    "A date in any form that is read (see \"Dates and times\"), or a day number. Only the first "      \
    KELV_LIMIT_TEXT(KELV_FORMAT_PARAMETER_LIMIT) " characters are read" KELV_MANUAL_SEE_LIMITS ".",                               \
    "The date written by the date preferences: `03/05/2001`. The year is the one read: a year of "     \
    "one or two digits is the two-digit year's (`1/1/0011` is 2011), and a year from a day number "    \
    "below 100 is written as 1901 to 1999.",                                                                                          \
    "\"??\" when the text is no date, and when it begins with a blank. An empty parameter is no "       \
    "error: it is day 0 of the host's count and writes 1 January 1901.",                               \
    "The date order, separator and padding.")                                                          \
  M(FormatTime, Formatting, "Kelv-FormatTime(\"time\")",                                               \
    "A time of day in any form that is read, or seconds of the day. Only the first "                    \
    KELV_LIMIT_TEXT(KELV_FORMAT_PARAMETER_LIMIT) " characters are read" KELV_MANUAL_SEE_LIMITS ", so an " \
    "`am` or `pm` further on "                                                                         \
    "is not seen.",                                            \
    "The time written by the time preferences as hours and minutes: `01:05 PM`. Seconds and "          \
    "milliseconds are never written in a 12- or 24-hour result; under `FMTIME` the result is the "   \
    "seconds of the day. The minutes are padded with a zero "  \
    "whether the zero padding is on or not (it pads the hour). 12 am is noon, as 12 pm is; `p.m.` is no "    \
    "marker. Two numbers with a fraction are minutes and seconds; without one they are minutes "       \
    "and seconds only when the first is above 23.",                                                    \
    "\"??\" when the text is no time, and when it begins with a blank. An empty parameter is "          \
    "midnight.", "The time format, separator and padding.")                                            \
  M(Version, About, "Kelv-Version#(\"\")", "Any text; it is not looked at.", "`3.02`.",                   \
    "None: any parameter has an answer.", KELV_MANUAL_NO_PREFS)

// E(Ident, setup function, setup parameter, parameter, result): an example
// with its exact answer under the default preferences, after the setup call
// when it names one; KELV_NO_RESULT where the function writes no result.
// Every example runs as a test on both builds. Every function has one but
// the three time stamps, whose answers are the clock's.
#define KELV_NO_RESULT nullptr
#define KELV_FUNCTION_EXAMPLES(E)                                                                      \
  E(DiffDaysString, "", "", "Total: |1/1/2001|8:00|1/3/2001|17:30| hrs", "2 days 9 hours 30 minutes") \
  E(DiffDaysString, "", "", "1/1/2001|9:00|1/2/2001|11:00:05", "1 day 2 hours 5 seconds")            \
  E(DiffDaysString, "", "", "17:30|8:00", "-9 hours -30 minutes")                                    \
  E(DiffHoursString, "", "", "1/1/2001|1/3/2001", "48 hours")                                        \
  E(DiffTimeString, "", "", "1/1/2001|0:00|1/2/2001|2:03:04.05", "26:03:04.050")                     \
  E(DiffTimeString, "", "", "10:00|9:30", "-0:30:00.000")                                           \
  E(DiffDays, "", "", "1/1/2001|1/3/2001", "2")                                                      \
  E(DiffDays, "", "", "25/12/2001|2002-01-01", "7")                                                  \
  E(DiffDays, "", "", "1/1/2001|", "??")                                                             \
  E(DiffHours, "", "", "1/1/2001|8:00|1/1/2001|17:30", "10")                                         \
  E(DiffMinutes, "", "", "8:00 am|5:30 pm", "570")                                                   \
  E(DiffSeconds, "", "", "10:00|10:01:30.9", "90")                                                   \
  E(DiffMilliSeconds, "", "", "10:00|10:01:30.9", "90900")                                           \
  E(ListMinutes, "Kelv-MinuteIncrementPrefs", "15", "23:30|0:15", "11:30 PM\r11:45 PM\r00:00 AM\r00:15 AM") \
  E(ListMinutes, "", "", "<|10:00|10:02|>", "<10:00 AM>\r<10:01 AM>\r<10:02 AM>")                   \
  E(ListDateMinutes, "", "", "12/31/2001|23:58|1/1/2002|0:01",                                       \
    "12/31/2001 11:58 PM\r12/31/2001 11:59 PM\r01/01/2002 00:00 AM\r01/01/2002 00:01 AM")           \
  E(ListHoursMinutes, "", "", "9:30|12:00", "09:30 AM\r10:30 AM\r11:30 AM")                          \
  E(ListDateHoursMinutes, "", "", "1/1/2001|9:30|1/1/2001|12:00",                                    \
    "01/01/2001 09:30 AM\r01/01/2001 10:30 AM\r01/01/2001 11:30 AM")                                \
  E(ListHours, "Kelv-TimePrefs", "24|:|1", "22:00|2:00", "22\r23\r00\r01\r02")                       \
  E(ListDateHours, "", "", "2/28/2000|22:00|2/29/2000|1:00",                                         \
    "02/28/2000 10 PM\r02/28/2000 11 PM\r02/29/2000 00 AM\r02/29/2000 01 AM")                       \
  E(ListDays, "", "", "2/27/2000|3/1/2000", "02/27/2000\r02/28/2000\r02/29/2000\r03/01/2000")        \
  E(ListDays, "Kelv-DatePrefs", "DDMMYYYY|.|1", "[|29.12.2001|1.1.2002|]",                           \
    "[29.12.2001]\r[30.12.2001]\r[31.12.2001]\r[01.01.2002]")                                        \
  E(ListDays, "", "", "1/3/2001|1/1/2001", "??")                                                     \
  E(ListMonths, "", "", "11/1/2001|2/1/2002", "11/2001\r12/2001\r01/2002\r02/2002")                  \
  E(ListMonthNames, "", "", "11/1/2001|2/1/2002", "NOV/2001\rDEC/2001\rJAN/2002\rFEB/2002")          \
  E(ListYears, "", "", "Year |1/1/1999|1/1/2001", "Year 1999\rYear 2000\rYear 2001")                 \
  E(ListNumbers, "", "", "start=1|end=10|inc=3", "1\r4\r7\r10")                                      \
  E(ListNumbers, "", "", "start=1|end=3|inc=1|zeropad=3|pre=A-", "A-001\rA-002\rA-003")               \
  E(ListNumbers, "", "", "start=10|end=1|inc=4", "10\r6\r2")                                         \
  E(ListNumbers, "", "", "start=1|end=3", KELV_NO_RESULT)                                            \
  E(MakeList, "", "", "apples\rpears|pre=<li>|post=</li>", "<li>apples</li>\r<li>pears</li>")        \
  E(MakeList, "", "", "post=,|a\rb\rc", "a,\rb,\rc,")                                                  \
  E(ListNumbers, "", "", "start=-2|end=2|inc=1|zeropad=2", "-2\r-1\r00\r01\r02")                      \
  E(DiffSeconds, "", "", "10:00:00.5|10:00", "0")                                                    \
  E(DatePrefs, "", "", "DDMMYYYY|.|1", KELV_NO_RESULT)                                               \
  E(DatePrefs, "", "", "MMDDYYYY", "??")                                                             \
  E(FormatDate, "Kelv-DatePrefs", "YYYYMMDD|-|1", "12-25-2001", "2001-12-25")                        \
  E(TimePrefs, "", "", "24|.", KELV_NO_RESULT)                                                       \
  E(FormatTime, "Kelv-TimePrefs", "24|.", "1.05 pm", "13.05")                                        \
  E(MinuteIncrementPrefs, "", "", "15 minutes", KELV_NO_RESULT)                                      \
  E(MinuteIncrementPrefs, "", "", "abc", KELV_NO_RESULT)                                             \
  E(HourIncrementPrefs, "", "", "2", KELV_NO_RESULT)                                                 \
  E(ListHoursMinutes, "Kelv-HourIncrementPrefs", "2", "8:00|13:00", "08:00 AM\r10:00 AM\r12:00 PM")  \
  E(OverflowMessagePrefs, "", "", "That list is too long.", KELV_NO_RESULT)                          \
  E(FormatDate, "", "", "3/5/2001", "03/05/2001")                                                    \
  E(FormatDate, "", "", "730486", "01/01/2001")                                                      \
  E(FormatDate, "", "", "Christmas", "??")                                                           \
  E(FormatTime, "", "", "13:05", "01:05 PM")                                                         \
  E(FormatTime, "", "", "3600", "01:00 AM")                                                          \
  E(DiffDaysString, "", "", "1/1/2001|1/1/2001", KELV_NO_RESULT)                                    \
  E(DiffHoursString, "", "", "1/1/2001|8:00|1/1/2001|8:00", KELV_NO_RESULT)                          \
  E(DiffDays, "", "", "1/1/89|1/1/90", "-36160")                                                     \
  E(DiffDays, "", "", "1/1/1899|1/1/1901", "-693231")                                                \
  E(DiffDays, "", "", "1/1/1850|1/1/1851", "365")                                                    \
  E(DiffDays, "", "", "3600|7200", "-32925")                                                         \
  E(DiffMinutes, "", "", "12:15 am|1:00 am", "-675")                                                 \
  E(DiffMinutes, "", "", "10:00:29.5|10:00", "0")                                                    \
  E(DiffMinutes, "", "", "10:00:30|10:00", "-1")                                                     \
  E(DiffHours, "", "", "1:29:59.5|0:00", "-1")                                                       \
  E(DiffHours, "", "", "0:00|1:29:59.5", "1")                                                        \
  E(DiffMinutes, "", "", "10:00|10:30.5", "-589")                                                    \
  E(DiffMinutes, "", "", "10:00|10:30                                                            pm", "750")                                               \
  E(ListDateMinutes, "", "", "1/1/2001|10:00:30|1/1/2001|10:00", "01/01/2001 10:00 AM")              \
  E(ListDateMinutes, "Kelv-MinuteIncrementPrefs", "15", "1/1/2001|10:05|1/1/2001|10:00", "")         \
  E(ListDateMinutes, "", "", "1/2/2001|0:00|1/1/2001|0:00", "??")                                    \
  E(ListDateHours, "", "", "1/1/2001|10:05|1/1/2001|10:00", "")                                      \
  E(ListDateHours, "", "", "8:00|9:00", "??")                                                        \
  E(ListDays, "", "", "1/1/2001|18:00|1/2/2001|6:00", "01/01/2001")                                  \
  E(ListDays, "", "", "8:00|9:00", "??")                                                             \
  E(ListNumbers, "", "", "start=1|end=2|inc=1|\"pre=a|b\"", "a|b1\ra|b2")                            \
  E(ListNumbers, "", "", "start=1|end=2|inc=1|pre=\"a|b\"", KELV_NO_RESULT)                          \
  E(MakeList, "", "", "a|b|c", "c")                                                                  \
  E(MakeList, "", "", "a\r\nb|pre=<|post=>", "<a>\r<>\r<b>")                                         \
  E(FormatDate, "", "", "", "01/01/1901")                                                            \
  E(FormatDate, "", "", " 1/1/2001", "??")                                                           \
  E(FormatDate, "", "", "1/1/89", "01/01/2089")                                                      \
  E(FormatDate, "", "", "1/1/90", "01/01/1990")                                                      \
  E(FormatDate, "", "", "1/1/1850", "01/01/1850")                                                    \
  E(FormatDate, "", "", "1/1/0011", "01/01/2011")                                                    \
  E(FormatDate, "", "", "1/1/0100", "??")                                                            \
  E(FormatDate, "", "", "1", "01/01/1901")                                                           \
  E(FormatDate, "Kelv-DatePrefs", "DDMMYYYY|.|1", "05.06.2001", "06.05.2001")                        \
  E(FormatDate, "Kelv-DatePrefs", "DDMMYYYY|.|1", "25.06.2001", "25.06.2001")                        \
  E(FormatTime, "Kelv-TimePrefs", "FMTIME|:", "14:05:33", "50733")                                   \
  E(FormatTime, "Kelv-TimePrefs", "FMTIME|:|1", "1:00", "03600")                                     \
  E(FormatTime, "Kelv-TimePrefs", "12|:|1x", "1:05", "01:05 AM")                                     \
  E(FormatTime, "Kelv-TimePrefs", "12|:|01", "1:05", "1:05 AM")                                      \
  E(FormatDate, "Kelv-DatePrefs", "FMDATE|/|1", "1/1/2001", "0730486")                               \
  E(FormatDate, "Kelv-DatePrefs", "MMDDYYYY|/|1x", "1/5/2001", "01/05/2001")                         \
  E(FormatDate, "Kelv-DatePrefs", "MMDDYYYY|/|01", "1/5/2001", "1/5/2001")                           \
  E(DiffHours, "", "", "1/1/2001 8:00 PM|1/2/2001 6:00 AM", "24")                                    \
  E(DiffHours, "", "", "1/1/2001|8:00 PM|1/2/2001|6:00 AM", "10")                                    \
  E(DiffHours, "", "", "2001-01-01T08:00|2001-01-01T10:00", "0")                                     \
  E(ListNumbers, "", "", "start=1|end=2|inc=1|zeropad=2|pre=a|post=b|pre=c", "a01b\ra02b")            \
  E(MinuteIncrementPrefs, "", "", "", "??")                                                          \
  E(FormatDate, "Kelv-DatePrefs", "dd/mm/yyyy|/|1", "25/12/2001", "12/25/2001")                      \
  E(FormatDate, "Kelv-DatePrefs", "MMDDYY|/", "1/1/2001", "1/1/1")                                   \
  E(FormatTime, "", "", "14:05:33", "02:05 PM")                                                      \
  E(FormatTime, "", "", "14:05:33.250", "02:05 PM")                                                  \
  E(FormatTime, "", "", "", "00:00 AM")                                                              \
  E(FormatTime, "", "", "12:30 am", "12:30 PM")                                                      \
  E(FormatTime, "", "", "10:30 p.m.", "10:30 AM")                                                    \
  E(FormatTime, "", "", "10:30.5", "00:10 AM")                                                       \
  E(FormatTime, "", "", "24:00", "00:24 AM")                                                         \
  E(FormatTime, "", "", "10:30                                                            pm", "10:30 AM")                                                 \
  E(FormatTime, "Kelv-TimePrefs", "12|:|0", "9:05", "9:05 AM")                                       \
  E(FormatTime, "Kelv-TimePrefs", "24|:", "9:05", "9:05")                                            \
  E(Version, "", "", "", "3.02")
