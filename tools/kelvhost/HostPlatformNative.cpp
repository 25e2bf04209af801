// kelvhost on the native build: dlopen, the plug-in's resource stand-in,
// and the message box hook the plug-in's stand-ins look for.
#include <dlfcn.h>
#include <unistd.h>

#include <climits>
#include <ctime>

#include "DialogState.h"
#include "HostPlatform.h"
#include "StandInDesktop.h"
#include "StandInResources.h"

namespace {
std::vector<MessageBoxSeen>* boxesSeen = nullptr;
const std::vector<DialogAction>* dialogActions = nullptr;
DialogSeen* dialogSeen = nullptr;
}  // namespace

// Found by the plug-in's DialogBoxParamA stand-in in this executable.
extern "C" __attribute__((visibility("default"))) void KelvStandInDialog(HWND dialog,
                                                                         const StandInDialogApi* api) {
  if (dialogSeen == nullptr) return;
  DialogQuestions ask{
      [&](int id) { return api->IsChecked(dialog, id) != 0; },
      [&](int id) { return api->IsEnabled(dialog, id) != 0; },
      [&](int id) {
        char text[kDialogTextLimit];
        int n = api->GetText(dialog, id, text, sizeof text);
        return std::string(text, n > 0 ? static_cast<size_t>(n) : 0);
      }};
  *dialogSeen = ReadDialog(api->Title(dialog), ask);
  for (const DialogAction& action : *dialogActions) {
    if (!api->IsOpen(dialog)) break;
    if (action.click) api->Click(dialog, action.id);
    else api->Type(dialog, action.id, action.text.c_str());
  }
  if (api->IsOpen(dialog)) api->Click(dialog, IDCANCEL);
}

// Found by the plug-in's MessageBoxA stand-in in this executable.
extern "C" __attribute__((visibility("default"))) int KelvStandInMessageBox(const char* caption,
                                                                            const char* text) {
  if (boxesSeen != nullptr) boxesSeen->push_back({caption, text});
  return IDOK;
}

std::string DefaultPluginPath() {
  char self[PATH_MAX];
  ssize_t n = readlink("/proc/self/exe", self, sizeof self - 1);
  if (n <= 0) return "KELVDATE.so";
  self[n] = 0;
  std::string path(self);
  return path.substr(0, path.rfind('/') + 1) + "KELVDATE.so";
}

bool LoadPlugin(const std::string& path, LoadedPlugin* plugin, std::string* error) {
  void* module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (module == nullptr) {
    *error = "cannot load plug-in " + path + ": " + dlerror();
    return false;
  }
  void* entry = dlsym(module, KELV_ENTRY_POINT_NAME);
  if (entry == nullptr) {
    *error = "plug-in " + path + " has no " KELV_ENTRY_POINT_NAME;
    dlclose(module);
    return false;
  }
  plugin->module = module;
  plugin->entry = reinterpret_cast<FMExternCallProcType>(entry);
  return true;
}

void UnloadPlugin(LoadedPlugin* plugin) {
  if (plugin->module != nullptr) dlclose(plugin->module);
  plugin->module = nullptr;
  plugin->entry = nullptr;
}

std::string PluginString(const LoadedPlugin& plugin, unsigned id) {
  auto load = reinterpret_cast<StandInLoadStringProc>(dlsym(plugin.module, KELV_STANDIN_LOAD_STRING));
  if (load == nullptr) return "";
  char buf[1024];
  int n = load(id, buf, sizeof buf);
  return std::string(buf, n > 0 ? static_cast<size_t>(n) : 0);
}

std::string PluginVersionValue(const LoadedPlugin& plugin, const std::string& key) {
  auto value =
      reinterpret_cast<StandInVersionValueProc>(dlsym(plugin.module, KELV_STANDIN_VERSION_VALUE));
  if (value == nullptr) return "";
  char buf[1024];
  int n = value(key.c_str(), buf, sizeof buf);
  return std::string(buf, n > 0 ? static_cast<size_t>(n) : 0);
}

std::vector<MessageBoxSeen> RunAnsweringWindows(const std::function<void()>& call,
                                                const std::vector<DialogAction>& actions,
                                                DialogSeen* dialog) {
  std::vector<MessageBoxSeen> seen;
  boxesSeen = &seen;
  dialogActions = &actions;
  dialogSeen = dialog;
  call();
  boxesSeen = nullptr;
  dialogActions = nullptr;
  dialogSeen = nullptr;
  return seen;
}

void SleepMilliseconds(uint32_t ms) {
  timespec wait{static_cast<time_t>(ms / 1000), static_cast<long>(ms % 1000) * 1000000L};
  nanosleep(&wait, nullptr);
}

void UseBinaryStandardStreams() {}
