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
