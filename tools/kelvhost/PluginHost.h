// The host side of the plug-in interface: the call block, the handle
// services and the calls themselves, as the database application makes them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "HostPlatform.h"

struct CallOutcome {
  bool resized = false;          // the result handle was resized at least once
  std::string result;            // its content when the call returned
  bool codeWritten = false;      // the block's result field was written
  int64_t code = 0;              // what was written there
  bool damaged = false;          // bytes past a handle's end, or the parameter, were changed
  std::vector<MessageBoxSeen> messageBoxes;
  DialogSeen dialog;             // the preferences dialog, when it opened
};

class PluginHost {
 public:
  explicit PluginHost(const LoadedPlugin& plugin) : plugin_(plugin) {}

  // A call of kind Init with this interface version.
  CallOutcome Init(int16_t interfaceVersion);
  // An external call with the parameter bytes and the result's initial bytes;
  // with failResizes every ResizeHandle fails.
  CallOutcome ExternalCall(int32_t functionId, const std::string& parameter,
                           const std::string& resultInit, bool failResizes);
  // A call of any kind with empty handles, interface version 4, function 0.
  CallOutcome RawKind(uint8_t kind, uint8_t idleLevel = 0);
  // A Preferences call; the dialog that opens is worked with `actions`.
  CallOutcome Preferences(const std::vector<DialogAction>& actions);

 private:
  CallOutcome Call(uint8_t kind, int16_t version, int32_t functionId, const std::string& parameter,
                   const std::string& resultInit, bool failResizes, bool resultIsHandle,
                   uint8_t idleLevel, const std::vector<DialogAction>& actions = {});
  LoadedPlugin plugin_;
};
