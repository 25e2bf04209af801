// Message boxes of the web build: handed to the hook the host program set,
// else reported on standard error and answered with OK. Nothing is shown:
// the host decides what a box looks like (the browser page, or a record of
// it in a test session).
#include "PlatformApi.h"
#include "StandInWebDesktop.h"

#include <cstdio>

namespace {
StandInMessageBoxHook messageBoxHook = nullptr;
}  // namespace

void SetStandInMessageBoxHook(StandInMessageBoxHook hook) { messageBoxHook = hook; }

HWND GetActiveWindow(void) { return nullptr; }

int MessageBoxA(HWND, LPCSTR text, LPCSTR caption, UINT) {
  if (messageBoxHook != nullptr) return messageBoxHook(caption ? caption : "", text ? text : "");
  std::fprintf(stderr, "[%s] %s\n", caption ? caption : "", text ? text : "");
  std::fflush(stderr);
  return IDOK;
}
