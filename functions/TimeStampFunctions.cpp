#include "TimeStampFunctions.h"

#include "PlatformApi.h"
#include "RangeParameter.h"
#include "datetime/Formatting.h"
#include "datetime/Parsing.h"
#include "host/Parameter.h"
#include "host/ResultWriters.h"
#include "prefs/DateTimePrefs.h"
#include "resources/PluginLimits.h"

namespace {

// A date or a time to format is read from the parameter's first 64 bytes.
constexpr int32_t kFormatTextLimit = KELV_FORMAT_PARAMETER_LIMIT;

// The parts of the local time stamp, from GetLocalTime.
void WriteCurrentTimeStamp(HostHandle result, StampParts parts) {
  SYSTEMTIME now;
  GetLocalTime(&now);
  char text[2 * kFormattedTextSize];
  int32_t length = 0;
  if (parts != StampParts::TimeAlone) {
    length = FormatDateText(DateTimePrefs, text, now.wYear, now.wMonth, now.wDay, nullptr, nullptr, false);
  }
  if (parts == StampParts::DateAndTime) text[length++] = '|';
  if (parts != StampParts::DateAlone) {
    length += FormatTimeText(DateTimePrefs, text + length, now.wHour, now.wMinute, now.wSecond,
                             now.wMilliseconds, nullptr, nullptr, true, false);
  }
  WriteHandleBytes(result, text, length);
}

void WriteFormattedDate(HostHandle result, int32_t year, int32_t month, int32_t day) {
  char text[kFormattedTextSize];
  int32_t length = FormatDateText(DateTimePrefs, text, year, month, day, nullptr, nullptr, false);
  if (CheckResultOverflow(length, result, DateTimePrefs)) return;
  WriteHandleBytes(result, text, length);
}

void WriteFormattedTime(HostHandle result, int32_t hour, int32_t minute, int32_t second,
                        int32_t millisecond) {
  char text[kFormattedTextSize];
  int32_t length =
      FormatTimeText(DateTimePrefs, text, hour, minute, second, millisecond, nullptr, nullptr, false, false);
  if (CheckResultOverflow(length, result, DateTimePrefs)) return;
  WriteHandleBytes(result, text, length);
}

}  // namespace

void CurrentTimeStamp(StampParts parts, HostHandle, HostHandle result) { WriteCurrentTimeStamp(result, parts); }

void FormatDateFunction(HostHandle parameter, HostHandle result) {
  char text[kFormatTextLimit + 1];
  CopyParameter(parameter, text, kFormatTextLimit);
  int32_t year, month, day;
  if (!ParseDateText(ActiveSeparators(), text, &year, &month, &day)) WriteErrorResult(result);
  else WriteFormattedDate(result, year, month, day);
}

void FormatTimeFunction(HostHandle parameter, HostHandle result) {
  char text[kFormatTextLimit + 1];
  CopyParameter(parameter, text, kFormatTextLimit);
  int32_t hour, minute, second, millisecond;
  if (!ParseTimeText(ActiveSeparators(), text, &hour, &minute, &second, &millisecond)) WriteErrorResult(result);
  else WriteFormattedTime(result, hour, minute, second, millisecond);
}
