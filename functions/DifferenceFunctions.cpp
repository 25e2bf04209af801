#include "DifferenceFunctions.h"

#include "RangeParameter.h"
#include "datetime/Calendar.h"
#include "datetime/TimeStamp.h"
#include "host/FunctionIds.h"
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

// The exact difference in milliseconds rounded to whole units of that many
// seconds, halves away from zero. Rounding the exact value, not the whole
// seconds with their borrow, makes a difference and its reverse each
// other's negatives.
int64_t RoundToUnit(int64_t exactMilliseconds, int64_t unitSeconds) {
  const int64_t unit = unitSeconds * kMillisecondsPerSecond;
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

SignedSpan SplitSpan(int64_t exactMilliseconds, bool countDays) {
  const int64_t sign = exactMilliseconds < 0 ? -1 : 1;
  int64_t rest = exactMilliseconds * sign;
  SignedSpan s{};
  s.milliseconds = static_cast<int32_t>(sign * (rest % kMillisecondsPerSecond));
  rest /= kMillisecondsPerSecond;
  s.seconds = static_cast<int32_t>(sign * (rest % kSecondsPerMinute));
  rest /= kSecondsPerMinute;
  s.minutes = static_cast<int32_t>(sign * (rest % kMinutesPerHour));
  rest /= kMinutesPerHour;
  if (countDays) {
    s.hours = static_cast<int32_t>(sign * (rest % kHoursPerDay));
    s.days = static_cast<int32_t>(sign * (rest / kHoursPerDay));
  } else {
    s.hours = static_cast<int32_t>(sign * rest);
  }
  return s;
}

}  // namespace

void DifferenceFunction(int32_t id, HostHandle parameter, HostHandle result) {
  RangeParameter range;
  if (!ReadRangeParameter(ActiveSeparators(), parameter, RangeKind::TimeStamps, &range)) return;
  const TimeStampDifference d = DiffTimeStamps(range.start, range.end);
  const int64_t exact = d.totalSeconds * kMillisecondsPerSecond + d.milliseconds;
  switch (id) {
    case kDiffDaysString:
    case kDiffHoursString: {
      const SignedSpan s = SplitSpan(exact, id == kDiffDaysString);
      WriteDurationText(result, s.days, s.hours, s.minutes, s.seconds, s.milliseconds);
      break;
    }
    case kDiffTimeString:
      WriteClockDurationText(result, d.days * kHoursPerDay + d.hours, d.minutes, d.seconds, d.milliseconds);
      break;
    case kDiffDays: WriteIntegerResult(result, RoundToUnit(exact, kSecondsPerDay)); break;
    case kDiffHours: WriteIntegerResult(result, RoundToUnit(exact, kSecondsPerHour)); break;
    case kDiffMinutes: WriteIntegerResult(result, RoundToUnit(exact, kSecondsPerMinute)); break;
    // Whole seconds, the fraction dropped toward zero on either side.
    case kDiffSeconds: WriteIntegerResult(result, exact / kMillisecondsPerSecond); break;
    default: WriteIntegerResult(result, exact); break;  // milliseconds
  }
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
