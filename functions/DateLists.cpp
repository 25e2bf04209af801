#include "DateLists.h"

#include <cstring>
#include <memory>
#include <new>

#include "ListBuilder.h"
#include "datetime/Calendar.h"
#include "datetime/Formatting.h"
#include "host/ResultWriters.h"
#include "prefs/DateTimePrefs.h"
#include "text/DecimalCounter.h"
#include "text/TextCursor.h"

const char* const MonthAbbreviations[13] = {"---", "JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                            "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};

namespace {

constexpr int64_t kMinutesPerDay = 1440;

// Estimated item widths from the current preferences.
int64_t DateTextWidth() {
  switch (DateTimePrefs.dateFormat) {
    case kDateMMDDYY:
    case kDateDDMMYY:
    case kDateYYMMDD: return 8;
    case kDateHost: return 7;
    default: return 10;
  }
}
// A list of dates from startYear on goes into the handle, unless its items
// can be longer than the estimate allows for: two-digit year orders write
// years before 1900 in full, so such a list is collected aside.
bool BeginDateList(ListBuilder* list, int64_t estimate, int32_t startYear) {
  const int32_t format = DateTimePrefs.dateFormat;
  const bool twoDigitYear = format == kDateMMDDYY || format == kDateDDMMYY || format == kDateYYMMDD;
  if (twoDigitYear && startYear < 1900) return list->BeginAside(estimate, kResultSizeLimit - 1);
  return list->BeginInHandle(estimate);
}
int64_t TimeTextWidth() { return DateTimePrefs.timeFormat == kTime12Hour ? 8 : 5; }
int64_t HourTextWidth() {
  return DateTimePrefs.timeFormat == kTime12Hour || DateTimePrefs.timeFormat == kTimeHost ? 5 : 2;
}

// A range that ends before its first item has no item: its list is the
// empty text, written as that. Sized for the item the count still promises
// and cut back at the end, the list would stand as bytes never written
// whenever the host refused the cut.
void WriteNoItems(HostHandle result, int64_t estimate) {
  if (!CheckResultOverflow(estimate)) WriteHandleBytes(result, "", 0);
}

int64_t InPlaceEstimate(int64_t width, const char* prefix, const char* suffix, int64_t count) {
  return (kSeparatorLength + width + TextLength(prefix) + TextLength(suffix)) * count -
         kSeparatorLength;
}

// The day after year/month/day: leap-year February has 29 days, months and
// years carry.
void NextDay(int32_t* year, int32_t* month, int32_t* day, bool* leap) {
  ++*day;
  const int32_t last = (*month == 2 && *leap) ? 29 : MonthLengths[*month];
  if (*day <= last) return;
  *day = 1;
  if (++*month > 12) {
    *month = 1;
    ++*year;
    *leap = IsLeapYear(*year);
  }
}

// A minute written with both digits different: 00..59 <-> 11..59, 00..10.
int32_t ProbeMinute(int32_t minute) { return (minute + 11) % 60; }

// The items of the clock lists: a front ([CR] + prefix, and the date and a
// space in a list of date-times), the clock value and the suffix. The front
// is written once and stays while the clock values change after it. Within
// one hour of one front, the items of a minute list differ only in the
// minute's two digits, which are patched in place: where they stand is found
// by writing the clock value once more with another minute. The host's
// seconds of the day change in other digits too and are always written in full.
class ClockItem {
 public:
  // `items`: how many the list holds; a list longer than a day's hours keeps
  // the clock values it writes.
  ClockItem(const char* suffix, bool hourOnly, bool patchMinutes, int64_t items)
      : ends_(items > 24 ? new (std::nothrow) ClockEnd[24] : nullptr),
        suffix_(suffix),
        suffixLength_(static_cast<int32_t>(std::strlen(suffix))),
        hourOnly_(hourOnly),
        patchMinutes_(patchMinutes && !hourOnly && DateTimePrefs.timeFormat != kTimeHost) {}

  // The front of the items that follow: CR and the prefix, then the date
  // and a space when `withDate`.
  void SetFront(const char* prefix, bool withDate, int32_t year, int32_t month, int32_t day) {
    item_.SetFront(ListSeparator);
    item_.Put(prefix, static_cast<int32_t>(std::strlen(prefix)));
    if (withDate) {
      item_.length += FormatDateValue(item_.text + item_.length, year, month, day);
      item_.Put(' ');
    }
    item_.front = item_.length;
    hour_ = -1;
  }

  // Appends the item of hour:minute, without the CR when `first`; false when
  // the list was refused.
  bool Append(ListBuilder* list, int32_t hour, int32_t minute, bool first) {
    const int32_t skip = first ? 1 : 0;
    if (hour == hour_) {
      // Into the copy where it can be, else into the item before it goes.
      char* at = list->AppendShort(item_.text + skip, item_.length - skip);
      char* digits = at != nullptr ? at - skip + minuteAt_ : item_.text + minuteAt_;
      digits[0] = kDecimalPairs[minute * 2];
      digits[1] = kDecimalPairs[minute * 2 + 1];
      if (at != nullptr) return true;
    } else {
      if (!patchMinutes_ && KeepsEnd(hour)) {
        // The front and the kept clock end go straight into the list, as two
        // fixed copies, where both are short and the list has the room.
        const ClockEnd& end = EndOf(hour, minute);
        const int32_t frontLength = item_.front - skip;
        char* at = frontLength <= 32 && end.length <= 32 ? list->Room(frontLength + 32) : nullptr;
        if (at != nullptr) {
          std::memcpy(at, item_.text + skip, 32);
          std::memcpy(at + frontLength, end.text, 32);
          list->Wrote(frontLength + end.length);
          return true;
        }
      }
      item_.Next();
      const int32_t n = PutClock(hour, minute);
      if (patchMinutes_) FindMinute(hour, minute, n);
    }
    return list->Append(item_.text + skip, item_.length - skip);
  }

 private:
  // The clock value and suffix of one hour of the day at one minute, kept
  // because lists of many days, or of hour steps, come back to them.
  struct ClockEnd {
    char text[128];  // a clock value (under 32 characters), a suffix of at most 64, copied as 32 bytes when short
    int32_t clockLength;
    int32_t length;
    int32_t minute = -1;  // -1: not yet written
  };

  // Whether the clock end of `hour` is kept: not in short lists, nor for
  // hours that are not a list's, nor with a suffix longer than an end holds.
  bool KeepsEnd(int32_t hour) const { return ends_ != nullptr && hour >= 0 && hour <= 23 && suffixLength_ <= 64; }

  // The kept clock value and suffix of hour:minute, written when the hour's
  // holds another minute. hour is 0..23, the suffix at most 64 characters.
  const ClockEnd& EndOf(int32_t hour, int32_t minute) {
    ClockEnd& end = ends_.get()[hour];
    if (end.minute != minute) {
      char clock[kFormattedTextSize];
      end.clockLength = FormatClockValue(clock, hour, minute, hourOnly_);
      std::memcpy(end.text, clock, 32);
      std::memcpy(end.text + end.clockLength, suffix_, static_cast<size_t>(suffixLength_));
      end.length = end.clockLength + suffixLength_;
      end.minute = minute;
    }
    return end;
  }

  // Writes the clock value and the suffix after the front; answers the
  // clock value's length.
  int32_t PutClock(int32_t hour, int32_t minute) {
    char* at = item_.text + item_.front;
    if (!KeepsEnd(hour)) {
      const int32_t n = FormatClockValue(at, hour, minute, hourOnly_);
      item_.length += n;
      item_.Put(suffix_, suffixLength_);
      return n;
    }
    const ClockEnd& end = EndOf(hour, minute);
    if (end.length <= 32) std::memcpy(at, end.text, 32);
    else std::memcpy(at, end.text, static_cast<size_t>(end.length));
    item_.length += end.length;
    return end.clockLength;
  }

  // Finds the minute's digits in the clock value just written, n characters.
  void FindMinute(int32_t hour, int32_t minute, int32_t n) {
    hour_ = -1;
    char probe[kFormattedTextSize];
    if (FormatClockValue(probe, hour, ProbeMinute(minute), false) != n) return;
    const char* clock = item_.text + item_.front;
    int32_t first = 0;
    while (first < n && probe[first] == clock[first]) ++first;
    int32_t last = n - 1;
    while (last > first && probe[last] == clock[last]) --last;
    if (last - first != 1) return;
    minuteAt_ = item_.front + first;
    hour_ = hour;
  }

  ListItem item_;
  std::unique_ptr<ClockEnd[]> ends_;  // by hour; none for a short list, or when memory is short
  const char* suffix_;
  int32_t suffixLength_;
  bool hourOnly_;
  bool patchMinutes_;
  int32_t hour_ = -1;  // the hour whose minute is patched at minuteAt_; -1: none
  int32_t minuteAt_ = 0;
};

void WriteClockList(HostHandle result, const char* prefix, const char* suffix, int32_t h1,
                    int32_t m1, int32_t h2, int32_t m2, int64_t step, bool startAfterEnd,
                    bool hoursOnly) {
  if (step == 0) {  // no list advances by nothing
    WriteErrorResult();
    return;
  }
  const int64_t span = (static_cast<int64_t>(h2 - h1) + (startAfterEnd ? 24 : 0)) * 60 + (m2 - m1);
  const int64_t start = static_cast<int64_t>(h1) * 60 + m1;
  const int64_t end = start + span;
  int64_t count = span / step + 1;
  const int64_t width = hoursOnly ? HourTextWidth() : TimeTextWidth();
  if (span < 0) {
    WriteNoItems(result, InPlaceEstimate(width, prefix, suffix, count));
    return;
  }
  ListBuilder list(result);
  if (!list.BeginInHandle(InPlaceEstimate(width, prefix, suffix, count))) return;
  ClockItem item(suffix, hoursOnly, step < 60, count);
  item.SetFront(prefix, false, 0, 0, 0);
  bool first = true;
  // The minute of the day moves on by the step less whole days.
  const int32_t stepInDay = static_cast<int32_t>(((step % kMinutesPerDay) + kMinutesPerDay) % kMinutesPerDay);
  int32_t d = static_cast<int32_t>(((start % kMinutesPerDay) + kMinutesPerDay) % kMinutesPerDay);
  for (int64_t t = start; t <= end && count > 0; t += step, --count) {
    if (!item.Append(&list, d / 60, d % 60, first)) return;
    first = false;
    d += stepInDay;
    if (d >= kMinutesPerDay) d -= kMinutesPerDay;
  }
  list.Finish();
}

}  // namespace

void WriteTimeList(HostHandle result, const char* prefix, const char* suffix, int32_t startHour,
                   int32_t startMinute, int32_t endHour, int32_t endMinute, int64_t step,
                   bool startAfterEnd) {
  WriteClockList(result, prefix, suffix, startHour, startMinute, endHour, endMinute, step,
                 startAfterEnd, false);
}

void WriteHourList(HostHandle result, const char* prefix, const char* suffix, int32_t startHour,
                   int32_t startMinute, int32_t endHour, int32_t endMinute, int64_t step,
                   bool startAfterEnd) {
  WriteClockList(result, prefix, suffix, startHour, startMinute, endHour, endMinute, step,
                 startAfterEnd, true);
}

void WriteDateTimeList(HostHandle result, const char* prefix, const char* suffix, int32_t year,
                       int32_t month, int32_t day, int32_t hour, int32_t minute, int64_t step,
                       int64_t totalSeconds, bool hourOnly) {
  if (step == 0) {
    WriteErrorResult();
    return;
  }
  const int64_t totalMinutes = totalSeconds / 60;
  int64_t count = totalMinutes / step + 1;
  const int64_t width = (hourOnly ? HourTextWidth() : TimeTextWidth()) + DateTextWidth() + 1;
  if (totalMinutes < 0) {
    WriteNoItems(result, InPlaceEstimate(width, prefix, suffix, count));
    return;
  }
  ListBuilder list(result);
  if (!BeginDateList(&list, InPlaceEstimate(width, prefix, suffix, count), year)) return;
  bool leap = IsLeapYear(year);
  int64_t running = minute - step;
  ClockItem item(suffix, hourOnly, step < 60, count);
  int32_t frontDay = -1;  // the day the front holds: ((year * 13) + month) * 32 + day
  bool first = true;
  for (int64_t elapsed = 0; elapsed <= totalMinutes && count > 0; elapsed += step, --count) {
    running += step;
    // Whole days first, so a step of many days costs one loop per day, not per hour.
    while (running > 59) {
      if (running >= kMinutesPerDay && hour == 0) {
        running -= kMinutesPerDay;
        NextDay(&year, &month, &day, &leap);
        continue;
      }
      running -= 60;
      if (++hour > 23) {
        hour -= 24;
        NextDay(&year, &month, &day, &leap);
      }
    }
    const int32_t key = (year * 13 + month) * 32 + day;
    if (key != frontDay) {
      item.SetFront(prefix, true, year, month, day);
      frontDay = key;
    }
    if (!item.Append(&list, hour, static_cast<int32_t>(running), first)) return;
    first = false;
  }
  list.Finish();
}

namespace {

// The items of a day list within one month differ only in the digits of the
// day. DayItemTemplate formats one item and finds where those digits stand,
// so that the following days of the month are that item with the digits
// patched; it is made anew whenever the month or the day's number of digits
// changes. Host day numbers change in other digits too and are always
// formatted in full.
struct DayItemTemplate {
  char text[kFormattedTextSize];
  int32_t length = 0;
  int32_t digitsAt = -1;  // where the day's digits start; -1: no template
  int32_t digits = 0;     // 1 or 2
};

// The digits the day is written with: two when padded or from 10 on.
int32_t DayDigits(int32_t day) { return day >= 10 || DateTimePrefs.dateZeroPad != 0 ? 2 : 1; }

// The template of year/month/day: the item written in full, the CR before
// it, and where the day's digits stand. Prefix and suffix hold at most 64
// characters, so the item fits.
void MakeDayTemplate(DayItemTemplate* t, int32_t year, int32_t month, int32_t day, const char* prefix,
                     const char* suffix) {
  const int32_t prefixLength = static_cast<int32_t>(std::strlen(prefix));
  const int32_t suffixLength = static_cast<int32_t>(std::strlen(suffix));
  char* p = t->text;
  *p++ = ListSeparator[0];
  std::memcpy(p, prefix, static_cast<size_t>(prefixLength));
  p += prefixLength;
  int32_t dayAt = -1;
  p += FormatDateValueWithDay(p, year, month, day, &dayAt);
  std::memcpy(p, suffix, static_cast<size_t>(suffixLength));
  p += suffixLength;
  *p = 0;
  t->length = static_cast<int32_t>(p - t->text);
  t->digits = DayDigits(day);
  const bool patchable = dayAt >= 0 && day >= 1 && day <= 31 && month >= 1 && month <= 12;
  t->digitsAt = patchable ? 1 + prefixLength + dayAt : -1;
}

}  // namespace

void WriteDayList(HostHandle result, const char* prefix, const char* suffix, int32_t year,
                  int32_t month, int32_t day, int64_t count) {
  ListBuilder list(result);
  if (!BeginDateList(&list, InPlaceEstimate(DateTextWidth(), prefix, suffix, count), year)) return;
  bool leap = IsLeapYear(year);
  char first[kFormattedTextSize];
  DayItemTemplate t;
  for (int64_t i = 0; i < count;) {
    if (i == 0) {
      const int32_t n = FormatDateText(first, year, month, day, prefix, suffix, false);
      if (!list.Append(first, n)) return;
    } else {
      // A run of days with the same month and number of digits: one template,
      // then only the digits change.
      MakeDayTemplate(&t, year, month, day, prefix, suffix);
      if (!list.Append(t.text, t.length)) return;
      if (t.digitsAt >= 0) {
        // The run ends with the month, or where a one-digit day reaches 10.
        const int32_t last = (month == 2 && leap) ? 29 : MonthLengths[month];
        const int32_t runEnd = t.digits == 1 && last > 9 ? 9 : last;
        const int64_t left = count - 1 - i;
        const int64_t run = runEnd - day < left ? runEnd - day : left;
        char* tens = t.text + t.digitsAt;
        char* ones = tens + t.digits - 1;
        char* out = list.RoomForShortItems(run, t.length);
        if (out != nullptr) {
          // The template stays as it is and the digits are patched in the
          // copies: a wide read of bytes just stored one by one would stall.
          char tensDigit = *tens, onesDigit = *ones;
          const int32_t onesAt = t.digitsAt + t.digits - 1;
          for (int64_t k = 0; k < run; ++k) {
            if (++onesDigit > '9') {  // only two-digit days carry
              onesDigit = '0';
              ++tensDigit;
            }
            std::memcpy(out, t.text, 32);
            out[t.digitsAt] = tensDigit;
            out[onesAt] = onesDigit;
            out += t.length;
          }
          list.Wrote(run * t.length);
        } else {
          for (int64_t k = 0; k < run; ++k) {
            if (++*ones > '9') {
              *ones = '0';
              ++*tens;
            }
            if (!list.Append(t.text, t.length)) return;
          }
        }
        if (run > 0) {
          i += run;
          day += static_cast<int32_t>(run);
        }
      }
    }
    ++i;
    NextDay(&year, &month, &day, &leap);
  }
  list.Finish();
}

void WriteMonthList(HostHandle result, const char* prefix, const char* suffix, int32_t startYear,
                    int32_t startMonth, int32_t endYear, int32_t endMonth, bool names) {
  if (endYear < startYear) return;
  const int64_t count =
      (static_cast<int64_t>(endYear) - startYear) * 12 + (endMonth - startMonth) + 1;
  if (count < 1) return;
  const int64_t size =
      (TextLength(suffix) + TextLength(prefix) + 7 + (names ? 1 : 0) + kSeparatorLength) * count + 1;
  ListBuilder list(result);
  if (!list.BeginAside(size, size - 1)) return;
  // Prefix and suffix hold at most 64 characters each: every item fits.
  // The item is [prefix][month]/[year][suffix][CR]: the month is written
  // anew for every item, the year counts on in place.
  const int32_t monthWidth = names ? 3 : 2;
  ItemCounter year(prefix, suffix, monthWidth + 1, startYear, 1, 0);
  char* monthAt = year.item.text + year.item.front;
  monthAt[monthWidth] = '/';
  int32_t month = startMonth;
  const int32_t monthOffset = static_cast<int32_t>(monthAt - year.item.text);
  for (int64_t i = 0; i < count; ++i) {
    // Into the copy where it can be, else into the item before it goes.
    char* at = list.AppendShort(year.item.text, year.item.length);
    char* to = at != nullptr ? at + monthOffset : monthAt;
    if (names) {
      std::memcpy(to, MonthAbbreviations[month], 3);
    } else {
      to[0] = kDecimalPairs[month * 2];
      to[1] = kDecimalPairs[month * 2 + 1];
    }
    if (at == nullptr && !list.Append(year.item.text, year.item.length)) return;
    if (++month > 12) {
      month = 1;
      year.Advance();
    }
  }
  list.Finish();
}

void WriteYearList(HostHandle result, const char* prefix, const char* suffix, int32_t startYear,
                   int32_t endYear) {
  if (endYear < startYear) return;
  const int64_t count = static_cast<int64_t>(endYear) - startYear + 1;
  const int64_t size = (TextLength(suffix) + TextLength(prefix) + 4 + kSeparatorLength) * count + 1;
  ListBuilder list(result);
  if (!list.BeginAside(size, size - 1)) return;
  ItemCounter year(prefix, suffix, 0, startYear, 1, 0);
  if (!AppendCountedItems(&list, &year, count)) return;
  list.Finish();
}
