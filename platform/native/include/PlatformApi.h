// The native build: stand-ins for the part of the Win32 API the plug-in
// calls, with the same names and types, so the plug-in's own sources read the
// same on both builds. Each stand-in does what the plug-in expects of the real
// call and no more; platform/native/*.cpp hold their bodies.
#pragma once

#include <cstdint>

#define WINAPI
#define CALLBACK
#define KELV_EXPORT __attribute__((visibility("default")))

typedef int BOOL;
typedef uint8_t BYTE;
typedef uint16_t WORD;
typedef uint32_t DWORD;
typedef int32_t LONG;
typedef uint32_t UINT;
typedef intptr_t INT_PTR;
typedef uintptr_t WPARAM;
typedef intptr_t LPARAM;
typedef char CHAR;
typedef char* LPSTR;
typedef const char* LPCSTR;
typedef void* LPVOID;
typedef DWORD* LPDWORD;
typedef LONG* PLONG;
typedef void* HANDLE;

struct StandInWindow;
typedef StandInWindow* HWND;
struct StandInModule;
typedef StandInModule* HINSTANCE;
typedef HINSTANCE HMODULE;

#ifndef TRUE
#define TRUE 1
#define FALSE 0
#endif
#define MAX_PATH 260
#define INVALID_HANDLE_VALUE ((HANDLE)(intptr_t)-1)

// --- USER32: message boxes -------------------------------------------------

#define MB_OK 0x00000000u
#define MB_ICONINFORMATION 0x00000040u
#define IDOK 1
#define IDCANCEL 2

HWND GetActiveWindow(void);
int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type);

// --- KERNEL32: clocks ------------------------------------------------------

struct SYSTEMTIME {
  WORD wYear;
  WORD wMonth;
  WORD wDayOfWeek;
  WORD wDay;
  WORD wHour;
  WORD wMinute;
  WORD wSecond;
  WORD wMilliseconds;
};

DWORD GetTickCount(void);
void GetLocalTime(SYSTEMTIME* now);
