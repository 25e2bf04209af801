// Message boxes of the native build: handed to the host program's hook when
// it has one, else reported on standard error and answered with OK.
#include "PlatformApi.h"
#include "StandInDesktop.h"

#include <dlfcn.h>
#include <cstdio>

HWND GetActiveWindow(void) { return nullptr; }

int MessageBoxA(HWND, LPCSTR text, LPCSTR caption, UINT) {
  void* symbol = dlsym(RTLD_DEFAULT, KELV_STANDIN_MESSAGE_BOX_HOOK);
  if (symbol != nullptr) {
    auto hook = reinterpret_cast<StandInMessageBoxHook>(symbol);
    return hook(caption ? caption : "", text ? text : "");
  }
  std::fprintf(stderr, "[%s] %s\n", caption ? caption : "", text ? text : "");
  std::fflush(stderr);
  return IDOK;
}
