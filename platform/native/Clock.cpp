// Clocks of the native build: GetTickCount from the monotonic clock,
// GetLocalTime from the wall clock in the local time zone.
#include "PlatformApi.h"
#include "StandInClock.h"

#include <ctime>

namespace {
bool clockFixed = false;
SYSTEMTIME fixedTime{};
}  // namespace

void SetStandInLocalTime(const SYSTEMTIME* fixed) {
  clockFixed = fixed != nullptr;
  if (fixed != nullptr) fixedTime = *fixed;
}

DWORD GetTickCount(void) {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  // Milliseconds since an arbitrary start, wrapping at 2^32 as on Windows.
  return static_cast<DWORD>(static_cast<uint64_t>(now.tv_sec) * 1000u +
                            static_cast<uint64_t>(now.tv_nsec) / 1000000u);
}

void GetLocalTime(SYSTEMTIME* out) {
  if (clockFixed) {
    *out = fixedTime;
    return;
  }
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  tm local{};
  time_t seconds = now.tv_sec;
  localtime_r(&seconds, &local);
  out->wYear = static_cast<WORD>(local.tm_year + 1900);
  out->wMonth = static_cast<WORD>(local.tm_mon + 1);
  out->wDayOfWeek = static_cast<WORD>(local.tm_wday);
  out->wDay = static_cast<WORD>(local.tm_mday);
  out->wHour = static_cast<WORD>(local.tm_hour);
  out->wMinute = static_cast<WORD>(local.tm_min);
  out->wSecond = static_cast<WORD>(local.tm_sec);
  out->wMilliseconds = static_cast<WORD>(now.tv_nsec / 1000000);
}
