#include "DifferenceFunctions.h"

#include "host/ResultWriters.h"
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

// Two digits for 0..99, three for the milliseconds: the zero-padded clock parts.
void AppendPadded(char* text, int64_t value, int32_t width) {
  char digits[24];
  int32_t n = 0;
  do {
    digits[n++] = static_cast<char>('0' + value % 10);
    value /= 10;
  } while (value != 0 || n < width);
  char out[24];
  int32_t length = 0;
  while (n > 0) out[length++] = digits[--n];
  out[length] = 0;
  VXStrAppend(text, out, kTextCapacity);
}

}  // namespace

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
  int64_t total = ((static_cast<int64_t>(hours) * 60 + minutes) * 60 + seconds) * 1000 + milliseconds;
  char text[kTextCapacity] = {0};
  if (total < 0) {
    VXStrAppend(text, "-", kTextCapacity);
    total = -total;
  }
  AppendPadded(text, total / 3600000, 1);
  VXStrAppend(text, ":", kTextCapacity);
  AppendPadded(text, total / 60000 % 60, 2);
  VXStrAppend(text, ":", kTextCapacity);
  AppendPadded(text, total / 1000 % 60, 2);
  VXStrAppend(text, ".", kTextCapacity);
  AppendPadded(text, total % 1000, 3);
  int32_t length = 0;
  while (text[length] != 0) ++length;
  WriteHandleBytes(result, text, length);
}

int64_t RoundToUnit(int64_t totalSeconds, int64_t unitSeconds) {
  int64_t half = unitSeconds / 2;
  return (totalSeconds >= 0 ? totalSeconds + half : totalSeconds - half) / unitSeconds;
}
