#include "Dispatcher.h"

#include "FunctionIds.h"
#include "HostServices.h"
#include "ResultWriters.h"
#include "datetime/Parsing.h"
#include "functions/DateLists.h"
#include "functions/DifferenceFunctions.h"
#include "functions/NumberLists.h"
#include "functions/TimeStampFunctions.h"
#include "prefs/DateTimePrefs.h"
#include "resources/FunctionRegistry.h"
#include "resources/PluginTexts.h"
#include "text/VXString.h"

namespace {

constexpr int32_t kFormatTextLimit = 64;
constexpr int32_t kPrefsTextLimit = 128;
constexpr int32_t kMessageLimit = 255;

// The parameter's size; false (and "??" written) when it is empty.
bool NonEmptyParameter(HostHandle parameter, int32_t* size) {
  *size = HostHandleSize(parameter);
  if (*size > 0) return true;
  WriteErrorResult();
  return false;
}

// Copies at most `limit` bytes of the parameter, NUL-terminated.
void CopyParameter(HostHandle parameter, int32_t size, char* text, int32_t limit) {
  if (size > limit) size = limit;
  if (size < 0) size = 0;
  VXMemCopy(text, HandleData(parameter), static_cast<uint32_t>(size));
  text[size] = 0;
}

// The handlers the function registry names, each serving the functions of
// one kind. All but the date and time formatters and those that read no
// parameter answer "??" for an empty parameter.

void VersionText(int32_t, HostHandle, HostHandle result) {  // the parameter is not read
  WriteHandleBytes(result, KELV_VERSION_TEXT, static_cast<int32_t>(sizeof KELV_VERSION_TEXT - 1));
}

void CurrentTimeStamp(int32_t id, HostHandle, HostHandle result) { WriteCurrentTimeStamp(result, id); }

void NumberList(int32_t, HostHandle parameter, HostHandle result) {
  int32_t size;
  if (NonEmptyParameter(parameter, &size)) WriteNumberList(parameter, result);
}

void WrappedList(int32_t, HostHandle parameter, HostHandle result) {
  int32_t size;
  if (NonEmptyParameter(parameter, &size)) WriteWrappedList(parameter, result);
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
void FormatPrefs(int32_t id, HostHandle parameter, HostHandle) {
  int32_t size;
  if (!NonEmptyParameter(parameter, &size)) return;
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

void IncrementPrefs(int32_t id, HostHandle parameter, HostHandle) {
  int32_t size;
  if (!NonEmptyParameter(parameter, &size)) return;
  char text[kPrefsTextLimit + 1];
  CopyParameter(parameter, size, text, kPrefsTextLimit);
  int32_t value = ReadLeadingInteger(text);
  if (id == kMinuteIncrementPrefs) DateTimePrefs.minuteIncrement = value;
  else DateTimePrefs.hourIncrement = value;
}

void OverflowMessagePrefs(int32_t, HostHandle parameter, HostHandle) {
  int32_t size;
  if (!NonEmptyParameter(parameter, &size)) return;
  DateTimePrefs.overflowMessageOn = 1;
  CopyParameter(parameter, size, DateTimePrefs.overflowMessage, kMessageLimit);
}

void TimeList(int32_t id, HostHandle parameter, HostHandle result) {
  int32_t size;
  if (!NonEmptyParameter(parameter, &size)) return;
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

void TimeStampRangeFunction(int32_t id, HostHandle parameter, HostHandle result) {
  int32_t size;
  if (!NonEmptyParameter(parameter, &size)) return;
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

typedef void (*FunctionHandler)(int32_t id, HostHandle parameter, HostHandle result);

const FunctionHandler kHandlers[] = {
#define KELV_FUNCTION_HANDLER(id, Ident, name, Handler) Handler,
    KELV_FUNCTION_TABLE(KELV_FUNCTION_HANDLER)
#undef KELV_FUNCTION_HANDLER
};
static_assert(sizeof kHandlers / sizeof kHandlers[0] == KELV_FUNCTION_COUNT, "a handler for every function");

// The table's rows stand in the order of their ids.
constexpr int32_t kRowIds[] = {
#define KELV_FUNCTION_ROW(id, Ident, name, Handler) id,
    KELV_FUNCTION_TABLE(KELV_FUNCTION_ROW)
#undef KELV_FUNCTION_ROW
};
constexpr bool RowsInIdOrder() {
  for (int32_t i = 0; i < KELV_FUNCTION_COUNT; ++i) {
    if (kRowIds[i] != i) return false;
  }
  return true;
}
static_assert(RowsInIdOrder(), "the function table lists ids 0, 1, 2, ... in order");

}  // namespace

void DispatchExternalFunction(int32_t functionId, HostHandle parameter, HostHandle result) {
  // The version writes straight into its own result; every other call
  // makes its result the current one first, for "??".
  if (functionId != kVersion) currentResultHandle = result;
  if (functionId < 0 || functionId >= KELV_FUNCTION_COUNT) {
    WriteErrorResult();
    return;
  }
  kHandlers[functionId](functionId, parameter, result);
}
