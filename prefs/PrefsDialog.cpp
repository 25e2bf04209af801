#include "PrefsDialog.h"

// The dialog arrives with its template; until then a Preferences call
// opens nothing.
INT_PTR ShowPrefsDialog() { return 0; }

INT_PTR CALLBACK PrefsDialogProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }
