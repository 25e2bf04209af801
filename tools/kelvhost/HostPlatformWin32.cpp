// kelvhost on Windows: LoadLibrary, the real string and version resources,
// and a watcher thread that finds the plug-in's message boxes among the
// process's windows, reads them and presses OK, as a person would.
#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cstdlib>
#include <set>

#include "DialogState.h"
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

const char kPrefsDialogTitle[] = "Mevrin Date & Time Preferences";

struct Watch {
  DWORD processId;
  std::set<HWND> handled;
  std::vector<MessageBoxSeen>* boxes;
  const std::vector<DialogAction>* actions;
  DialogSeen* dialog;
  volatile LONG done;
};

std::string WindowText(HWND window) {
  char text[kDialogTextLimit] = {0};
  int n = GetWindowTextA(window, text, sizeof text);
  return std::string(text, n > 0 ? static_cast<size_t>(n) : 0);
}

// Presses a button as a click would; nothing when it is disabled.
void Press(HWND dialog, int id) {
  HWND control = GetDlgItem(dialog, id);
  if (control != nullptr && IsWindowEnabled(control)) SendMessageA(control, BM_CLICK, 0, 0);
}

void WorkDialog(HWND dialog, Watch* watch) {
  DialogQuestions ask{
      [&](int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; },
      [&](int id) {
        HWND control = GetDlgItem(dialog, id);
        return control != nullptr && IsWindowEnabled(control) != FALSE;
      },
      [&](int id) { return WindowText(GetDlgItem(dialog, id)); }};
  *watch->dialog = ReadDialog(WindowText(dialog), ask);
  // A pause for a screenshot of the opened dialog, when asked for.
  if (const char* pause = getenv("KELVHOST_DIALOG_PAUSE_MS")) Sleep(static_cast<DWORD>(atoi(pause)));
  for (const DialogAction& action : *watch->actions) {
    if (!IsWindow(dialog)) return;
    if (action.click) {
      Press(dialog, action.id);
    } else {
      HWND field = GetDlgItem(dialog, action.id);
      if (field != nullptr && IsWindowEnabled(field))
        SendMessageA(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(action.text.c_str()));
    }
  }
  if (IsWindow(dialog)) Press(dialog, IDCANCEL);
}

// Message boxes and the preferences dialog are dialog-class windows of this
// process; a message box holds its text in the static control 0xFFFF.
BOOL CALLBACK InspectWindow(HWND window, LPARAM context) {
  Watch* watch = reinterpret_cast<Watch*>(context);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != watch->processId || !IsWindowVisible(window)) return TRUE;
  char className[64];
  if (GetClassNameA(window, className, sizeof className) == 0) return TRUE;
  if (std::string(className) != "#32770" || watch->handled.count(window) != 0) return TRUE;
  watch->handled.insert(window);
  const std::string caption = WindowText(window);
  if (caption == kPrefsDialogTitle && watch->dialog != nullptr) {
    WorkDialog(window, watch);
    return TRUE;
  }
  HWND textControl = GetDlgItem(window, 0xFFFF);
  watch->boxes->push_back({caption, textControl != nullptr ? WindowText(textControl) : ""});
  PostMessageA(window, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(window, IDOK)));
  return TRUE;
}

DWORD WINAPI WatchWindows(LPVOID context) {
  Watch* watch = static_cast<Watch*>(context);
  while (InterlockedCompareExchange(&watch->done, 0, 0) == 0) {
    EnumWindows(InspectWindow, reinterpret_cast<LPARAM>(watch));
    Sleep(15);
  }
  return 0;
}

}  // namespace

std::vector<MessageBoxSeen> RunAnsweringWindows(const std::function<void()>& call,
                                                const std::vector<DialogAction>& actions,
                                                DialogSeen* dialog) {
  std::vector<MessageBoxSeen> seen;
  Watch watch{GetCurrentProcessId(), {}, &seen, &actions, dialog, 0};
  HANDLE thread = CreateThread(nullptr, 0, WatchWindows, &watch, 0, nullptr);
  call();
  InterlockedExchange(&watch.done, 1);
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
