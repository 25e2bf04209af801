// kelvhost on the web build, run by node: the plug-in's code is linked into
// kelvhost.wasm (no dynamic loading exists there), so "loading" it hands over
// its entry point directly; its resource texts come from the same stand-in
// lookups the native plug-in exports, and its message boxes from the hook the
// web stand-ins offer. The preferences dialog is not offered on the web: a
// Preferences call opens nothing.
#include <emscripten/emscripten.h>
#include <sys/stat.h>

#include <climits>
#include <ctime>

#include "HostPlatform.h"
#include "StandInWebDesktop.h"

extern "C" {
void FMExternCallProc(ExternCallBlock* block);
int KelvStandInLoadString(unsigned id, char* buf, int size);
int KelvStandInVersionValue(const char* key, char* buf, int size);
}

namespace {

std::vector<MessageBoxSeen>* boxesSeen = nullptr;

int RecordMessageBox(const char* caption, const char* text) {
  if (boxesSeen != nullptr) boxesSeen->push_back({caption, text});
  return IDOK;
}

// The script node runs (kelvhost.js), as an absolute path.
EM_JS(int, ScriptPath, (char* buffer, int size), {
  return stringToUTF8(__filename, buffer, size);
});

std::string ScriptFolder() {
  char script[PATH_MAX];
  ScriptPath(script, sizeof script);
  std::string path(script);
  return path.substr(0, path.rfind('/') + 1);
}

}  // namespace

// kelvhost.wasm beside the script: where the plug-in's code is.
std::string DefaultPluginPath() { return ScriptFolder() + "kelvhost.wasm"; }

bool LoadPlugin(const std::string& path, LoadedPlugin* plugin, std::string* error) {
  struct stat info;
  if (stat(path.c_str(), &info) != 0) {
    *error = "cannot load plug-in " + path + ": no such file";
    return false;
  }
  if (path != DefaultPluginPath()) {
    *error = "cannot load plug-in " + path + ": the web build's kelvhost runs the plug-in linked into it";
    return false;
  }
  plugin->module = nullptr;
  plugin->entry = FMExternCallProc;
  return true;
}

void UnloadPlugin(LoadedPlugin* plugin) {
  plugin->entry = nullptr;
}

std::string PluginString(const LoadedPlugin&, unsigned id) {
  char buf[1024];
  int n = KelvStandInLoadString(id, buf, sizeof buf);
  return std::string(buf, n > 0 ? static_cast<size_t>(n) : 0);
}

std::string PluginVersionValue(const LoadedPlugin&, const std::string& key) {
  char buf[1024];
  int n = KelvStandInVersionValue(key.c_str(), buf, sizeof buf);
  return std::string(buf, n > 0 ? static_cast<size_t>(n) : 0);
}

std::vector<MessageBoxSeen> RunAnsweringWindows(const std::function<void()>& call,
                                                const std::vector<DialogAction>&, DialogSeen*) {
  std::vector<MessageBoxSeen> seen;
  boxesSeen = &seen;
  SetStandInMessageBoxHook(RecordMessageBox);
  call();
  SetStandInMessageBoxHook(nullptr);
  boxesSeen = nullptr;
  return seen;
}

void SleepMilliseconds(uint32_t ms) {
  timespec wait{static_cast<time_t>(ms / 1000), static_cast<long>(ms % 1000) * 1000000L};
  nanosleep(&wait, nullptr);
}

void UseBinaryStandardStreams() {}
