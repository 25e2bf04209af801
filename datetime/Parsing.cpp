#include "Parsing.h"

#include "Calendar.h"
#include "DigitGroups.h"
#include "text/Decimal.h"
#include "text/VXString.h"

namespace {

constexpr int32_t kParameterLimit = KELV_RANGE_PARAMETER_LIMIT;
// A typed day number reads up to the day before the calendar's last.
constexpr int32_t kLastTypedDayNumber = KELV_LAST_DAY_NUMBER;
static_assert(kLastTypedDayNumber == kLastDayNumber - 1, "typed day numbers end the day before the calendar");

bool IsDigit(char ch) { return ch >= '0' && ch <= '9'; }

// An unsigned digit group; a value beyond 32 bits counts as 2147483647.
int32_t DigitValue(const char* digits) { return IsDigit(*digits) ? ReadDecimal(digits, nullptr) : 0; }

bool AllDigits(const char* text) {
  for (; *text != 0; ++text) {
    if (!IsDigit(*text)) return false;
  }
  return true;
}

// A separator set of one preference character and one fixed character; a NUL
// preference contributes nothing.
void SeparatorSet(char* set, char preference, char fixed) {
  int32_t count = 0;
  if (preference != 0) set[count++] = preference;
  if (fixed != 0) set[count++] = fixed;
  set[count] = 0;
}

bool FailTime(int32_t* hour, int32_t* minute, int32_t* second, int32_t* millisecond) {
  *hour = *minute = *second = *millisecond = 0;
  return false;
}

bool FailDate(int32_t* year, int32_t* month, int32_t* day) {
  *year = *month = *day = 0;
  return false;
}

// Which of "am" and "pm" comes first in text, ignoring case, within its
// first 255 characters: 'a', 'p', or 0 for neither.
char FirstMarker(const char* text) {
  constexpr int32_t kMarkerScanLimit = 255;
  for (int32_t i = 0; i + 1 < kMarkerScanLimit && text[i] != 0; ++i) {
    const unsigned char first = VXLowerCaseMap[static_cast<unsigned char>(text[i])];
    if ((first != 'a' && first != 'p') || VXLowerCaseMap[static_cast<unsigned char>(text[i + 1])] != 'm') continue;
    return static_cast<char>(first);
  }
  return 0;
}

void ClearStamp(TimeStampParts* stamp) { *stamp = TimeStampParts{}; }

// 1 digit = tenths, 2 = hundredths, 3 = milliseconds, 4 or more = 0.
int32_t FractionMilliseconds(int32_t value, int32_t count) {
  if (count == 1) return value * 100;
  if (count == 2) return value * 10;
  if (count == 3) return value;
  return 0;
}

// The two bar-separated readings share this: copy at most 255 bytes of the
// parameter and cut it at "|" into at most maxargs - 1 fields.
int32_t SplitParameter(const char* parameter, int32_t length, char* work, char** fields,
                       int32_t maxargs) {
  VXMemCopyText(work, parameter, length, kParameterLimit);
  return VXStrTokenize(work, fields, "|", maxargs);
}

}  // namespace

bool ParseSecondsText(const char* text, int32_t* hour, int32_t* minute, int32_t* second,
                      int32_t* millisecond) {
  if (text == nullptr || !AllDigits(text)) return FailTime(hour, minute, second, millisecond);
  int32_t value = DigitValue(text);
  if (value >= kSecondsPerDay) return FailTime(hour, minute, second, millisecond);
  *hour = value / kSecondsPerHour;
  *minute = value % kSecondsPerHour / kSecondsPerMinute;
  *second = value % kSecondsPerMinute;
  *millisecond = 0;
  return true;
}

namespace {

// The leading characters a time reads: digits, a separator before a digit,
// a "." before a digit, at most kTimeScanLimit of them.
struct TimeScan {
  int32_t accepted;
  bool separatorMark;
  bool fractionMark;
};

TimeScan ScanTimeCharacters(const char* text, char separator) {
  TimeScan scan{0, false, false};
  while (scan.accepted < kTimeScanLimit) {
    const char ch = text[scan.accepted];
    const char next = ch != 0 ? text[scan.accepted + 1] : 0;
    if (IsDigit(ch)) {
    } else if (ch != 0 && ch == separator && IsDigit(next)) {
      scan.separatorMark = true;
    } else if (ch == '.' && IsDigit(next)) {
      scan.fractionMark = true;
    } else {
      break;
    }
    ++scan.accepted;
  }
  return scan;
}

struct ClockReading {
  int32_t hour, minute, second, millisecond;
};

// The last `count` (0..3) of hour, minute and second take the numbers in order.
void PutTrailingFields(const int32_t* numbers, int32_t count, ClockReading* clock) {
  if (count == 3) {
    clock->hour = numbers[0];
    clock->minute = numbers[1];
    clock->second = numbers[2];
  } else if (count == 2) {
    clock->minute = numbers[0];
    clock->second = numbers[1];
  } else if (count == 1) {
    clock->second = numbers[0];
  }
}

// The groups of a time: before a fraction, s, m:s or h:m:s; without one,
// s, h:m (m:s when the first number cannot be an hour and no marker makes
// it one) or h:m:s. Four numbers without a fraction have no reading.
bool ReadClockGroups(const DigitGroups& groups, bool fraction, bool hasMarker, ClockReading* clock) {
  const int32_t count = groups.count;
  const int32_t* numbers = groups.value;
  if (fraction) {
    const int32_t whole = count - 1;
    clock->millisecond = FractionMilliseconds(numbers[whole], groups.length[whole]);
    PutTrailingFields(numbers, whole, clock);
    return true;
  }
  if (count == 2 && (numbers[0] < kHoursPerDay || hasMarker)) {
    clock->hour = numbers[0];
    clock->minute = numbers[1];
    return true;
  }
  if (count < 1 || count > 3) return false;
  PutTrailingFields(numbers, count, clock);
  return true;
}

bool ClockInRange(const ClockReading& clock) {
  return clock.millisecond < kMillisecondsPerSecond && clock.second < kSecondsPerMinute &&
         clock.minute < kMinutesPerHour && clock.hour < kHoursPerDay;
}

}  // namespace

bool ParseTimeText(const ReadingSeparators& separators, const char* text, int32_t* hour, int32_t* minute,
                   int32_t* second, int32_t* millisecond) {
  if (text == nullptr) return FailTime(hour, minute, second, millisecond);

  // The marker may stand anywhere in the first 255 characters, in either
  // case; when both occur the earlier one counts.
  const char marker = FirstMarker(text);
  const bool hasMarker = marker != 0;

  const TimeScan scan = ScanTimeCharacters(text, separators.time);
  if (scan.separatorMark && scan.accepted >= 3) {
    char separatorSet[3];
    SeparatorSet(separatorSet, separators.time, scan.fractionMark ? '.' : 0);
    DigitGroups groups;
    ReadDigitGroups(text, scan.accepted, separatorSet, 4, &groups);
    ClockReading clock{0, 0, 0, 0};
    if (ReadClockGroups(groups, scan.fractionMark, hasMarker, &clock) && ClockInRange(clock)) {
      const int32_t noon = kHoursPerDay / 2;
      if (marker == 'p' && clock.hour >= 1 && clock.hour < noon) clock.hour += noon;
      *hour = clock.hour;
      *minute = clock.minute;
      *second = clock.second;
      *millisecond = clock.millisecond;
      return true;
    }
  }
  return ParseSecondsText(text, hour, minute, second, millisecond);
}

bool ParseDayNumberText(const char* text, int32_t* year, int32_t* month, int32_t* day) {
  if (text == nullptr || !AllDigits(text)) return FailDate(year, month, day);
  int32_t value = DigitValue(text);
  if (value > kLastTypedDayNumber) return FailDate(year, month, day);
  DateFromDayNumber(value, year, month, day);
  return true;
}

namespace {

// Three numbers of a date in the order their sizes tell: a first number up
// to 12 is the month (m/d/y), up to 31 the day (d/m/y); a larger one is the
// year, then the day when the second cannot be a month (y/d/m), else y/m/d.
// A year below 100 is a typed two-digit year; any other outside the
// four-digit years has no reading.
bool OrderDateNumbers(const int32_t* numbers, int32_t* year, int32_t* month, int32_t* day) {
  const int32_t first = numbers[0], second = numbers[1], third = numbers[2];
  if (first <= 12) {
    *month = first, *day = second, *year = third;
  } else if (first <= 31) {
    *day = first, *month = second, *year = third;
  } else if (second > 12) {
    *year = first, *day = second, *month = third;
  } else {
    *year = first, *month = second, *day = third;
  }
  if (*year < kYearsPerCentury) *year = TypedTwoDigitYear(*year);
  else if (*year < KELV_FIRST_FOUR_DIGIT_YEAR || *year > KELV_LAST_FOUR_DIGIT_YEAR) return false;
  return *month <= 12 && *day <= 31;
}

}  // namespace

bool ParseDateText(const ReadingSeparators& separators, const char* text, int32_t* year, int32_t* month,
                   int32_t* day) {
  if (text == nullptr) return FailDate(year, month, day);
  // Six characters at least, of the first ten, in three groups: a month, day
  // and year in some order.
  DigitGroups groups;
  if (ScanDateGroups(text, separators.date, &groups) >= 6 && groups.count == 3) {
    int32_t readYear = 0, readMonth = 0, readDay = 0;
    if (OrderDateNumbers(groups.value, &readYear, &readMonth, &readDay)) {
      *year = readYear;
      *month = readMonth;
      *day = readDay;
      return true;
    }
  }
  return ParseDayNumberText(text, year, month, day);
}

namespace {

bool ReadDate(const ReadingSeparators& separators, const char* field, TimeStampParts* stamp) {
  return ParseDateText(separators, field, &stamp->year, &stamp->month, &stamp->day);
}

bool ReadTime(const ReadingSeparators& separators, const char* field, TimeStampParts* stamp) {
  return ParseTimeText(separators, field, &stamp->hour, &stamp->minute, &stamp->second, &stamp->millisecond);
}

void CopyRangeText(char* out, const char* field) {
  if (field == nullptr) out[0] = 0;
  else VXStrCopy(out, field, kRangeTextCapacity);
}

bool FailRange(char* prefix, char* suffix, TimeStampParts* start, TimeStampParts* end) {
  prefix[0] = 0;
  suffix[0] = 0;
  ClearStamp(start);
  ClearStamp(end);
  return false;
}

// Compares hour, minute, second, millisecond in that order.
bool TimeIsLater(const TimeStampParts& a, const TimeStampParts& b) {
  if (a.hour != b.hour) return a.hour > b.hour;
  if (a.minute != b.minute) return a.minute > b.minute;
  if (a.second != b.second) return a.second > b.second;
  return a.millisecond > b.millisecond;
}

}  // namespace

bool ParseTimeRange(const ReadingSeparators& separators, const char* parameter, int32_t length, char* prefix,
                    char* suffix, TimeStampParts* start, TimeStampParts* end, uint8_t* startAfterEnd) {
  char work[kParameterLimit + 1];
  char* fields[5];
  const int32_t count = SplitParameter(parameter, length, work, fields, 5);
  ClearStamp(start);
  ClearStamp(end);
  *startAfterEnd = 0;
  const char* pre = nullptr;
  const char* post = nullptr;
  bool ok = false;
  if (count == 2) {
    ok = ReadTime(separators, fields[0], start) && ReadTime(separators, fields[1], end);
  } else if (count == 3) {
    if (ReadTime(separators, fields[0], start)) {
      ok = ReadTime(separators, fields[1], end);
      post = fields[2];
    } else {
      ok = ReadTime(separators, fields[1], start) && ReadTime(separators, fields[2], end);
      pre = fields[0];
    }
  } else if (count == 4) {
    ok = ReadTime(separators, fields[1], start) && ReadTime(separators, fields[2], end);
    pre = fields[0];
    post = fields[3];
  }
  if (!ok) return FailRange(prefix, suffix, start, end);
  CopyRangeText(prefix, pre);
  CopyRangeText(suffix, post);
  *startAfterEnd = TimeIsLater(*start, *end) ? 1 : 0;
  return true;
}

namespace {

// The fields of a range are read by the first form of their count whose
// first date or time reads; that form must then read throughout. Forms of
// fewer than two fields read as two (the missing field refuses), of more
// than six as six (the rest is ignored).
constexpr int32_t kFewestRangeFields = 2;
constexpr int32_t kMostRangeFields = 6;
constexpr int8_t kNoField = -1;

// A form: how many fields it has, where its prefix and suffix stand, and
// which fields hold the start's and the end's date and time (kNoField for
// none). Each form has a date or a time for both ends, read in the order
// start date, start time, end date, end time.
struct RangeForm {
  int8_t fieldCount;
  int8_t prefixAt;
  int8_t suffixAt;
  int8_t startDate, startTime, endDate, endTime;
};

constexpr RangeForm kRangeForms[] = {
    // fields, prefix, suffix, start date, start time, end date, end time
    {2, kNoField, kNoField, 0, kNoField, 1, kNoField},  // date|date
    {2, kNoField, kNoField, kNoField, 0, kNoField, 1},  // time|time
    {3, kNoField, 2, 0, kNoField, 1, kNoField},         // date|date|suffix
    {3, 0, kNoField, 1, kNoField, 2, kNoField},         // prefix|date|date
    {3, kNoField, 2, kNoField, 0, kNoField, 1},         // time|time|suffix
    {3, 0, kNoField, kNoField, 1, kNoField, 2},         // prefix|time|time
    {4, kNoField, kNoField, 0, 1, 2, 3},                // date|time|date|time
    {4, 0, 3, kNoField, 1, kNoField, 2},                // prefix|time|time|suffix
    {4, 0, 3, 1, kNoField, 2, kNoField},                // prefix|date|date|suffix
    {5, kNoField, 4, 0, 1, 2, 3},                       // date|time|date|time|suffix
    {5, 0, kNoField, 1, 2, 3, 4},                       // prefix|date|time|date|time
    {6, 0, 5, 1, 2, 3, 4},                              // prefix|date|time|date|time|suffix
};

// The date and the time a stamp has in the form; true when each reads.
bool ReadStampFields(const ReadingSeparators& separators, char* const* fields, int8_t dateAt, int8_t timeAt,
                     TimeStampParts* stamp) {
  return (dateAt == kNoField || ReadDate(separators, fields[dateAt], stamp)) &&
         (timeAt == kNoField || ReadTime(separators, fields[timeAt], stamp));
}

// -1 when the form's first date or time does not read, else whether all
// of them read.
int32_t ReadRangeForm(const ReadingSeparators& separators, const RangeForm& form, char* const* fields,
                      TimeStampParts* start, TimeStampParts* end) {
  const bool hasDates = form.startDate != kNoField;
  const bool first = hasDates ? ReadDate(separators, fields[form.startDate], start)
                              : ReadTime(separators, fields[form.startTime], start);
  if (!first) return -1;
  const bool startTime = !hasDates || form.startTime == kNoField ||
                         ReadTime(separators, fields[form.startTime], start);
  return startTime && ReadStampFields(separators, fields, form.endDate, form.endTime, end) ? 1 : 0;
}

const char* RangeAffix(char* const* fields, int8_t at) { return at == kNoField ? nullptr : fields[at]; }

}  // namespace

bool ParseTimeStampRange(const ReadingSeparators& separators, const char* parameter, int32_t length,
                         char* prefix, char* suffix, TimeStampParts* start, TimeStampParts* end) {
  char work[kParameterLimit + 1];
  // Fields past the count stay NULL, which every reading refuses.
  char* fields[kMostRangeFields + 1] = {};
  // At most kMostRangeFields: the split keeps one slot for its end.
  int32_t count = SplitParameter(parameter, length, work, fields, kMostRangeFields + 1);
  ClearStamp(start);
  ClearStamp(end);
  if (count < kFewestRangeFields) count = kFewestRangeFields;

  for (const RangeForm& form : kRangeForms) {
    if (form.fieldCount != count) continue;
    const int32_t outcome = ReadRangeForm(separators, form, fields, start, end);
    if (outcome < 0) continue;
    if (outcome == 0) break;
    CopyRangeText(prefix, RangeAffix(fields, form.prefixAt));
    CopyRangeText(suffix, RangeAffix(fields, form.suffixAt));
    return true;
  }
  return FailRange(prefix, suffix, start, end);
}
