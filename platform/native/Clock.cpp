// The wall clock of the native build: GetLocalTime in the local time zone
// (GetTickCount is in TickCount.cpp).
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
