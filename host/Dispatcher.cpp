#include "Dispatcher.h"

#include "HostServices.h"
#include "ResultWriters.h"
#include "datetime/Parsing.h"
#include "functions/DateLists.h"
#include "functions/DifferenceFunctions.h"
#include "functions/NumberLists.h"
#include "functions/TimeStampFunctions.h"
#include "prefs/DateTimePrefs.h"
#include "text/VXString.h"

namespace {

const char kPluginVersionText[] = "3.02";

constexpr int32_t kFormatTextLimit = 64;
constexpr int32_t kPrefsTextLimit = 128;
constexpr int32_t kMessageLimit = 255;

enum FunctionId : int32_t {
  kDiffDaysString = 0,
  kDiffHoursString = 1,
  kDiffTimeString = 2,
  kDiffDays = 3,
  kDiffHours = 4,
  kDiffMinutes = 5,
  kDiffSeconds = 6,
  kDiffMilliSeconds = 7,
  kTimeStampFull = 8,
  kTimeStampDate = 10,
  kListMinutes = 11,
  kListDateMinutes = 12,
  kListHoursMinutes = 13,
  kListDateHoursMinutes = 14,
  kListHours = 15,
  kListDateHours = 16,
  kListDays = 17,
  kListMonths = 18,
  kListMonthNames = 19,
  kListYears = 20,
  kListNumbers = 21,
  kMakeList = 22,
  kDatePrefs = 23,
  kTimePrefs = 24,
  kMinuteIncrementPrefs = 25,
  kHourIncrementPrefs = 26,
  kOverflowMessagePrefs = 27,
  kFormatDate = 28,
  kFormatTime = 29,
  kVersion = 30,
};

// Copies at most `limit` bytes of the parameter, NUL-terminated.
void CopyParameter(HostHandle parameter, int32_t size, char* text, int32_t limit) {
  if (size > limit) size = limit;
  if (size < 0) size = 0;
  VXMemCopy(text, HandleData(parameter), static_cast<uint32_t>(size));
  text[size] = 0;
}

void FormatDateOrTime(int32_t id, HostHandle parameter, HostHandle result) {
  char text[kFormatTextLimit + 1];
  CopyParameter(parameter, HostHandleSize(parameter), text, kFormatTextLimit);
  if (id == kFormatDate) {
    int32_t year, month, day;
    if (!ParseDateText(text, &year, &month, &day)) WriteErrorResult();
    else WriteFormattedDate(result, year, month, day);
  } else {
    int32_t hour, minute, second, millisecond;
    if (!ParseTimeText(text, &hour, &minute, &second, &millisecond)) WriteErrorResult();
    else WriteFormattedTime(result, hour, minute, second, millisecond);
  }
}

// "Kelv-DatePrefs" and "Kelv-TimePrefs": format|separator|zero-pad flag.
void SetFormatPrefs(int32_t id, HostHandle parameter, int32_t size) {
  char text[kPrefsTextLimit + 1];
  CopyParameter(parameter, size, text, kPrefsTextLimit);
  char* fields[4];
  int32_t count = VXStrSplit(text, fields, "|", 4);
  if (count < 2) {
    WriteErrorResult();
    return;
  }
  const bool zeroPad = count >= 3 && fields[2][0] == '1';
  if (id == kDatePrefs) {
    static const struct { const char* keyword; int32_t code; } kDateKeywords[] = {
        {"MMDDYYYY", kDateMMDDYYYY}, {"MMDDYY", kDateMMDDYY}, {"DDMMYYYY", kDateDDMMYYYY},
        {"DDMMYY", kDateDDMMYY},     {"YYYYMMDD", kDateYYYYMMDD}, {"YYMMDD", kDateYYMMDD},
        {"FMDATE", kDateHost},
    };
    int32_t code = kDateMMDDYYYY;
    for (const auto& k : kDateKeywords) {
      if (VXStrCompareNoCase(fields[0], k.keyword) == 0) code = k.code;
    }
    DateTimePrefs.dateFormat = code;
    if (fields[1][0] != 0) DateTimePrefs.dateSeparator = activeDateSeparator = fields[1][0];
    DateTimePrefs.dateZeroPad = zeroPad ? 1 : 0;
  } else {
    int32_t code = kTime12Hour;
    if (VXStrCompareNoCase(fields[0], "24") == 0) code = kTime24Hour;
    if (VXStrCompareNoCase(fields[0], "FMTIME") == 0) code = kTimeHost;
    DateTimePrefs.timeFormat = code;
    if (fields[1][0] != 0) DateTimePrefs.timeSeparator = activeTimeSeparator = fields[1][0];
    DateTimePrefs.timeZeroPad = zeroPad ? 1 : 0;
  }
}

void SetIncrementPrefs(int32_t id, HostHandle parameter, int32_t size) {
  char text[kPrefsTextLimit + 1];
  CopyParameter(parameter, size, text, kPrefsTextLimit);
  int32_t value = ReadLeadingInteger(text);
  if (id == kMinuteIncrementPrefs) DateTimePrefs.minuteIncrement = value;
  else DateTimePrefs.hourIncrement = value;
}

void SetOverflowMessagePrefs(HostHandle parameter, int32_t size) {
  DateTimePrefs.overflowMessageOn = 1;
  CopyParameter(parameter, size, DateTimePrefs.overflowMessage, kMessageLimit);
}

void TimeList(int32_t id, HostHandle parameter, int32_t size, HostHandle result) {
  char prefix[kRangeTextCapacity + 1];
  char suffix[kRangeTextCapacity + 1];
  TimeStampParts start, end;
  uint8_t startAfterEnd;
  if (!ParseTimeRange(HandleData(parameter), size, prefix, suffix, &start, &end, &startAfterEnd)) {
    WriteErrorResult();
    return;
  }
  const int64_t hourStep = static_cast<int64_t>(DateTimePrefs.hourIncrement) * 60;
  if (id == kListMinutes) {
    WriteTimeList(result, prefix, suffix, start.hour, start.minute, end.hour, end.minute,
                  DateTimePrefs.minuteIncrement, startAfterEnd != 0);
  } else if (id == kListHoursMinutes) {
    WriteTimeList(result, prefix, suffix, start.hour, start.minute, end.hour, end.minute, hourStep,
                  startAfterEnd != 0);
  } else {
    WriteHourList(result, prefix, suffix, start.hour, start.minute, end.hour, end.minute, hourStep,
                  startAfterEnd != 0);
  }
}

void TimeStampRangeFunction(int32_t id, HostHandle parameter, int32_t size, HostHandle result) {
  char prefix[kRangeTextCapacity + 1];
  char suffix[kRangeTextCapacity + 1];
  TimeStampParts start, end;
  if (!ParseTimeStampRange(HandleData(parameter), size, prefix, suffix, &start, &end)) {
    WriteErrorResult();
    return;
  }
  const TimeStampDifference d = DiffTimeStamps(start, end);
  const int64_t T = d.totalSeconds;
  const int64_t hourStep = static_cast<int64_t>(DateTimePrefs.hourIncrement) * 60;
  switch (id) {
    case kDiffDaysString:
      WriteDurationText(result, d.days, d.hours, d.minutes, d.seconds, d.milliseconds);
      break;
    case kDiffHoursString:
      WriteDurationText(result, 0, d.days * 24 + d.hours, d.minutes, d.seconds, d.milliseconds);
      break;
    case kDiffTimeString:
      WriteClockDurationText(result, d.days * 24 + d.hours, d.minutes, d.seconds, d.milliseconds);
      break;
    case kDiffDays: WriteIntegerResult(result, RoundToUnit(T, 86400)); break;
    case kDiffHours: WriteIntegerResult(result, RoundToUnit(T, 3600)); break;
    case kDiffMinutes: WriteIntegerResult(result, RoundToUnit(T, 60)); break;
    case kDiffSeconds: WriteIntegerResult(result, T); break;
    case kDiffMilliSeconds: WriteIntegerResult(result, T * 1000 + d.milliseconds); break;
    case kListDateMinutes:
      WriteDateTimeList(result, prefix, suffix, start.year, start.month, start.day, start.hour,
                        start.minute, DateTimePrefs.minuteIncrement, T, false);
      break;
    case kListDateHoursMinutes:
      WriteDateTimeList(result, prefix, suffix, start.year, start.month, start.day, start.hour,
                        start.minute, hourStep, T, false);
      break;
    case kListDateHours:
      WriteDateTimeList(result, prefix, suffix, start.year, start.month, start.day, start.hour,
                        start.minute, hourStep, T, true);
      break;
    case kListDays:
      if (T < 0) WriteErrorResult();
      else WriteDayList(result, prefix, suffix, start.year, start.month, start.day, T / 86400 + 1);
      break;
    case kListMonths:
    case kListMonthNames:
      WriteMonthList(result, prefix, suffix, start.year, start.month, end.year, end.month,
                     id == kListMonthNames);
      break;
    case kListYears: WriteYearList(result, prefix, suffix, start.year, end.year); break;
    default: WriteErrorResult(); break;
  }
}

}  // namespace

void DispatchExternalFunction(int32_t functionId, HostHandle parameter, HostHandle result) {
  if (functionId == kVersion) {  // the parameter is not read
    WriteHandleBytes(result, kPluginVersionText, 4);
    return;
  }
  currentResultHandle = result;
  if (functionId >= kTimeStampFull && functionId <= kTimeStampDate) {
    WriteCurrentTimeStamp(result, functionId);
    return;
  }
  if (functionId == kFormatDate || functionId == kFormatTime) {
    FormatDateOrTime(functionId, parameter, result);
    return;
  }
  const int32_t size = HostHandleSize(parameter);
  if (size <= 0) {
    WriteErrorResult();
    return;
  }
  switch (functionId) {
    case kListMinutes:
    case kListHoursMinutes:
    case kListHours: TimeList(functionId, parameter, size, result); break;
    case kListNumbers: WriteNumberList(parameter, result); break;
    case kMakeList: WriteWrappedList(parameter, result); break;
    case kDatePrefs:
    case kTimePrefs: SetFormatPrefs(functionId, parameter, size); break;
    case kMinuteIncrementPrefs:
    case kHourIncrementPrefs: SetIncrementPrefs(functionId, parameter, size); break;
    case kOverflowMessagePrefs: SetOverflowMessagePrefs(parameter, size); break;
    default: TimeStampRangeFunction(functionId, parameter, size, result); break;
  }
}
