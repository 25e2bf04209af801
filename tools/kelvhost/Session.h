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

// The function names as the host reads them from the plug-in's string
// resources, one for each id of the function table.
std::vector<FunctionName> ReadFunctionNames(const LoadedPlugin& plugin);

// The symbolic id a session or a call may name for the first id past the
// function table, so that a test of an unknown id stays unknown when a
// function is added.
constexpr char kIdPastTheTable[] = "(past the table)";

// Finds a function by name (case ignored), decimal id or kIdPastTheTable;
// false when unknown.
bool LookUpFunction(const std::vector<FunctionName>& names, const std::string& text, int32_t* id);

// One request of a session, read and checked, ready to be carried out.
struct Request {
  enum class Kind { Call, Init, Idle, Shutdown, RawKind, Wait, Preferences };
  Kind kind = Kind::Call;
  int32_t functionId = 0;  // Call
  std::string parameter;   // Call: the parameter's bytes
  std::string resultInit;  // Call: the result handle's bytes at the start
  bool failResizes = false;
  int16_t version = 4;     // Init
  uint8_t level = 0;       // Idle: the idle level; RawKind: the call kind
  uint32_t ms = 0;         // Wait
  std::vector<DialogAction> actions;  // Preferences
};

// Reads one line of a session. False with `error`, the text of the error
// response, when the line is no request kelvhost can carry out.
bool ReadRequest(const std::string& text, const std::vector<FunctionName>& names, Request* request,
                 std::string* error);

// The error response to line `line`, as one line of ASCII JSON.
std::string ErrorResponse(int64_t line, const std::string& error);

// Runs the session; answers the exit status (0, or 2 after an error response).
int RunSession(PluginHost& host, const std::vector<FunctionName>& names, std::istream& in,
               std::ostream& out, bool manual);
