#include "PrefsDialog.h"

#include "DateTimePrefs.h"
#include "PrefsDialogTemplate.h"
#include "host/HostServices.h"
#include "resources/PluginLimits.h"

namespace {

// The radio button chosen in each group while the dialog is open.
int32_t pendingTimeFormat = 0;
int32_t pendingDateFormat = 0;

constexpr int kMessageFieldSize = KELV_DIALOG_MESSAGE_LIMIT + 1;  // the characters and the terminator

void ShowSeparator(HWND dialog, int id, char separator) {
  const char text[2] = {separator, 0};
  SetDlgItemTextA(dialog, id, text);
}

// The first character of the field; an empty field gives 0.
char ReadSeparator(HWND dialog, int id) {
  char text[2] = {0, 0};
  GetDlgItemTextA(dialog, id, text, sizeof text);
  return text[0];
}

// Only a field that reads as a number changes the increment.
void ReadIncrement(HWND dialog, int id, int32_t* increment) {
  BOOL translated = FALSE;
  UINT value = GetDlgItemInt(dialog, id, &translated, FALSE);
  if (translated) *increment = static_cast<int32_t>(value);
}

UINT Checked(uint8_t flag) { return flag != 0 ? BST_CHECKED : BST_UNCHECKED; }

void Toggle(HWND dialog, int id) {
  CheckDlgButton(dialog, id, IsDlgButtonChecked(dialog, id) == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED);
}

void OnOpen(HWND dialog) {
  pendingTimeFormat = DateTimePrefs.timeFormat;
  CheckRadioButton(dialog, kIdTimeFirst, kIdTimeLast, pendingTimeFormat);
  pendingDateFormat = DateTimePrefs.dateFormat;
  CheckRadioButton(dialog, kIdDateFirst, kIdDateLast, pendingDateFormat);
  ShowSeparator(dialog, kIdTimeSeparator, DateTimePrefs.timeSeparator);
  ShowSeparator(dialog, kIdDateSeparator, DateTimePrefs.dateSeparator);
  SetDlgItemInt(dialog, kIdMinuteIncrement, static_cast<UINT>(DateTimePrefs.minuteIncrement), FALSE);
  SetDlgItemInt(dialog, kIdHourIncrement, static_cast<UINT>(DateTimePrefs.hourIncrement), FALSE);
  CheckDlgButton(dialog, kIdOverflowOn, Checked(DateTimePrefs.overflowMessageOn));
  SetDlgItemTextA(dialog, kIdOverflowMessage, DateTimePrefs.overflowMessage);
  EnableWindow(GetDlgItem(dialog, kIdOverflowMessage), DateTimePrefs.overflowMessageOn != 0);
  CheckDlgButton(dialog, kIdTimeZeroPad, Checked(DateTimePrefs.timeZeroPad));
  CheckDlgButton(dialog, kIdDateZeroPad, Checked(DateTimePrefs.dateZeroPad));
}

void OnOk(HWND dialog) {
  DateTimePrefs.timeFormat = pendingTimeFormat;
  DateTimePrefs.dateFormat = pendingDateFormat;
  DateTimePrefs.timeSeparator = activeTimeSeparator = ReadSeparator(dialog, kIdTimeSeparator);
  DateTimePrefs.dateSeparator = activeDateSeparator = ReadSeparator(dialog, kIdDateSeparator);
  ReadIncrement(dialog, kIdMinuteIncrement, &DateTimePrefs.minuteIncrement);
  ReadIncrement(dialog, kIdHourIncrement, &DateTimePrefs.hourIncrement);
  DateTimePrefs.overflowMessageOn = IsDlgButtonChecked(dialog, kIdOverflowOn) == BST_CHECKED ? 1 : 0;
  GetDlgItemTextA(dialog, kIdOverflowMessage, DateTimePrefs.overflowMessage, kMessageFieldSize);
  DateTimePrefs.timeZeroPad = IsDlgButtonChecked(dialog, kIdTimeZeroPad) == BST_CHECKED ? 1 : 0;
  DateTimePrefs.dateZeroPad = IsDlgButtonChecked(dialog, kIdDateZeroPad) == BST_CHECKED ? 1 : 0;
  EndDialog(dialog, 0);
}

}  // namespace

INT_PTR ShowPrefsDialog() {
  HINSTANCE instance = currentCallBlock != nullptr ? currentCallBlock->instanceHandle : nullptr;
  return DialogBoxParamA(instance, MAKEINTRESOURCEA(KELV_PREFS_DIALOG_ID), GetActiveWindow(),
                         PrefsDialogProc, 0);
}

INT_PTR CALLBACK PrefsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  if (message == WM_INITDIALOG) {
    OnOpen(dialog);
    return TRUE;  // the system places the focus
  }
  if (message != WM_COMMAND) return FALSE;
  const int id = LOWORD(wParam);  // the notification code is not looked at
  if (id >= kIdTimeFirst && id <= kIdTimeLast) {
    pendingTimeFormat = id;
    CheckRadioButton(dialog, kIdTimeFirst, kIdTimeLast, id);
  } else if (id >= kIdDateFirst && id <= kIdDateLast) {
    pendingDateFormat = id;
    CheckRadioButton(dialog, kIdDateFirst, kIdDateLast, id);
  } else if (id == kIdTimeZeroPad || id == kIdDateZeroPad) {
    Toggle(dialog, id);
  } else if (id == kIdOverflowOn) {
    Toggle(dialog, id);
    EnableWindow(GetDlgItem(dialog, kIdOverflowMessage), IsDlgButtonChecked(dialog, id) == BST_CHECKED);
  } else if (id == kIdOk) {
    OnOk(dialog);
  } else if (id == kIdCancel) {
    EndDialog(dialog, 0);
  } else {
    return FALSE;
  }
  return TRUE;
}
