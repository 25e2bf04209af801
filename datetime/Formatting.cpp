#include "Formatting.h"

#include <cstring>

#include "Calendar.h"
#include "prefs/record/DateTimePrefsRecord.h"
#include "text/Decimal.h"

namespace {

constexpr int32_t kCapacity = kFormattedTextSize - 1;

// A value (a date, a time, or both) is written by plain stores into a
// buffer of its own, then put together with the separator, prefix and
// suffix. The longest value, a date of three 11-character numbers and a time
// with its fraction and marker, takes under 90 characters; WriteDecimal
// needs 31 bytes of room where it writes.
constexpr int32_t kValueSize = 160;

// Zero padding: at least `width` digits when padded, natural width otherwise.
inline int64_t Width(bool padded, int64_t width) { return padded ? width : 0; }

inline char* PutNumberAt(char* cursor, int64_t value, int64_t width) {
  return cursor + WriteDecimal(cursor, value, width);
}

inline char* PutSeparator(char* cursor, char separator) {
  if (separator != 0) *cursor++ = separator;
  return cursor;
}

// *dayAt, when given, receives where the day's digits start.
char* PutDateValue(const DateTimePrefsRecord& prefs, char* cursor, int32_t year, int32_t month, int32_t day,
                   char** dayAt = nullptr) {
  char* unused;
  if (dayAt == nullptr) dayAt = &unused;
  const bool pad = prefs.dateZeroPad != 0;
  const char separator = prefs.dateSeparator;
  const int32_t format = prefs.dateFormat;
  if (format == kDateHost) return PutNumberAt(cursor, DayNumberFromDate(year, month, day), Width(pad, 7));
  const bool twoDigitYear = format == kDateMMDDYY || format == kDateDDMMYY || format == kDateYYMMDD;
  year = twoDigitYear ? TwoDigitYearWritten(year) : FourDigitYearWritten(year);
  const int64_t yearWidth = Width(pad, twoDigitYear ? 2 : 4);
  const int64_t twoDigits = Width(pad, 2);
  switch (format) {
    case kDateDDMMYYYY:
    case kDateDDMMYY:
      *dayAt = cursor;
      cursor = PutSeparator(PutNumberAt(cursor, day, twoDigits), separator);
      cursor = PutSeparator(PutNumberAt(cursor, month, twoDigits), separator);
      return PutNumberAt(cursor, year, yearWidth);
    case kDateYYYYMMDD:
    case kDateYYMMDD:
      cursor = PutSeparator(PutNumberAt(cursor, year, yearWidth), separator);
      cursor = PutSeparator(PutNumberAt(cursor, month, twoDigits), separator);
      *dayAt = cursor;
      return PutNumberAt(cursor, day, twoDigits);
    default:  // MM/DD/YYYY, MM/DD/YY and any unknown code
      cursor = PutSeparator(PutNumberAt(cursor, month, twoDigits), separator);
      *dayAt = cursor;
      cursor = PutSeparator(PutNumberAt(cursor, day, twoDigits), separator);
      return PutNumberAt(cursor, year, yearWidth);
  }
}

char* PutFraction(char* cursor, int32_t millisecond, bool padded) {
  if (padded) return PutNumberAt(cursor, millisecond, 3);
  if (millisecond % 100 == 0) return PutNumberAt(cursor, millisecond / 100, 0);
  if (millisecond % 10 == 0) return PutNumberAt(cursor, millisecond / 10, millisecond < 100 ? 2 : 0);
  return PutNumberAt(cursor, millisecond, millisecond < 100 ? 3 : 0);
}

// Adjusts the hour of the 12-hour clock: 13..23 -> 1..11 PM, 12 PM, 0..11 AM.
char TwelveHourMarker(int32_t* hour) {
  if (*hour > 12) {
    *hour -= 12;
    return 'P';
  }
  return *hour < 12 ? 'A' : 'P';
}

inline char* PutMarker(char* cursor, char marker) {
  if (marker != 0) {
    cursor[0] = ' ';
    cursor[1] = marker;
    cursor[2] = 'M';
    cursor += 3;
  }
  return cursor;
}

// *minuteAt, when given, receives where the minute's digits start.
char* PutTimeValue(const DateTimePrefsRecord& prefs, char* cursor, int32_t hour, int32_t minute, int32_t second,
                   int32_t millisecond, bool withFraction, char** minuteAt = nullptr) {
  const bool pad = prefs.timeZeroPad != 0;
  const char separator = prefs.timeSeparator;
  const int32_t format = prefs.timeFormat;
  if (format == kTimeHost) return PutNumberAt(cursor, SecondsOfDay(hour, minute, second), Width(pad, 5));
  const char marker = format == kTime12Hour ? TwelveHourMarker(&hour) : 0;
  cursor = PutSeparator(PutNumberAt(cursor, hour, Width(pad, 2)), separator);
  if (minuteAt != nullptr) *minuteAt = cursor;
  cursor = PutNumberAt(cursor, minute, 2);
  if (withFraction) {
    cursor = PutSeparator(cursor, separator);
    cursor = PutNumberAt(cursor, second, 2);
    *cursor++ = '.';
    cursor = PutFraction(cursor, millisecond, pad);
  }
  return PutMarker(cursor, marker);
}

char* PutHourValue(const DateTimePrefsRecord& prefs, char* cursor, int32_t hour) {
  const bool pad = prefs.timeZeroPad != 0;
  const int32_t format = prefs.timeFormat;
  if (format == kTimeHost) return PutNumberAt(cursor, SecondsOfDay(hour, 0, 0), Width(pad, 5));
  const char marker = format == kTime12Hour ? TwelveHourMarker(&hour) : 0;
  return PutMarker(PutNumberAt(cursor, hour, Width(pad, 2)), marker);
}

// out = [CR if separatorBefore] + prefix + value + suffix, cut at kCapacity
// characters and terminated; answers its length.
int32_t Assemble(char* out, const char* value, const char* valueEnd, const char* prefix,
                 const char* suffix, bool separatorBefore) {
  int32_t written = 0;
  const auto put = [out, &written](const char* bytes, size_t length) {
    const size_t room = static_cast<size_t>(kCapacity - written);
    if (length > room) length = room;
    std::memcpy(out + written, bytes, length);
    written += static_cast<int32_t>(length);
  };
  if (separatorBefore) out[written++] = '\r';  // the carriage return between two list items
  if (prefix != nullptr && *prefix != 0) put(prefix, std::strlen(prefix));
  put(value, static_cast<size_t>(valueEnd - value));
  if (suffix != nullptr && *suffix != 0) put(suffix, std::strlen(suffix));
  out[written] = 0;
  return written;
}

}  // namespace

int32_t FormatDateText(const DateTimePrefsRecord& prefs, char* out, int32_t year, int32_t month, int32_t day,
                       const char* prefix, const char* suffix, bool separatorBefore) {
  char value[kValueSize];
  const char* end = PutDateValue(prefs, value, year, month, day);
  return Assemble(out, value, end, prefix, suffix, separatorBefore);
}

int32_t FormatTimeText(const DateTimePrefsRecord& prefs, char* out, int32_t hour, int32_t minute, int32_t second,
                       int32_t millisecond, const char* prefix, const char* suffix,
                       bool withFraction, bool separatorBefore) {
  char value[kValueSize];
  const char* end = PutTimeValue(prefs, value, hour, minute, second, millisecond, withFraction);
  return Assemble(out, value, end, prefix, suffix, separatorBefore);
}

int32_t FormatHourText(const DateTimePrefsRecord& prefs, char* out, int32_t hour, const char* prefix,
                       const char* suffix, bool separatorBefore) {
  char value[kValueSize];
  const char* end = PutHourValue(prefs, value, hour);
  return Assemble(out, value, end, prefix, suffix, separatorBefore);
}

int32_t FormatDateTimeText(const DateTimePrefsRecord& prefs, char* out, int32_t year, int32_t month, int32_t day,
                           int32_t hour, int32_t minute, const char* prefix, const char* suffix, bool separatorBefore,
                           bool hourOnly) {
  char value[kValueSize];
  char* cursor = PutDateValue(prefs, value, year, month, day);
  *cursor++ = ' ';
  cursor = hourOnly ? PutHourValue(prefs, cursor, hour) : PutTimeValue(prefs, cursor, hour, minute, 0, 0, false);
  return Assemble(out, value, cursor, prefix, suffix, separatorBefore);
}

int32_t FormatDateValue(const DateTimePrefsRecord& prefs, char* out, int32_t year, int32_t month, int32_t day) {
  return static_cast<int32_t>(PutDateValue(prefs, out, year, month, day) - out);
}

int32_t FormatDateValueWithDay(const DateTimePrefsRecord& prefs, char* out, int32_t year, int32_t month, int32_t day,
                               int32_t* dayAt) {
  char* at = nullptr;
  const int32_t length = static_cast<int32_t>(PutDateValue(prefs, out, year, month, day, &at) - out);
  *dayAt = at != nullptr ? static_cast<int32_t>(at - out) : -1;
  return length;
}

int32_t FormatClockValue(const DateTimePrefsRecord& prefs, char* out, int32_t hour, int32_t minute, bool hourOnly,
                         int32_t* minuteAt) {
  char* at = nullptr;
  char* end = hourOnly ? PutHourValue(prefs, out, hour) : PutTimeValue(prefs, out, hour, minute, 0, 0, false, &at);
  *minuteAt = at != nullptr ? static_cast<int32_t>(at - out) : -1;
  return static_cast<int32_t>(end - out);
}

int32_t FractionText(const DateTimePrefsRecord& prefs, char* out, int32_t millisecond) {
  char value[kValueSize];
  // Any 32-bit value is at most a sign and ten digits: out's 16 bytes hold it.
  const int32_t length = static_cast<int32_t>(PutFraction(value, millisecond, prefs.timeZeroPad != 0) - value);
  std::memcpy(out, value, static_cast<size_t>(length));
  out[length] = 0;
  return length;
}
