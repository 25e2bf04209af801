// Dialogs of the web build: the preferences dialog is not offered on the
// web. DialogBoxParamA answers -1, as Windows does when a dialog cannot be
// created, without running the procedure; the preferences stay as they were.
// A web page sets them through the preference functions instead. The other
// dialog calls are reached only from a running dialog procedure: they find
// no dialog and answer failure.
#include "PlatformApi.h"

namespace {
constexpr DWORD kCallNotImplemented = 120;  // ERROR_CALL_NOT_IMPLEMENTED
}  // namespace

INT_PTR DialogBoxParamA(HINSTANCE, LPCSTR, HWND, DLGPROC, LPARAM) {
  SetLastError(kCallNotImplemented);
  return -1;
}

BOOL EndDialog(HWND, INT_PTR) { return FALSE; }
HWND GetDlgItem(HWND, int) { return nullptr; }
BOOL EnableWindow(HWND, BOOL) { return FALSE; }
BOOL CheckRadioButton(HWND, int, int, int) { return FALSE; }
BOOL CheckDlgButton(HWND, int, UINT) { return FALSE; }
UINT IsDlgButtonChecked(HWND, int) { return BST_UNCHECKED; }
BOOL SetDlgItemTextA(HWND, int, LPCSTR) { return FALSE; }

UINT GetDlgItemTextA(HWND, int, LPSTR text, int size) {
  if (text != nullptr && size > 0) text[0] = 0;
  return 0;
}

BOOL SetDlgItemInt(HWND, int, UINT, BOOL) { return FALSE; }

UINT GetDlgItemInt(HWND, int, BOOL* translated, BOOL) {
  if (translated != nullptr) *translated = FALSE;
  return 0;
}
