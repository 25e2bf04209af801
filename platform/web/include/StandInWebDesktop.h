// How a host program sees the message boxes the web plug-in shows.
//
// The web build has no windows and no dynamic symbol lookup: a host program
// that links the plug-in in hands its message box hook over with this call
// instead of exporting it. Without a hook a message box is written to
// standard error (the browser's console) and answered with OK.
#pragma once

#include "StandInDesktop.h"

// From now on every message box goes to `hook`; NULL for none.
void SetStandInMessageBoxHook(StandInMessageBoxHook hook);
