// kelvhost's JSON Lines session: one request per line in, one response per
// line out, in order.
#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <vector>

#include "PluginHost.h"

struct FunctionName {
  int32_t id;
  std::string name;
};

// The 31 names as the host reads them from the plug-in's string resources.
std::vector<FunctionName> ReadFunctionNames(const LoadedPlugin& plugin);

// Finds a function by name (case ignored) or decimal id; false when unknown.
bool LookUpFunction(const std::vector<FunctionName>& names, const std::string& text, int32_t* id);

// Runs the session; answers the exit status (0, or 2 after an error response).
int RunSession(PluginHost& host, const std::vector<FunctionName>& names, std::istream& in,
               std::ostream& out, bool manual);
