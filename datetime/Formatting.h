// Writing dates and times by the user's preferences, which every operation
// takes as `prefs`: the formats, separators and zero padding it reads.
//
// Each operation writes [CR if separatorBefore] + prefix + value + suffix
// into `out` and answers the number of characters written. An absent prefix
// or suffix writes nothing. With prefix and suffix of at most 64 characters
// every text fits in 160 characters; `out` must hold kFormattedTextSize.
// A separator preference of NUL is written as nothing.
//
// With the defaults (MM/DD/YYYY, "/", padded; 12-hour, ":", padded):
//   FormatDateText(prefs, out, 2001, 3, 5, ...)            -> "03/05/2001"
//   FormatTimeText(prefs, out, 13, 5, 9, 250, withFraction) -> "01:05:09.250 PM"
//   FormatTimeText(prefs, out, 0, 30, 0, 0, no fraction)    -> "00:30 AM"
//   FormatHourText(prefs, out, 15, ...)                     -> "03 PM"
//   FormatDateTimeText(prefs, out, 2001, 3, 5, 14, 30, ...) -> "03/05/2001 02:30 PM"
#pragma once

#include <cstdint>

#include "prefs/record/DateTimePrefsRecord.h"

constexpr int32_t kFormattedTextSize = 256;

int32_t FormatDateText(const DateTimePrefsRecord& prefs, char* out, int32_t year, int32_t month, int32_t day,
                       const char* prefix, const char* suffix, bool separatorBefore);
int32_t FormatTimeText(const DateTimePrefsRecord& prefs, char* out, int32_t hour, int32_t minute, int32_t second,
                       int32_t millisecond, const char* prefix, const char* suffix,
                       bool withFraction, bool separatorBefore);
int32_t FormatHourText(const DateTimePrefsRecord& prefs, char* out, int32_t hour, const char* prefix,
                       const char* suffix, bool separatorBefore);
int32_t FormatDateTimeText(const DateTimePrefsRecord& prefs, char* out, int32_t year, int32_t month, int32_t day,
                           int32_t hour, int32_t minute, const char* prefix, const char* suffix, bool separatorBefore,
                           bool hourOnly);

// The values alone, without separator, prefix, suffix or terminator, for
// list builders that keep an item's front and write only what changes; `out`
// holds kFormattedTextSize bytes. FormatDateTimeText's text is the separator,
// the prefix, the date value, a space, the clock value and the suffix.
//   FormatDateValue(prefs, out, 2001, 3, 5)           -> "03/05/2001"
//   FormatClockValue(prefs, out, 14, 30, false, &at)  -> "02:30 PM", at 3
//   FormatClockValue(prefs, out, 14, 30, true, &at)   -> "02 PM", at -1
// *minuteAt receives where the minute's two digits start in the clock
// value: -1 for the hour alone and for the host's seconds of the day, which
// hold no minute.
int32_t FormatDateValue(const DateTimePrefsRecord& prefs, char* out, int32_t year, int32_t month, int32_t day);
int32_t FormatClockValue(const DateTimePrefsRecord& prefs, char* out, int32_t hour, int32_t minute, bool hourOnly,
                         int32_t* minuteAt);
// FormatDateValue, and where the day's digits start in it (-1 for the
// host's day numbers, which hold no day):
//   FormatDateValueWithDay(prefs, out, 2001, 3, 5, &at) -> "03/05/2001", at 3
int32_t FormatDateValueWithDay(const DateTimePrefsRecord& prefs, char* out, int32_t year, int32_t month, int32_t day,
                               int32_t* dayAt);

// The fraction of a second: three digits when padded; else the shortest
// decimal fraction of at least one digit (500 -> "5", 50 -> "05", 5 -> "005").
// out holds 16 bytes: the text of any value, a sign and ten digits at most,
// fits with its terminator.
int32_t FractionText(const DateTimePrefsRecord& prefs, char* out, int32_t millisecond);
