// kelvhost on Windows: LoadLibrary, the real string and version resources,
// and a watcher thread that finds the plug-in's message boxes among the
// process's windows, reads them and presses OK, as a person would.
#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <set>

#include "HostPlatform.h"

std::string DefaultPluginPath() {
  char self[MAX_PATH];
  DWORD n = GetModuleFileNameA(nullptr, self, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return "KELVDATE.FMX";
  std::string path(self, n);
  return path.substr(0, path.find_last_of("\\/") + 1) + "KELVDATE.FMX";
}

bool LoadPlugin(const std::string& path, LoadedPlugin* plugin, std::string* error) {
  HMODULE module = LoadLibraryA(path.c_str());
  if (module == nullptr) {
    *error = "cannot load plug-in " + path + " (error " + std::to_string(GetLastError()) + ")";
    return false;
  }
  FARPROC entry = GetProcAddress(module, KELV_ENTRY_POINT_NAME);
  if (entry == nullptr) {
    *error = "plug-in " + path + " has no " KELV_ENTRY_POINT_NAME;
    FreeLibrary(module);
    return false;
  }
  plugin->module = module;
  plugin->entry = reinterpret_cast<FMExternCallProcType>(reinterpret_cast<void*>(entry));
  return true;
}

void UnloadPlugin(LoadedPlugin* plugin) {
  if (plugin->module != nullptr) FreeLibrary(static_cast<HMODULE>(plugin->module));
  plugin->module = nullptr;
  plugin->entry = nullptr;
}

std::string PluginString(const LoadedPlugin& plugin, unsigned id) {
  char buf[1024];
  int n = LoadStringA(static_cast<HMODULE>(plugin.module), id, buf, sizeof buf);
  return std::string(buf, n > 0 ? static_cast<size_t>(n) : 0);
}

std::string PluginVersionValue(const LoadedPlugin& plugin, const std::string& key) {
  HRSRC found = FindResourceA(static_cast<HMODULE>(plugin.module), MAKEINTRESOURCEA(1),
                              MAKEINTRESOURCEA(16));  // RT_VERSION
  if (found == nullptr) return "";
  HGLOBAL loaded = LoadResource(static_cast<HMODULE>(plugin.module), found);
  DWORD size = SizeofResource(static_cast<HMODULE>(plugin.module), found);
  if (loaded == nullptr || size == 0) return "";
  // VerQueryValue wants a writable copy of the block.
  std::string block(static_cast<const char*>(LockResource(loaded)), size);
  block.resize(size * 2);
  void* value = nullptr;
  UINT length = 0;
  if (key == "#") {
    if (!VerQueryValueA(&block[0], "\\", &value, &length) || length < sizeof(VS_FIXEDFILEINFO))
      return "";
    const VS_FIXEDFILEINFO* info = static_cast<const VS_FIXEDFILEINFO*>(value);
    return std::to_string(HIWORD(info->dwFileVersionMS)) + "." +
           std::to_string(LOWORD(info->dwFileVersionMS)) + "." +
           std::to_string(HIWORD(info->dwFileVersionLS)) + "." +
           std::to_string(LOWORD(info->dwFileVersionLS));
  }
  std::string query = "\\StringFileInfo\\040904e4\\" + key;
  if (!VerQueryValueA(&block[0], query.c_str(), &value, &length) || length == 0) return "";
  std::string text(static_cast<const char*>(value), length);
  while (!text.empty() && text.back() == 0) text.pop_back();
  return text;
}

namespace {

struct BoxWatch {
  DWORD processId;
  std::set<HWND>* answered;
  std::vector<MessageBoxSeen>* seen;
};

// A message box is a dialog-class window of this process with a static text
// control 0xFFFF.
BOOL CALLBACK InspectWindow(HWND window, LPARAM context) {
  BoxWatch* watch = reinterpret_cast<BoxWatch*>(context);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != watch->processId || !IsWindowVisible(window)) return TRUE;
  char className[64];
  if (GetClassNameA(window, className, sizeof className) == 0) return TRUE;
  if (std::string(className) != "#32770") return TRUE;
  HWND textControl = GetDlgItem(window, 0xFFFF);
  if (textControl == nullptr || watch->answered->count(window) != 0) return TRUE;
  char caption[1024] = {0};
  char text[4096] = {0};
  GetWindowTextA(window, caption, sizeof caption);
  GetWindowTextA(textControl, text, sizeof text);
  watch->seen->push_back({caption, text});
  watch->answered->insert(window);
  PostMessageA(window, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(window, IDOK)));
  return TRUE;
}

}  // namespace

namespace {

struct Watcher {
  BoxWatch watch;
  volatile LONG done;
};

DWORD WINAPI WatchForBoxes(LPVOID context) {
  Watcher* watcher = static_cast<Watcher*>(context);
  while (InterlockedCompareExchange(&watcher->done, 0, 0) == 0) {
    EnumWindows(InspectWindow, reinterpret_cast<LPARAM>(&watcher->watch));
    Sleep(15);
  }
  return 0;
}

}  // namespace

std::vector<MessageBoxSeen> RunAnsweringMessageBoxes(const std::function<void()>& call) {
  std::vector<MessageBoxSeen> seen;
  std::set<HWND> answered;
  Watcher watcher{BoxWatch{GetCurrentProcessId(), &answered, &seen}, 0};
  HANDLE thread = CreateThread(nullptr, 0, WatchForBoxes, &watcher, 0, nullptr);
  call();
  InterlockedExchange(&watcher.done, 1);
  if (thread != nullptr) {
    WaitForSingleObject(thread, INFINITE);
    CloseHandle(thread);
  }
  return seen;
}

void SleepMilliseconds(uint32_t ms) { Sleep(ms); }

void UseBinaryStandardStreams() {
  _setmode(_fileno(stdin), _O_BINARY);
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
}
