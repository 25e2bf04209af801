#include "DateListFunctions.h"

#include "DateLists.h"
#include "RangeParameter.h"
#include "datetime/Calendar.h"
#include "datetime/TimeStamp.h"
#include "host/FunctionIds.h"
#include "host/ResultWriters.h"
#include "prefs/DateTimePrefs.h"

namespace {

int64_t HourStep() { return static_cast<int64_t>(DateTimePrefs.hourIncrement) * kMinutesPerHour; }

}  // namespace

void TimeListFunction(int32_t id, HostHandle parameter, HostHandle result) {
  RangeParameter r;
  if (!ReadRangeParameter(ActiveSeparators(), parameter, RangeKind::TimesOnly, &r)) return;
  const bool wraps = r.startAfterEnd != 0;
  if (id == kListMinutes) {
    WriteTimeList(DateTimePrefs, result, r.prefix, r.suffix, r.start.hour, r.start.minute, r.end.hour, r.end.minute,
                  DateTimePrefs.minuteIncrement, wraps);
  } else if (id == kListHoursMinutes) {
    WriteTimeList(DateTimePrefs, result, r.prefix, r.suffix, r.start.hour, r.start.minute, r.end.hour, r.end.minute,
                  HourStep(), wraps);
  } else {
    WriteHourList(DateTimePrefs, result, r.prefix, r.suffix, r.start.hour, r.start.minute, r.end.hour, r.end.minute,
                  HourStep(), wraps);
  }
}

void DateListFunction(int32_t id, HostHandle parameter, HostHandle result) {
  RangeParameter r;
  if (!ReadRangeParameter(ActiveSeparators(), parameter, RangeKind::TimeStamps, &r)) return;
  // Every item of these lists is or holds a date: a range without one has
  // nothing to list, where the times alone would place it on no day at all.
  if (!CarriesDate(r.start) || !CarriesDate(r.end)) {
    WriteErrorResult();
    return;
  }
  const TimeStampParts& s = r.start;
  const int64_t T = DiffTimeStamps(r.start, r.end).totalSeconds;
  switch (id) {
    case kListDateMinutes:
      WriteDateTimeList(DateTimePrefs, result, r.prefix, r.suffix, s.year, s.month, s.day, s.hour, s.minute,
                        DateTimePrefs.minuteIncrement, T, false);
      break;
    case kListDateHoursMinutes:
      WriteDateTimeList(DateTimePrefs, result, r.prefix, r.suffix, s.year, s.month, s.day, s.hour, s.minute, HourStep(),
                        T, false);
      break;
    case kListDateHours:
      WriteDateTimeList(DateTimePrefs, result, r.prefix, r.suffix, s.year, s.month, s.day, s.hour, s.minute, HourStep(),
                        T, true);
      break;
    case kListDays:
      if (T < 0) WriteErrorResult();
      else WriteDayList(DateTimePrefs, result, r.prefix, r.suffix, s.year, s.month, s.day, T / kSecondsPerDay + 1);
      break;
    case kListMonths:
    case kListMonthNames:
      WriteMonthList(result, r.prefix, r.suffix, s.year, s.month, r.end.year, r.end.month, id == kListMonthNames);
      break;
    default: WriteYearList(result, r.prefix, r.suffix, s.year, r.end.year); break;  // kListYears
  }
}
