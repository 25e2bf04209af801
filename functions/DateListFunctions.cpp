#include "DateListFunctions.h"

#include "DateLists.h"
#include "RangeParameter.h"
#include "datetime/Calendar.h"
#include "datetime/TimeStamp.h"
#include "host/ResultWriters.h"
#include "prefs/DateTimePrefs.h"

namespace {

int64_t HourStep() { return static_cast<int64_t>(DateTimePrefs.hourIncrement) * kMinutesPerHour; }

// The step in minutes.
int64_t StepMinutes(ListStep step) {
  return step == ListStep::MinuteIncrement ? DateTimePrefs.minuteIncrement : HourStep();
}

// A range of two dates, with or without their times; false, with "??"
// written, when the parameter is empty or unreadable, or when either end
// has no date. Every item of these lists is or holds a date: a range
// without one has nothing to list, where the times alone would place it on
// no day at all.
bool ReadDateRange(HostHandle parameter, HostHandle result, RangeParameter* range) {
  if (!ReadRangeParameter(ActiveSeparators(), parameter, result, RangeKind::TimeStamps, range)) return false;
  if (CarriesDate(range->start) && CarriesDate(range->end)) return true;
  WriteErrorResult(result);
  return false;
}

int64_t SpanSeconds(const RangeParameter& range) { return DiffTimeStamps(range.start, range.end).totalSeconds; }

}  // namespace

void TimeListFunction(ListStep step, HostHandle parameter, HostHandle result) {
  RangeParameter range;
  if (!ReadRangeParameter(ActiveSeparators(), parameter, result, RangeKind::TimesOnly, &range)) return;
  WriteTimeList(DateTimePrefs, result, range.prefix, range.suffix, range.start.hour, range.start.minute,
                range.end.hour, range.end.minute, StepMinutes(step), range.startAfterEnd != 0);
}

void HourListFunction(HostHandle parameter, HostHandle result) {
  RangeParameter range;
  if (!ReadRangeParameter(ActiveSeparators(), parameter, result, RangeKind::TimesOnly, &range)) return;
  WriteHourList(DateTimePrefs, result, range.prefix, range.suffix, range.start.hour, range.start.minute,
                range.end.hour, range.end.minute, HourStep(), range.startAfterEnd != 0);
}

void DateTimeListFunction(ListStep step, HostHandle parameter, HostHandle result) {
  RangeParameter range;
  if (!ReadDateRange(parameter, result, &range)) return;
  WriteDateTimeList(DateTimePrefs, result, range.prefix, range.suffix, range.start, StepMinutes(step),
                    SpanSeconds(range), false);
}

void DateHourListFunction(HostHandle parameter, HostHandle result) {
  RangeParameter range;
  if (!ReadDateRange(parameter, result, &range)) return;
  WriteDateTimeList(DateTimePrefs, result, range.prefix, range.suffix, range.start, HourStep(), SpanSeconds(range),
                    true);
}

void DayListFunction(HostHandle parameter, HostHandle result) {
  RangeParameter range;
  if (!ReadDateRange(parameter, result, &range)) return;
  const int64_t spanSeconds = SpanSeconds(range);
  if (spanSeconds < 0) {
    WriteErrorResult(result);
    return;
  }
  WriteDayList(DateTimePrefs, result, range.prefix, range.suffix, range.start.year, range.start.month,
               range.start.day, spanSeconds / kSecondsPerDay + 1);
}

void MonthListFunction(MonthLabel label, HostHandle parameter, HostHandle result) {
  RangeParameter range;
  if (!ReadDateRange(parameter, result, &range)) return;
  WriteMonthList(DateTimePrefs, result, range.prefix, range.suffix, range.start.year, range.start.month, range.end.year,
                 range.end.month, label == MonthLabel::Name);
}

void YearListFunction(HostHandle parameter, HostHandle result) {
  RangeParameter range;
  if (!ReadDateRange(parameter, result, &range)) return;
  WriteYearList(DateTimePrefs, result, range.prefix, range.suffix, range.start.year, range.end.year);
}
