// The Windows build: the plug-in calls the real Win32 API.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#include <shlobj.h>

// winbase.h still defines the 16-bit GetFreeSpace as a macro; the file
// object has an operation of that name.
#ifdef GetFreeSpace
#undef GetFreeSpace
#endif

// The module definition file decides what the DLL exports.
#define KELV_EXPORT
