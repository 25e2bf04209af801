#include "DateLists.h"

#include <cstring>

#include "ListBuilder.h"
#include "datetime/Calendar.h"
#include "datetime/Formatting.h"
#include "datetime/Parsing.h"
#include "host/ResultWriters.h"
#include "prefs/record/DateTimePrefsRecord.h"
#include "text/Decimal.h"

const char* const MonthAbbreviations[13] = {"---", "JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                            "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};

namespace {

constexpr int64_t kMinutesPerDay = kMinutesPerHour * kHoursPerDay;

// MonthAbbreviations one after another, the field table of the month-name
// lists: month m's name is kMonthNames + 3 * m.
constexpr char kMonthNames[] = "---JANFEBMARAPRMAYJUNJULAUGSEPOCTNOVDEC";

// What a kept clock end holds: a clock value (under 32 characters) and a
// suffix as long as the range readings keep (kRangeTextCapacity).
constexpr int32_t kClockValueLimit = 32;
constexpr int32_t kSuffixLimit = kRangeTextCapacity;

// Estimated item widths from the current preferences.
int64_t DateTextWidth(const DateTimePrefsRecord& prefs) {
  switch (prefs.dateFormat) {
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
bool BeginDateList(const DateTimePrefsRecord& prefs, ListBuilder* list, int64_t estimate, int32_t startYear) {
  const int32_t format = prefs.dateFormat;
  const bool twoDigitYear = format == kDateMMDDYY || format == kDateDDMMYY || format == kDateYYMMDD;
  if (twoDigitYear && startYear < kYear1900) return list->BeginAside(estimate, kResultSizeLimit - 1);
  return list->BeginInHandle(estimate);
}
int64_t TimeTextWidth(const DateTimePrefsRecord& prefs) { return prefs.timeFormat == kTime12Hour ? 8 : 5; }
int64_t HourTextWidth(const DateTimePrefsRecord& prefs) {
  return prefs.timeFormat == kTime12Hour || prefs.timeFormat == kTimeHost ? 5 : 2;
}
int64_t ClockTextWidth(const DateTimePrefsRecord& prefs, bool hourOnly) {
  return hourOnly ? HourTextWidth(prefs) : TimeTextWidth(prefs);
}

// A range that ends before its first item has no item: its list is the
// empty text, written as that. Sized for the item the count still promises
// and cut back at the end, the list would stand as bytes never written
// whenever the host refused the cut.
void WriteNoItems(const DateTimePrefsRecord& prefs, HostHandle result, int64_t estimate) {
  if (!CheckResultOverflow(estimate, result, prefs)) WriteHandleBytes(result, "", 0);
}

int64_t InPlaceEstimate(int64_t width, const char* prefix, const char* suffix, int64_t count) {
  return (kSeparatorLength + width + TextLength(prefix) + TextLength(suffix)) * count -
         kSeparatorLength;
}

// The day after year/month/day: months and years carry.
void NextDay(int32_t* year, int32_t* month, int32_t* day) {
  if (++*day <= DaysInMonth(*month, *year)) return;
  *day = 1;
  if (++*month > 12) {
    *month = 1;
    ++*year;
  }
}

// How many items of a list that steps by `minuteStep` fall within the hour
// from `minute` on, of the `left` still to come: one when the step is an
// hour or more (minuteStep 0).
int64_t ItemsInHour(int64_t minute, int32_t minuteStep, int64_t left) {
  constexpr int64_t kLastMinute = kMinutesPerHour - 1;
  if (minuteStep <= 0 || minute < 0 || minute > kLastMinute) return 1;
  const int64_t items = (kLastMinute - minute) / minuteStep + 1;
  return items < left ? items : left;
}

// The items of the clock lists: a front ([CR] + prefix, and the date and a
// space in a list of date-times), then the clock value and the suffix. An
// item is put together as the front and the hour's end, the minute patched;
// the items of one hour differ only in the minute, the field of one run. A
// list longer than a day's hours comes back to its hours, and keeps each
// hour's end; a shorter one writes every end where it goes. The hour alone
// and the host's seconds of the day hold no minute field: their ends are
// written for each minute.
class ClockItem {
 public:
  // `items`: how many the list holds.
  ClockItem(const DateTimePrefsRecord& prefs, const char* suffix, bool hourOnly, int64_t items)
      : prefs_(prefs), hourOnly_(hourOnly), keepsEnds_(items > kHoursPerDay) {
    const int64_t length = TextLength(suffix);
    suffixLength_ = static_cast<int32_t>(length < kSuffixLimit ? length : kSuffixLimit);
    std::memcpy(suffix_, suffix, static_cast<size_t>(suffixLength_));
  }

  // The front of the items that follow: CR and the prefix, then the date
  // and a space when `withDate`.
  void SetFront(const char* prefix, bool withDate, int32_t year, int32_t month, int32_t day) {
    item_.SetFront(ListSeparator);
    item_.Put(prefix, static_cast<int32_t>(std::strlen(prefix)));
    if (withDate) {
      item_.length += FormatDateValue(prefs_, item_.text + item_.length, year, month, day);
      item_.Put(' ');
    }
    item_.front = item_.length;
  }

  // Appends `count` items of `hour`, from `minute` on by `minuteStep`, all
  // within the hour; the list's first item without its CR when `first`.
  // False when the list was refused.
  bool AppendHour(ListBuilder* list, int32_t hour, int32_t minute, int32_t minuteStep, int64_t count, bool first) {
    while (count > 0) {
      const int32_t minuteAt = PutEnd(hour, minute);
      const int32_t skip = first ? 1 : 0;
      char* const item = item_.text + skip;
      const int32_t length = item_.length - skip;
      const int64_t items = first || minuteAt < 0 ? 1 : count;
      const bool added = items == 1 ? list->Append(item, length)
                                    : list->AppendRun(ItemRun{item, length, minuteAt - skip, 2, kDecimalPairs,
                                                              minute, minuteStep, items});
      if (!added) return false;
      count -= items;
      minute += static_cast<int32_t>(items) * minuteStep;
      first = false;
    }
    return true;
  }

 private:
  struct ClockEnd {
    char text[kClockValueLimit + kSuffixLimit + kFixedCopyLength];
    int32_t length;
    int32_t minuteAt;  // where the minute's digits stand; -1: none
    int32_t minute;    // the minute it holds
  };

  // Puts the clock value and suffix of hour:minute after the front; answers
  // where the minute's digits stand in the item, or -1.
  int32_t PutEnd(int32_t hour, int32_t minute) {
    char* at = item_.text + item_.front;
    if (!keepsEnds_ || hour < 0 || hour >= kHoursPerDay || minute < 0 || minute >= kMinutesPerHour) {
      int32_t minuteAt;
      item_.length = item_.front + FormatClockValue(prefs_, at, hour, minute, hourOnly_, &minuteAt);
      item_.Put(suffix_, suffixLength_);
      return minuteAt < 0 ? -1 : item_.front + minuteAt;
    }
    const ClockEnd& end = EndOf(hour, minute);
    if (end.length <= kFixedCopyLength) std::memcpy(at, end.text, kFixedCopyLength);
    else std::memcpy(at, end.text, static_cast<size_t>(end.length));
    item_.length = item_.front + end.length;
    if (end.minuteAt < 0) return -1;
    if (end.minute != minute) {
      at[end.minuteAt] = kDecimalPairs[minute * 2];
      at[end.minuteAt + 1] = kDecimalPairs[minute * 2 + 1];
    }
    return item_.front + end.minuteAt;
  }

  // The kept end of hour 0..23: written once with a minute field, the
  // minute then patched where it goes, or anew for each minute without one.
  const ClockEnd& EndOf(int32_t hour, int32_t minute) {
    ClockEnd& end = ends_[hour];
    const bool written = (written_ >> hour & 1u) != 0;
    if (written && (end.minuteAt >= 0 || end.minute == minute)) return end;
    char clock[kFormattedTextSize];
    int32_t length = FormatClockValue(prefs_, clock, hour, minute, hourOnly_, &end.minuteAt);
    if (length > kClockValueLimit) length = kClockValueLimit;  // a clock of the day is under 10 characters
    std::memcpy(end.text, clock, kClockValueLimit);
    std::memcpy(end.text + length, suffix_, kSuffixLimit);
    end.length = length + suffixLength_;
    end.minute = minute;
    written_ |= 1u << hour;
    return end;
  }

  const DateTimePrefsRecord& prefs_;
  ListItem item_;
  ClockEnd ends_[kHoursPerDay];     // by hour of the day, in a list that keeps them
  uint32_t written_ = 0;  // bit h: ends_[h] is written
  char suffix_[kSuffixLimit] = {};
  int32_t suffixLength_;
  bool hourOnly_;
  bool keepsEnds_;
};

// The step within the hour that the clock lists patch minutes by: 0 for
// steps of an hour or more, and for steps that go back.
int32_t MinuteStep(int64_t step) { return step > 0 && step < kMinutesPerHour ? static_cast<int32_t>(step) : 0; }

void WriteClockList(const DateTimePrefsRecord& prefs, HostHandle result, const char* prefix, const char* suffix,
                    int32_t startHour, int32_t startMinute, int32_t endHour, int32_t endMinute, int64_t step,
                    bool startAfterEnd, bool hoursOnly) {
  if (step == 0) {  // no list advances by nothing
    WriteErrorResult(result);
    return;
  }
  const int64_t hours = static_cast<int64_t>(endHour - startHour) + (startAfterEnd ? kHoursPerDay : 0);
  const int64_t span = hours * kMinutesPerHour + (endMinute - startMinute);
  const int64_t start = static_cast<int64_t>(startHour) * kMinutesPerHour + startMinute;
  int64_t count = span / step + 1;
  const int64_t width = ClockTextWidth(prefs, hoursOnly);
  if (span < 0) {
    WriteNoItems(prefs, result, InPlaceEstimate(width, prefix, suffix, count));
    return;
  }
  ListBuilder list(result, prefs);
  if (!list.BeginInHandle(InPlaceEstimate(width, prefix, suffix, count))) return;
  ClockItem item(prefs, suffix, hoursOnly, count);
  item.SetFront(prefix, false, 0, 0, 0);
  const int32_t minuteStep = MinuteStep(step);
  // The minute of the day moves on by the step less whole days.
  const int64_t stepInDay = ((step % kMinutesPerDay) + kMinutesPerDay) % kMinutesPerDay;
  int64_t minuteOfDay = ((start % kMinutesPerDay) + kMinutesPerDay) % kMinutesPerDay;
  for (bool first = true; count > 0; first = false) {
    const int32_t hour = static_cast<int32_t>(minuteOfDay / kMinutesPerHour);
    const int32_t minute = static_cast<int32_t>(minuteOfDay - hour * kMinutesPerHour);
    const int64_t items = ItemsInHour(minute, minuteStep, count);
    if (!item.AppendHour(&list, hour, minute, minuteStep, items, first)) return;
    count -= items;
    // Less than a day on: a run's steps stay within its hour, a single step within a day.
    minuteOfDay += items * stepInDay;
    if (minuteOfDay >= kMinutesPerDay) minuteOfDay -= kMinutesPerDay;
  }
  list.Finish();
}

}  // namespace

void WriteTimeList(const DateTimePrefsRecord& prefs, HostHandle result, const char* prefix, const char* suffix,
                   int32_t startHour, int32_t startMinute, int32_t endHour, int32_t endMinute, int64_t step,
                   bool startAfterEnd) {
  WriteClockList(prefs, result, prefix, suffix, startHour, startMinute, endHour, endMinute, step,
                 startAfterEnd, false);
}

void WriteHourList(const DateTimePrefsRecord& prefs, HostHandle result, const char* prefix, const char* suffix,
                   int32_t startHour, int32_t startMinute, int32_t endHour, int32_t endMinute, int64_t step,
                   bool startAfterEnd) {
  WriteClockList(prefs, result, prefix, suffix, startHour, startMinute, endHour, endMinute, step,
                 startAfterEnd, true);
}

namespace {

// A date and a time of day whose minute may run past 59: the minutes carry
// into hours, the hours into days. Whole days first, so a step of many days
// costs one pass per day, not per hour.
struct ListClock {
  int32_t year, month, day, hour;
  int64_t minute;

  // True when the day moved on.
  bool Carry() {
    bool nextDay = false;
    while (minute >= kMinutesPerHour) {
      if (minute >= kMinutesPerDay && hour == 0) {
        minute -= kMinutesPerDay;
        NextDay(&year, &month, &day);
        nextDay = true;
        continue;
      }
      minute -= kMinutesPerHour;
      if (++hour >= kHoursPerDay) {
        hour -= kHoursPerDay;
        NextDay(&year, &month, &day);
        nextDay = true;
      }
    }
    return nextDay;
  }
};

}  // namespace

void WriteDateTimeList(const DateTimePrefsRecord& prefs, HostHandle result, const char* prefix, const char* suffix,
                       const TimeStampParts& start, int64_t step, int64_t totalSeconds, bool hourOnly) {
  if (step == 0) {
    WriteErrorResult(result);
    return;
  }
  const int64_t totalMinutes = totalSeconds / kSecondsPerMinute;
  int64_t count = totalMinutes / step + 1;
  const int64_t width = ClockTextWidth(prefs, hourOnly) + DateTextWidth(prefs) + 1;
  if (totalMinutes < 0) {
    WriteNoItems(prefs, result, InPlaceEstimate(width, prefix, suffix, count));
    return;
  }
  ListBuilder list(result, prefs);
  if (!BeginDateList(prefs, &list, InPlaceEstimate(width, prefix, suffix, count), start.year)) return;
  ClockItem item(prefs, suffix, hourOnly, count);
  const int32_t minuteStep = MinuteStep(step);
  ListClock clock{start.year, start.month, start.day, start.hour, start.minute};
  for (bool first = true; count > 0; first = false) {
    if (clock.Carry() || first) item.SetFront(prefix, true, clock.year, clock.month, clock.day);
    const int64_t items = ItemsInHour(clock.minute, minuteStep, count);
    if (!item.AppendHour(&list, clock.hour, static_cast<int32_t>(clock.minute), minuteStep, items, first)) return;
    count -= items;
    clock.minute += items * step;
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
int32_t DayDigits(const DateTimePrefsRecord& prefs, int32_t day) { return day >= 10 || prefs.dateZeroPad != 0 ? 2 : 1; }

// The template of year/month/day: the item written in full, the CR before
// it, and where the day's digits stand. Prefix and suffix hold at most 64
// characters, so the item fits.
void MakeDayTemplate(const DateTimePrefsRecord& prefs, DayItemTemplate* item, int32_t year, int32_t month,
                     int32_t day, const char* prefix, const char* suffix) {
  const int32_t prefixLength = static_cast<int32_t>(std::strlen(prefix));
  const int32_t suffixLength = static_cast<int32_t>(std::strlen(suffix));
  char* at = item->text;
  *at++ = ListSeparator[0];
  std::memcpy(at, prefix, static_cast<size_t>(prefixLength));
  at += prefixLength;
  int32_t dayAt = -1;
  at += FormatDateValueWithDay(prefs, at, year, month, day, &dayAt);
  std::memcpy(at, suffix, static_cast<size_t>(suffixLength));
  at += suffixLength;
  *at = 0;
  item->length = static_cast<int32_t>(at - item->text);
  item->digits = DayDigits(prefs, day);
  // Patching writes the bytes formatting would, wherever the day's digits
  // stand; only a date written without them (the host's day number) has none.
  item->digitsAt = dayAt >= 0 ? 1 + prefixLength + dayAt : -1;
}

// Appends the days of year/month from `day` on, at most `left` of them,
// that are written with as many digits as `day`: one run of the template.
// Answers how many, or 0 when the list was refused.
int64_t AppendDays(ListBuilder* list, DayItemTemplate* item, int32_t year, int32_t month, int32_t day,
                   int64_t left) {
  if (item->digitsAt < 0) return list->Append(item->text, item->length) ? 1 : 0;
  const int32_t last = DaysInMonth(month, year);
  const int32_t runEnd = item->digits == 1 && last > 9 ? 9 : last;  // a one-digit day's run ends at 9
  int64_t days = runEnd - day + 1;
  if (days > left) days = left;
  if (days < 1) days = 1;  // a day past its month's end, which the day after carries
  const char* table = item->digits == 2 ? kDecimalPairs : kDigitTable;
  const ItemRun run{item->text, item->length, item->digitsAt, item->digits, table, day, 1, days};
  return list->AppendRun(run) ? days : 0;
}

}  // namespace

void WriteDayList(const DateTimePrefsRecord& prefs, HostHandle result, const char* prefix, const char* suffix,
                  int32_t year, int32_t month, int32_t day, int64_t count) {
  ListBuilder list(result, prefs);
  if (!BeginDateList(prefs, &list, InPlaceEstimate(DateTextWidth(prefs), prefix, suffix, count), year)) return;
  if (count > 0) {
    char first[kFormattedTextSize];
    if (!list.Append(first, FormatDateText(prefs, first, year, month, day, prefix, suffix, false))) return;
  }
  DayItemTemplate item;
  for (int64_t left = count - 1; left > 0;) {
    NextDay(&year, &month, &day);
    MakeDayTemplate(prefs, &item, year, month, day, prefix, suffix);
    const int64_t days = AppendDays(&list, &item, year, month, day, left);
    if (days == 0) return;
    left -= days;
    day += static_cast<int32_t>(days - 1);
  }
  list.Finish();
}

void WriteMonthList(const DateTimePrefsRecord& prefs, HostHandle result, const char* prefix, const char* suffix,
                    int32_t startYear, int32_t startMonth, int32_t endYear, int32_t endMonth, bool names) {
  if (endYear < startYear || startMonth < 0 || startMonth > 12) return;  // the readings give months 0..12
  const int64_t count =
      (static_cast<int64_t>(endYear) - startYear) * 12 + (endMonth - startMonth) + 1;
  if (count < 1) return;
  const int64_t size =
      (TextLength(suffix) + TextLength(prefix) + 7 + (names ? 1 : 0) + kSeparatorLength) * count + 1;
  ListBuilder list(result, prefs);
  if (!list.BeginAside(size, size - 1)) return;
  // Prefix and suffix hold at most 64 characters each: every item fits.
  // The item is [prefix][month]/[year][suffix][CR]: the months of one year
  // are one run, the year counts on in place.
  const int32_t monthWidth = names ? 3 : 2;
  ItemCounter year(prefix, suffix, monthWidth + 1, startYear, 1, 0);
  const int32_t monthAt = year.item.front;
  year.item.text[monthAt + monthWidth] = '/';
  const char* table = names ? kMonthNames : kDecimalPairs;
  for (int64_t left = count, month = startMonth; left > 0; month = 1) {
    const int64_t months = 13 - month < left ? 13 - month : left;  // month 0 too, as "00" or "---"
    if (!list.AppendRun(ItemRun{year.item.text, year.item.length, monthAt, monthWidth, table,
                                static_cast<int32_t>(month), 1, months})) {
      return;
    }
    left -= months;
    year.Advance();
  }
  list.Finish();
}

void WriteYearList(const DateTimePrefsRecord& prefs, HostHandle result, const char* prefix, const char* suffix,
                   int32_t startYear, int32_t endYear) {
  if (endYear < startYear) return;
  const int64_t count = static_cast<int64_t>(endYear) - startYear + 1;
  const int64_t size = (TextLength(suffix) + TextLength(prefix) + 4 + kSeparatorLength) * count + 1;
  ListBuilder list(result, prefs);
  if (!list.BeginAside(size, size - 1)) return;
  ItemCounter year(prefix, suffix, 0, startYear, 1, 0);
  if (!AppendCountedItems(&list, &year, count)) return;
  list.Finish();
}
