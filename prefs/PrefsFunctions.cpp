#include "PrefsFunctions.h"

#include "DateTimePrefs.h"
#include "host/FunctionIds.h"
#include "host/Parameter.h"
#include "host/ResultWriters.h"
#include "resources/PluginLimits.h"
#include "text/VXString.h"

namespace {

constexpr int32_t kPrefsTextLimit = KELV_PREFS_PARAMETER_LIMIT;
constexpr int32_t kMessageLimit = KELV_OVERFLOW_MESSAGE_LIMIT;

int32_t DateFormatCode(const char* keyword) {
  static const struct { const char* keyword; int32_t code; } kDateKeywords[] = {
      {"MMDDYYYY", kDateMMDDYYYY}, {"MMDDYY", kDateMMDDYY},     {"DDMMYYYY", kDateDDMMYYYY},
      {"DDMMYY", kDateDDMMYY},     {"YYYYMMDD", kDateYYYYMMDD}, {"YYMMDD", kDateYYMMDD},
      {"FMDATE", kDateHost},
  };
  int32_t code = kDateMMDDYYYY;  // any other keyword
  for (const auto& k : kDateKeywords) {
    if (VXStrCompareNoCase(keyword, k.keyword) == 0) code = k.code;
  }
  return code;
}

int32_t TimeFormatCode(const char* keyword) {
  if (VXStrCompareNoCase(keyword, "24") == 0) return kTime24Hour;
  if (VXStrCompareNoCase(keyword, "FMTIME") == 0) return kTimeHost;
  return kTime12Hour;
}

}  // namespace

void FormatPrefs(int32_t id, HostHandle parameter, HostHandle) {
  int32_t size;
  if (!NonEmptyParameter(parameter, &size)) return;
  char text[kPrefsTextLimit + 1];
  CopyParameter(parameter, text, kPrefsTextLimit);
  char* fields[4];
  const int32_t count = VXStrSplit(text, fields, "|", 4);
  if (count < 2) {
    WriteErrorResult();
    return;
  }
  const uint8_t zeroPad = count >= 3 && fields[2][0] == '1' ? 1 : 0;
  const char separator = fields[1][0];
  if (id == kDatePrefs) {
    DateTimePrefs.dateFormat = DateFormatCode(fields[0]);
    if (separator != 0) DateTimePrefs.dateSeparator = activeDateSeparator = separator;
    DateTimePrefs.dateZeroPad = zeroPad;
  } else {
    DateTimePrefs.timeFormat = TimeFormatCode(fields[0]);
    if (separator != 0) DateTimePrefs.timeSeparator = activeTimeSeparator = separator;
    DateTimePrefs.timeZeroPad = zeroPad;
  }
}

void IncrementPrefs(int32_t id, HostHandle parameter, HostHandle) {
  int32_t size;
  if (!NonEmptyParameter(parameter, &size)) return;
  char text[kPrefsTextLimit + 1];
  CopyParameter(parameter, text, kPrefsTextLimit);
  const int32_t value = ReadLeadingInteger(text);
  if (id == kMinuteIncrementPrefs) DateTimePrefs.minuteIncrement = value;
  else DateTimePrefs.hourIncrement = value;
}

void OverflowMessagePrefs(int32_t, HostHandle parameter, HostHandle) {
  int32_t size;
  if (!NonEmptyParameter(parameter, &size)) return;
  DateTimePrefs.overflowMessageOn = 1;
  CopyParameter(parameter, DateTimePrefs.overflowMessage, kMessageLimit);
}
