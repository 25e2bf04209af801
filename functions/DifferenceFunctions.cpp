#include "DifferenceFunctions.h"

#include "RangeParameter.h"
#include "datetime/Calendar.h"
#include "datetime/TimeStamp.h"
#include "host/ResultWriters.h"
#include "text/TextCursor.h"
#include "text/VXString.h"

namespace {

constexpr int32_t kTextCapacity = 256;

// Appends " " (unless first), the number and the word, singular for 1.
void AppendComponent(char* text, int32_t value, const char* singular, const char* plural) {
  if (value == 0) return;
  if (text[0] != 0) VXStrAppend(text, " ", kTextCapacity);
  if (value == 1) {
    VXStrAppend(text, singular, kTextCapacity);
    return;
  }
  char number[12];
  VXIntToStr(value, number);
  VXStrAppend(text, number, kTextCapacity);
  VXStrAppend(text, plural, kTextCapacity);
}

// The exact difference in milliseconds rounded to whole units, halves away
// from zero. Rounding the exact value, not the whole seconds with their
// borrow, makes a difference and its reverse each other's negatives.
int64_t RoundToUnit(int64_t exactMilliseconds, int64_t unit) {
  const int64_t half = unit / 2;
  return (exactMilliseconds >= 0 ? exactMilliseconds + half : exactMilliseconds - half) / unit;
}

// A span split into units, each carrying the span's sign. The split is
// made on the exact magnitude in milliseconds, so a negative span with a
// fraction of a second reads as its reverse with minus signs (-250
// milliseconds, not -1 seconds 750 milliseconds).
struct SignedSpan {
  int32_t days, hours, minutes, seconds, milliseconds;
};

SignedSpan SplitSpan(int64_t exactMilliseconds, LargestSpanUnit largest) {
  const int64_t sign = exactMilliseconds < 0 ? -1 : 1;
  int64_t rest = exactMilliseconds * sign;
  SignedSpan span{};
  span.milliseconds = static_cast<int32_t>(sign * (rest % kMillisecondsPerSecond));
  rest /= kMillisecondsPerSecond;
  span.seconds = static_cast<int32_t>(sign * (rest % kSecondsPerMinute));
  rest /= kSecondsPerMinute;
  span.minutes = static_cast<int32_t>(sign * (rest % kMinutesPerHour));
  rest /= kMinutesPerHour;
  if (largest == LargestSpanUnit::Days) {
    span.hours = static_cast<int32_t>(sign * (rest % kHoursPerDay));
    span.days = static_cast<int32_t>(sign * (rest / kHoursPerDay));
  } else {
    span.hours = static_cast<int32_t>(sign * rest);
  }
  return span;
}

// The range's difference; false, with "??" written, when the parameter is
// empty or not a range of two time stamps.
bool ReadDifference(HostHandle parameter, HostHandle result, TimeStampDifference* difference) {
  RangeParameter range;
  if (!ReadRangeParameter(ActiveSeparators(), parameter, result, RangeKind::TimeStamps, &range)) return false;
  *difference = DiffTimeStamps(range.start, range.end);
  return true;
}

int64_t ExactMilliseconds(const TimeStampDifference& difference) {
  return difference.totalSeconds * kMillisecondsPerSecond + difference.milliseconds;
}

}  // namespace

void DifferenceInWords(LargestSpanUnit largest, HostHandle parameter, HostHandle result) {
  TimeStampDifference difference;
  if (!ReadDifference(parameter, result, &difference)) return;
  const SignedSpan span = SplitSpan(ExactMilliseconds(difference), largest);
  WriteDurationText(result, span.days, span.hours, span.minutes, span.seconds, span.milliseconds);
}

void DifferenceAsClock(HostHandle parameter, HostHandle result) {
  TimeStampDifference difference;
  if (!ReadDifference(parameter, result, &difference)) return;
  WriteClockDurationText(result, difference.days * kHoursPerDay + difference.hours, difference.minutes,
                         difference.seconds, difference.milliseconds);
}

void RoundedDifference(DifferenceUnit unit, HostHandle parameter, HostHandle result) {
  TimeStampDifference difference;
  if (!ReadDifference(parameter, result, &difference)) return;
  WriteIntegerResult(result, RoundToUnit(ExactMilliseconds(difference), static_cast<int64_t>(unit)));
}

void TruncatedDifference(DifferenceUnit unit, HostHandle parameter, HostHandle result) {
  TimeStampDifference difference;
  if (!ReadDifference(parameter, result, &difference)) return;
  WriteIntegerResult(result, ExactMilliseconds(difference) / static_cast<int64_t>(unit));
}

void WriteDurationText(HostHandle result, int32_t days, int32_t hours, int32_t minutes,
                       int32_t seconds, int32_t milliseconds) {
  char text[kTextCapacity] = {0};
  AppendComponent(text, days, "1 day", " days");
  AppendComponent(text, hours, "1 hour", " hours");
  AppendComponent(text, minutes, "1 minute", " minutes");
  AppendComponent(text, seconds, "1 second", " seconds");
  AppendComponent(text, milliseconds, "1 millisecond", " milliseconds");
  int32_t length = 0;
  while (text[length] != 0) ++length;
  if (length == 0) return;  // a zero difference writes no result
  WriteHandleBytes(result, text, length);
}

void WriteClockDurationText(HostHandle result, int32_t hours, int32_t minutes, int32_t seconds,
                            int32_t milliseconds) {
  // Hours, minutes and seconds share one sign; milliseconds are never negative.
  int64_t total = (static_cast<int64_t>(hours) * kSecondsPerHour + minutes * kSecondsPerMinute + seconds) *
                      kMillisecondsPerSecond + milliseconds;
  char text[kTextCapacity];
  TextCursor c = MakeTextCursor(text, kTextCapacity - 1);
  if (total < 0) {
    PutChar(&c, '-');
    total = -total;
  }
  const int64_t wholeSeconds = total / kMillisecondsPerSecond;
  PutNumber(&c, wholeSeconds / kSecondsPerHour, 0);
  PutChar(&c, ':');
  PutNumber(&c, wholeSeconds / kSecondsPerMinute % kMinutesPerHour, 2);
  PutChar(&c, ':');
  PutNumber(&c, wholeSeconds % kSecondsPerMinute, 2);
  PutChar(&c, '.');
  PutNumber(&c, total % kMillisecondsPerSecond, 3);
  WriteHandleBytes(result, text, EndText(&c));
}
