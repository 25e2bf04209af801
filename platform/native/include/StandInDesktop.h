// How a host program sees the windows the native plug-in opens.
//
// On Windows a host finds the plug-in's message boxes and dialogs among the
// real windows. The native stand-ins have no windows, so they look for these
// hooks in the host program instead (exported from its executable); without
// them, a message box is written to standard error and answered with OK.
#pragma once

extern "C" {

// Called for every message box; answers the button pressed (IDOK).
typedef int (*StandInMessageBoxHook)(const char* caption, const char* text);
#define KELV_STANDIN_MESSAGE_BOX_HOOK "KelvStandInMessageBox"

}

extern "C" {

// A dialog the native plug-in opened, as the host program's hook sees it.
// The hook may look at the controls and act on them as a person would:
// Click presses a button (nothing when it is disabled or the dialog has
// ended), Type replaces an edit field's text (nothing when it is disabled).
struct StandInDialogApi {
  const char* (*Title)(HWND dialog);
  int (*HasControl)(HWND dialog, int id);
  int (*IsChecked)(HWND dialog, int id);
  int (*IsEnabled)(HWND dialog, int id);
  int (*GetText)(HWND dialog, int id, char* buffer, int size);
  int (*IsOpen)(HWND dialog);
  void (*Click)(HWND dialog, int id);
  void (*Type)(HWND dialog, int id, const char* text);
};

// Called once the dialog has finished opening; when it returns with the
// dialog still open, the dialog is cancelled.
typedef void (*StandInDialogHook)(HWND dialog, const StandInDialogApi* api);
#define KELV_STANDIN_DIALOG_HOOK "KelvStandInDialog"

}
