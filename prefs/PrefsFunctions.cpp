#include "PrefsFunctions.h"

#include "DateTimePrefs.h"
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

// The fields of a format parameter, format|separator[|zero-pad flag].
struct FormatFields {
  char text[kPrefsTextLimit + 1];
  const char* format;
  char separator;
  uint8_t zeroPad;
};

// False, with "??" written, for an empty parameter or one without a "|".
bool ReadFormatFields(HostHandle parameter, HostHandle result, FormatFields* fields) {
  int32_t size;
  if (!RequireParameter(parameter, result, &size)) return false;
  CopyParameter(parameter, fields->text, kPrefsTextLimit);
  char* pieces[4];
  const int32_t count = VXStrSplit(fields->text, pieces, "|", 4);
  if (count < 2) {
    WriteErrorResult(result);
    return false;
  }
  fields->format = pieces[0];
  fields->separator = pieces[1][0];
  fields->zeroPad = count >= 3 && pieces[2][0] == '1' ? 1 : 0;
  return true;
}

// The increment a parameter gives as strtol reads it; false, with "??"
// written, for an empty parameter.
bool ReadIncrement(HostHandle parameter, HostHandle result, int32_t* increment) {
  int32_t size;
  if (!RequireParameter(parameter, result, &size)) return false;
  char text[kPrefsTextLimit + 1];
  CopyParameter(parameter, text, kPrefsTextLimit);
  *increment = ReadLeadingInteger(text);
  return true;
}

}  // namespace

void SetDatePrefs(HostHandle parameter, HostHandle result) {
  FormatFields fields;
  if (!ReadFormatFields(parameter, result, &fields)) return;
  DateTimePrefs.dateFormat = DateFormatCode(fields.format);
  if (fields.separator != 0) DateTimePrefs.dateSeparator = activeDateSeparator = fields.separator;
  DateTimePrefs.dateZeroPad = fields.zeroPad;
}

void SetTimePrefs(HostHandle parameter, HostHandle result) {
  FormatFields fields;
  if (!ReadFormatFields(parameter, result, &fields)) return;
  DateTimePrefs.timeFormat = TimeFormatCode(fields.format);
  if (fields.separator != 0) DateTimePrefs.timeSeparator = activeTimeSeparator = fields.separator;
  DateTimePrefs.timeZeroPad = fields.zeroPad;
}

void SetMinuteIncrement(HostHandle parameter, HostHandle result) {
  int32_t increment;
  if (ReadIncrement(parameter, result, &increment)) DateTimePrefs.minuteIncrement = increment;
}

void SetHourIncrement(HostHandle parameter, HostHandle result) {
  int32_t increment;
  if (ReadIncrement(parameter, result, &increment)) DateTimePrefs.hourIncrement = increment;
}

void SetOverflowMessage(HostHandle parameter, HostHandle result) {
  int32_t size;
  if (!RequireParameter(parameter, result, &size)) return;
  DateTimePrefs.overflowMessageOn = 1;
  CopyParameter(parameter, DateTimePrefs.overflowMessage, kMessageLimit);
}
