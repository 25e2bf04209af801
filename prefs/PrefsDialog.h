// The preferences dialog 15150: every preference of DateTimePrefs in one
// modal dialog. OK copies the controls into the record in memory (the file
// is written at shut-down); Cancel changes nothing.
#pragma once

#include "PlatformApi.h"

// Control ids of dialog 15150; the radio button ids are the stored codes.
enum PrefsDialogControl : int {
  kIdOk = 1,
  kIdCancel = 2,
  kIdTimeZeroPad = 5,
  kIdTimeFirst = 6,  // 12 Hour (AM/PM)
  kIdTimeLast = 8,   // FileMaker Time
  kIdTimeSeparator = 9,
  kIdMinuteIncrement = 10,
  kIdHourIncrement = 11,
  kIdDateZeroPad = 12,
  kIdDateFirst = 13,  // MM/DD/YYYY
  kIdDateLast = 19,   // FileMaker Date
  kIdDateSeparator = 20,
  kIdOverflowOn = 21,
  kIdOverflowMessage = 22,
};

// Runs the dialog modally, owned by the host's active window; answers what
// the dialog box call answers (0 for OK and Cancel alike, -1 when the dialog
// could not be created).
INT_PTR ShowPrefsDialog();

INT_PTR CALLBACK PrefsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
