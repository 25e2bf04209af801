// The preferences dialog 15150: OK copies its controls into DateTimePrefs,
// Cancel changes nothing. Nothing is written to the file here.
#pragma once

#include "PlatformApi.h"

// Control ids of dialog 15150; the radio button ids are the stored codes.
enum PrefsDialogControl : int {
  kIdOk = 1,
  kIdCancel = 2,
  kIdTimeZeroPad = 5,
  kIdTime12Hour = 6,
  kIdTimeHost = 8,
  kIdTimeSeparator = 9,
  kIdMinuteIncrement = 10,
  kIdHourIncrement = 11,
  kIdDateZeroPad = 12,
  kIdDateFirst = 13,
  kIdDateLast = 19,
  kIdDateSeparator = 20,
  kIdOverflowOn = 21,
  kIdOverflowMessage = 22,
};
#define KELV_PREFS_DIALOG 15150

INT_PTR ShowPrefsDialog();
INT_PTR CALLBACK PrefsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
