// What kelvhost needs from the system it runs on: loading the plug-in,
// reading its resource texts the way the host does, and seeing the windows
// it opens. HostPlatformWin32.cpp and HostPlatformNative.cpp provide it.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "host/CallBlock.h"

struct LoadedPlugin {
  void* module = nullptr;  // HMODULE or dlopen handle
  FMExternCallProcType entry = nullptr;
};

struct MessageBoxSeen {
  std::string caption;
  std::string text;
};

// The plug-in beside the kelvhost executable.
std::string DefaultPluginPath();

// Loads the library and finds its entry point; on failure `error` says why.
bool LoadPlugin(const std::string& path, LoadedPlugin* plugin, std::string* error);
void UnloadPlugin(LoadedPlugin* plugin);

// A string resource of the plug-in; empty when it has none.
std::string PluginString(const LoadedPlugin& plugin, unsigned id);
// A value of the version block ("FileVersion", ...) or "#" for the numeric
// file version "a.b.c.d"; empty when missing.
std::string PluginVersionValue(const LoadedPlugin& plugin, const std::string& key);

// One action on the preferences dialog, as a person would take it.
struct DialogAction {
  bool click;        // press control `id`; else type `text` into field `id`
  int id;
  std::string text;
};

// What the dialog showed once it had finished opening.
struct DialogSeen {
  bool opened = false;
  std::string title;
  std::vector<int> checked;          // ticked radio buttons and check boxes
  std::vector<int> disabled;         // disabled controls among 5..22
  std::map<int, std::string> texts;  // edit fields 9, 10, 11, 20, 22
};

// Runs `call` while answering every message box it shows with OK and working
// the preferences dialog, should it open, with `actions` (then Cancel if it
// is still open). Answers the boxes' captions and texts in order.
std::vector<MessageBoxSeen> RunAnsweringWindows(const std::function<void()>& call,
                                                const std::vector<DialogAction>& actions,
                                                DialogSeen* dialog);

void SleepMilliseconds(uint32_t ms);

// Standard input and output carry bytes unchanged (no CR LF translation).
void UseBinaryStandardStreams();
