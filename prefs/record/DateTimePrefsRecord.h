// The preference record's type: the layout of the preference file
// "DateTimePrefs.dtp" and the codes its format fields hold. It sits below
// everything that reads a preference (the parsers, the formatters, the
// host's services) so that each of them can take the record as a parameter.
#pragma once

#include <cstddef>
#include <cstdint>

// Time format codes (the radio buttons of the preferences dialog).
enum : int32_t { kTime12Hour = 6, kTime24Hour = 7, kTimeHost = 8 };
// Date format codes.
enum : int32_t {
  kDateMMDDYYYY = 13,
  kDateMMDDYY = 14,
  kDateDDMMYYYY = 15,
  kDateDDMMYY = 16,
  kDateYYYYMMDD = 17,
  kDateYYMMDD = 18,
  kDateHost = 19,
};

struct DateTimePrefsRecord {
  int32_t timeFormat;
  int32_t dateFormat;
  char timeSeparator;
  char dateSeparator;
  uint8_t alignment10[2];  // kept as loaded, written back as it was
  int32_t minuteIncrement;
  int32_t hourIncrement;
  uint8_t timeZeroPad;
  uint8_t dateZeroPad;
  uint8_t overflowMessageOn;
  char overflowMessage[256];  // NUL-terminated, at most 255 characters
  uint8_t alignment279;
};

// The record is the file format: its image must not move.
static_assert(sizeof(DateTimePrefsRecord) == 280, "the preference image is 280 bytes");
static_assert(offsetof(DateTimePrefsRecord, dateFormat) == 4, "dateFormat at 4");
static_assert(offsetof(DateTimePrefsRecord, timeSeparator) == 8, "timeSeparator at 8");
static_assert(offsetof(DateTimePrefsRecord, dateSeparator) == 9, "dateSeparator at 9");
static_assert(offsetof(DateTimePrefsRecord, minuteIncrement) == 12, "minuteIncrement at 12");
static_assert(offsetof(DateTimePrefsRecord, hourIncrement) == 16, "hourIncrement at 16");
static_assert(offsetof(DateTimePrefsRecord, timeZeroPad) == 20, "timeZeroPad at 20");
static_assert(offsetof(DateTimePrefsRecord, dateZeroPad) == 21, "dateZeroPad at 21");
static_assert(offsetof(DateTimePrefsRecord, overflowMessageOn) == 22, "overflowMessageOn at 22");
static_assert(offsetof(DateTimePrefsRecord, overflowMessage) == 23, "overflowMessage at 23");
static_assert(offsetof(DateTimePrefsRecord, alignment279) == 279, "last byte at 279");
