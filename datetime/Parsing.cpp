#include "Parsing.h"

#include "Calendar.h"
#include "DigitGroups.h"
#include "prefs/DateTimePrefs.h"
#include "text/Decimal.h"
#include "text/VXString.h"

namespace {

constexpr int32_t kParameterLimit = KELV_RANGE_PARAMETER_LIMIT;
constexpr int32_t kLastDayNumber = KELV_LAST_DAY_NUMBER;

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
  int32_t n = 0;
  if (preference != 0) set[n++] = preference;
  if (fixed != 0) set[n++] = fixed;
  set[n] = 0;
}

bool FailTime(int32_t* hour, int32_t* minute, int32_t* second, int32_t* millisecond) {
  *hour = *minute = *second = *millisecond = 0;
  return false;
}

bool FailDate(int32_t* year, int32_t* month, int32_t* day) {
  *year = *month = *day = 0;
  return false;
}

// The first "am" or "pm" of text, ignoring case, within its first 255
// characters: *am or *pm points at it, the other stays NULL.
void FindFirstMarker(const char* text, const char** am, const char** pm) {
  constexpr int32_t kMarkerScanLimit = 255;
  for (int32_t i = 0; i + 1 < kMarkerScanLimit && text[i] != 0; ++i) {
    const unsigned char first = VXLowerCaseMap[static_cast<unsigned char>(text[i])];
    if ((first != 'a' && first != 'p') || VXLowerCaseMap[static_cast<unsigned char>(text[i + 1])] != 'm') continue;
    *(first == 'a' ? am : pm) = text + i;
    return;
  }
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
  if (value >= 86400) return FailTime(hour, minute, second, millisecond);
  *hour = value / 3600;
  *minute = value % 3600 / 60;
  *second = value % 60;
  *millisecond = 0;
  return true;
}

bool ParseTimeText(const char* text, int32_t* hour, int32_t* minute, int32_t* second,
                   int32_t* millisecond) {
  if (text == nullptr) return FailTime(hour, minute, second, millisecond);

  // The marker may stand anywhere in the first 255 characters, in either
  // case; when both occur the earlier one counts.
  const char* am = nullptr;
  const char* pm = nullptr;
  FindFirstMarker(text, &am, &pm);
  const bool hasMarker = am != nullptr || pm != nullptr;

  const char separator = activeTimeSeparator;
  bool separatorMark = false;
  bool fractionMark = false;
  int32_t accepted = 0;
  while (accepted < kTimeScanLimit) {
    char ch = text[accepted];
    char next = ch != 0 ? text[accepted + 1] : 0;
    if (IsDigit(ch)) {
    } else if (ch != 0 && ch == separator && IsDigit(next)) {
      separatorMark = true;
    } else if (ch == '.' && IsDigit(next)) {
      fractionMark = true;
    } else {
      break;
    }
    ++accepted;
  }

  if (separatorMark && accepted >= 3) {
    char seps[3];
    SeparatorSet(seps, separator, fractionMark ? '.' : 0);
    DigitGroups groups;
    ReadDigitGroups(text, accepted, seps, 4, &groups);
    const int32_t count = groups.count;
    const int32_t* numbers = groups.value;

    int32_t h = 0, m = 0, s = 0, ms = 0;
    bool read = true;
    if (fractionMark) {
      ms = FractionMilliseconds(numbers[count - 1], groups.length[count - 1]);
      int32_t before = count - 1;
      if (before == 1) {
        s = numbers[0];
      } else if (before == 2) {
        m = numbers[0];
        s = numbers[1];
      } else if (before == 3) {
        h = numbers[0];
        m = numbers[1];
        s = numbers[2];
      }
    } else if (count == 1) {
      s = numbers[0];
    } else if (count == 2) {
      int32_t first = numbers[0];
      if (first > 23 && !hasMarker) {
        m = first;
        s = numbers[1];
      } else {
        h = first;
        m = numbers[1];
      }
    } else if (count == 3) {
      h = numbers[0];
      m = numbers[1];
      s = numbers[2];
    } else {
      read = false;  // four numbers without a fraction have no reading
    }

    if (read && ms <= 999 && s <= 59 && m <= 59 && h <= 23) {
      if (pm != nullptr && h >= 1 && h <= 11) h += 12;
      *hour = h;
      *minute = m;
      *second = s;
      *millisecond = ms;
      return true;
    }
  }
  return ParseSecondsText(text, hour, minute, second, millisecond);
}

bool ParseDayNumberText(const char* text, int32_t* year, int32_t* month, int32_t* day) {
  if (text == nullptr || !AllDigits(text)) return FailDate(year, month, day);
  int32_t value = DigitValue(text);
  if (value > kLastDayNumber) return FailDate(year, month, day);
  DateFromDayNumber(value, year, month, day);
  return true;
}

bool ParseDateText(const char* text, int32_t* year, int32_t* month, int32_t* day) {
  if (text == nullptr) return FailDate(year, month, day);
  // Six characters at least, of the first ten, in three groups: a month, day
  // and year in some order.
  DigitGroups groups;
  if (ScanDateGroups(text, activeDateSeparator, &groups) >= 6 && groups.count == 3) {
    int32_t a = groups.value[0];
    int32_t b = groups.value[1];
    int32_t c = groups.value[2];
    int32_t y, m, d;
    if (a <= 12) {
      m = a, d = b, y = c;
    } else if (a <= 31) {
      d = a, m = b, y = c;
    } else if (b > 12) {
      y = a, d = b, m = c;
    } else {
      y = a, m = b, d = c;
    }
    bool valid = m <= 12 && d <= 31;
    if (y < 100) {
      y += y >= KELV_TWO_DIGIT_YEAR_PIVOT ? 1900 : 2000;
    } else if (y < KELV_FIRST_FOUR_DIGIT_YEAR || y > KELV_LAST_FOUR_DIGIT_YEAR) {
      valid = false;
    }
    if (valid) {
      *year = y;
      *month = m;
      *day = d;
      return true;
    }
  }
  return ParseDayNumberText(text, year, month, day);
}

namespace {

bool ReadDate(const char* field, TimeStampParts* stamp) {
  return ParseDateText(field, &stamp->year, &stamp->month, &stamp->day);
}

bool ReadTime(const char* field, TimeStampParts* stamp) {
  return ParseTimeText(field, &stamp->hour, &stamp->minute, &stamp->second, &stamp->millisecond);
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

bool ParseTimeRange(const char* parameter, int32_t length, char* prefix, char* suffix,
                    TimeStampParts* start, TimeStampParts* end, uint8_t* startAfterEnd) {
  char work[kParameterLimit + 1];
  char* f[5];
  int32_t count = SplitParameter(parameter, length, work, f, 5);
  ClearStamp(start);
  ClearStamp(end);
  *startAfterEnd = 0;
  const char* pre = nullptr;
  const char* post = nullptr;
  bool ok = false;
  if (count == 2) {
    ok = ReadTime(f[0], start) && ReadTime(f[1], end);
  } else if (count == 3) {
    if (ReadTime(f[0], start)) {
      ok = ReadTime(f[1], end);
      post = f[2];
    } else {
      ok = ReadTime(f[1], start) && ReadTime(f[2], end);
      pre = f[0];
    }
  } else if (count == 4) {
    ok = ReadTime(f[1], start) && ReadTime(f[2], end);
    pre = f[0];
    post = f[3];
  }
  if (!ok) return FailRange(prefix, suffix, start, end);
  CopyRangeText(prefix, pre);
  CopyRangeText(suffix, post);
  *startAfterEnd = TimeIsLater(*start, *end) ? 1 : 0;
  return true;
}

bool ParseTimeStampRange(const char* parameter, int32_t length, char* prefix, char* suffix,
                         TimeStampParts* start, TimeStampParts* end) {
  char work[kParameterLimit + 1];
  char* f[7];
  int32_t count = SplitParameter(parameter, length, work, f, 7);
  ClearStamp(start);
  ClearStamp(end);
  // Fields past the count are NULL, which every reading refuses.
  for (int32_t i = count; i < 7; ++i) f[i] = nullptr;

  const char* pre = nullptr;
  const char* post = nullptr;
  bool ok = false;
  switch (count) {
    case 0:
    case 1:
    case 2:
      if (ReadDate(f[0], start)) ok = ReadDate(f[1], end);
      else ok = ReadTime(f[0], start) && ReadTime(f[1], end);
      break;
    case 3:
      if (ReadDate(f[0], start)) {
        ok = ReadDate(f[1], end);
        post = f[2];
      } else if (ReadDate(f[1], start)) {
        ok = ReadDate(f[2], end);
        pre = f[0];
      } else if (ReadTime(f[0], start)) {
        ok = ReadTime(f[1], end);
        post = f[2];
      } else {
        ok = ReadTime(f[1], start) && ReadTime(f[2], end);
        pre = f[0];
      }
      break;
    case 4:
      if (ReadDate(f[0], start)) {
        ok = ReadTime(f[1], start) && ReadDate(f[2], end) && ReadTime(f[3], end);
      } else if (ReadTime(f[1], start)) {
        ok = ReadTime(f[2], end);
        pre = f[0];
        post = f[3];
      } else {
        ok = ReadDate(f[1], start) && ReadDate(f[2], end);
        pre = f[0];
        post = f[3];
      }
      break;
    case 5:
      if (ReadDate(f[0], start)) {
        ok = ReadTime(f[1], start) && ReadDate(f[2], end) && ReadTime(f[3], end);
        post = f[4];
      } else {
        ok = ReadDate(f[1], start) && ReadTime(f[2], start) && ReadDate(f[3], end) &&
             ReadTime(f[4], end);
        pre = f[0];
      }
      break;
    default:
      ok = ReadDate(f[1], start) && ReadTime(f[2], start) && ReadDate(f[3], end) &&
           ReadTime(f[4], end);
      pre = f[0];
      post = f[5];
      break;
  }
  if (!ok) return FailRange(prefix, suffix, start, end);
  CopyRangeText(prefix, pre);
  CopyRangeText(suffix, post);
  return true;
}
