// What kelvhost needs from the system it runs on: loading the plug-in,
// reading its resource texts the way the host does, and seeing the windows
// it opens. HostPlatformWin32.cpp and HostPlatformNative.cpp provide it.
#pragma once

#include <cstdint>
#include <functional>
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

// Runs `call` while answering every message box it shows with OK; answers
// the boxes' captions and texts in order.
std::vector<MessageBoxSeen> RunAnsweringMessageBoxes(const std::function<void()>& call);

void SleepMilliseconds(uint32_t ms);

// Standard input and output carry bytes unchanged (no CR LF translation).
void UseBinaryStandardStreams();
