// The Windows build: the plug-in calls the real Win32 API.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#include <shlobj.h>

// The module definition file decides what the DLL exports.
#define KELV_EXPORT
