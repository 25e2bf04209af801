#include "Formatting.h"

#include "Calendar.h"
#include "prefs/DateTimePrefs.h"
#include "text/TextCursor.h"

const char ListSeparator[] = "\r";

namespace {

constexpr int64_t kCapacity = kFormattedTextSize - 1;

// Zero padding: at least `width` digits when padded, natural width otherwise.
inline int64_t Width(bool padded, int64_t width) { return padded ? width : 0; }

void PutSeparator(TextCursor* c, char separator) {
  if (separator != 0) PutChar(c, separator);
}

void PutDateValue(TextCursor* c, int32_t year, int32_t month, int32_t day) {
  const bool pad = DateTimePrefs.dateZeroPad != 0;
  const char s = DateTimePrefs.dateSeparator;
  const int32_t format = DateTimePrefs.dateFormat;
  if (format == kDateHost) {
    PutNumber(c, DayNumberFromDate(year, month, day), Width(pad, 7));
    return;
  }
  const bool twoDigitYear = format == kDateMMDDYY || format == kDateDDMMYY || format == kDateYYMMDD;
  if (twoDigitYear) {
    if (year >= 1900) year %= 100;
  } else if (year < 100) {
    year += 1900;
  }
  const int64_t yearWidth = Width(pad, twoDigitYear ? 2 : 4);
  const int64_t two = Width(pad, 2);
  switch (format) {
    case kDateDDMMYYYY:
    case kDateDDMMYY:
      PutNumber(c, day, two), PutSeparator(c, s), PutNumber(c, month, two), PutSeparator(c, s);
      PutNumber(c, year, yearWidth);
      break;
    case kDateYYYYMMDD:
    case kDateYYMMDD:
      PutNumber(c, year, yearWidth), PutSeparator(c, s), PutNumber(c, month, two);
      PutSeparator(c, s), PutNumber(c, day, two);
      break;
    default:  // MM/DD/YYYY, MM/DD/YY and any unknown code
      PutNumber(c, month, two), PutSeparator(c, s), PutNumber(c, day, two), PutSeparator(c, s);
      PutNumber(c, year, yearWidth);
      break;
  }
}

void PutFraction(TextCursor* c, int32_t ms) {
  if (DateTimePrefs.timeZeroPad != 0) return PutNumber(c, ms, 3);
  if (ms % 100 == 0) return PutNumber(c, ms / 100, 0);
  if (ms % 10 == 0) return PutNumber(c, ms / 10, ms < 100 ? 2 : 0);
  PutNumber(c, ms, ms < 100 ? 3 : 0);
}

// Adjusts the hour of the 12-hour clock: 13..23 -> 1..11 PM, 12 PM, 0..11 AM.
const char* TwelveHourMarker(int32_t* hour) {
  if (*hour > 12) {
    *hour -= 12;
    return "PM";
  }
  return *hour < 12 ? "AM" : "PM";
}

void PutTimeValue(TextCursor* c, int32_t hour, int32_t minute, int32_t second, int32_t ms,
                  bool withFraction) {
  const bool pad = DateTimePrefs.timeZeroPad != 0;
  const char sep = DateTimePrefs.timeSeparator;
  const int32_t format = DateTimePrefs.timeFormat;
  if (format == kTimeHost) {
    PutNumber(c, SecondsOfDay(hour, minute, second), Width(pad, 5));
    return;
  }
  const char* marker = format == kTime12Hour ? TwelveHourMarker(&hour) : nullptr;
  PutNumber(c, hour, Width(pad, 2));
  PutSeparator(c, sep);
  PutNumber(c, minute, 2);
  if (withFraction) {
    PutSeparator(c, sep);
    PutNumber(c, second, 2);
    PutChar(c, '.');
    PutFraction(c, ms);
  }
  if (marker != nullptr) {
    PutChar(c, ' ');
    PutText(c, marker);
  }
}

void PutHourValue(TextCursor* c, int32_t hour) {
  const bool pad = DateTimePrefs.timeZeroPad != 0;
  const int32_t format = DateTimePrefs.timeFormat;
  if (format == kTimeHost) {
    PutNumber(c, SecondsOfDay(hour, 0, 0), Width(pad, 5));
    return;
  }
  const char* marker = format == kTime12Hour ? TwelveHourMarker(&hour) : nullptr;
  PutNumber(c, hour, Width(pad, 2));
  if (marker != nullptr) {
    PutChar(c, ' ');
    PutText(c, marker);
  }
}

void PutFront(TextCursor* c, const char* prefix, bool separatorBefore) {
  if (separatorBefore) PutText(c, ListSeparator);
  PutText(c, prefix);
}

}  // namespace

int32_t FormatDateText(char* out, int32_t year, int32_t month, int32_t day, const char* prefix,
                       const char* suffix, bool separatorBefore) {
  TextCursor c = MakeTextCursor(out, kCapacity);
  PutFront(&c, prefix, separatorBefore);
  PutDateValue(&c, year, month, day);
  PutText(&c, suffix);
  return EndText(&c);
}

int32_t FormatTimeText(char* out, int32_t hour, int32_t minute, int32_t second,
                       int32_t millisecond, const char* prefix, const char* suffix,
                       bool withFraction, bool separatorBefore) {
  TextCursor c = MakeTextCursor(out, kCapacity);
  PutFront(&c, prefix, separatorBefore);
  PutTimeValue(&c, hour, minute, second, millisecond, withFraction);
  PutText(&c, suffix);
  return EndText(&c);
}

int32_t FormatHourText(char* out, int32_t hour, const char* prefix, const char* suffix,
                       bool separatorBefore) {
  TextCursor c = MakeTextCursor(out, kCapacity);
  PutFront(&c, prefix, separatorBefore);
  PutHourValue(&c, hour);
  PutText(&c, suffix);
  return EndText(&c);
}

int32_t FormatDateTimeText(char* out, int32_t year, int32_t month, int32_t day, int32_t hour,
                           int32_t minute, const char* prefix, const char* suffix,
                           bool separatorBefore, bool hourOnly) {
  TextCursor c = MakeTextCursor(out, kCapacity);
  PutFront(&c, prefix, separatorBefore);
  PutDateValue(&c, year, month, day);
  PutChar(&c, ' ');
  if (hourOnly) PutHourValue(&c, hour);
  else PutTimeValue(&c, hour, minute, 0, 0, false);
  PutText(&c, suffix);
  return EndText(&c);
}

int32_t FractionText(char* out, int32_t millisecond) {
  TextCursor c = MakeTextCursor(out, 15);
  PutFraction(&c, millisecond);
  return EndText(&c);
}
