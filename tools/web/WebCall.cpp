// The browser module's host: the one call a web page makes, the host's
// external call, through the same entry point and call block as the DLL.
//
//   KelvWebStart()                      Init, once, when the module has loaded
//   KelvWebCall(function, parameter)    one external call, answered as JSON
//
// Texts cross as UTF-8 whose code points U+0000..U+00FF are the plug-in's
// bytes (its 8-bit text, Windows-1252 as the host writes it, passed through
// unread), so a JavaScript string of such characters arrives byte for byte.
// The parameter comes as a JSON string ("a\u0000b"): a C text would end at
// its first NUL, where the host hands the plug-in every byte with the
// text's size. The answer is one line of ASCII JSON, the bytes written back
// as the same code points (\u00e9 for the byte E9):
//
//   {"result":"2","boxes":[]}
//   {"result":null,"boxes":[]}                    no result was written
//   {"result":"??","boxes":[{"title":"Overflow Message","text":"..."}]}
//   {"error":"unknown function \"x\"","result":null,"boxes":[]}
//
// A page may close after any call, so each call ends with the host's
// Shutdown call, which saves the preferences (the plug-in goes on working
// after it); the page's script then keeps the preference file's bytes.
#include <emscripten/emscripten.h>

#include <nlohmann/json.hpp>

#include "ByteText.h"
#include "PluginHost.h"
#include "Session.h"
#include "StandInFileFaults.h"

extern "C" void FMExternCallProc(ExternCallBlock* block);

namespace {

// The preference file lies beside the host program: /kelvdate/DateTimePrefs.dtp.
const char kProgramPath[] = "/kelvdate/kelvdate-web.js";

const LoadedPlugin kPlugin{nullptr, FMExternCallProc};
std::string answer;  // the last answer, valid until the next call

nlohmann::ordered_json Answer(const std::string& error) {
  nlohmann::ordered_json out;
  if (!error.empty()) out["error"] = error;
  out["result"] = nullptr;
  out["boxes"] = nlohmann::ordered_json::array();
  return out;
}

const char* Keep(const nlohmann::ordered_json& out) {
  answer = out.dump(-1, ' ', true);
  return answer.c_str();
}

}  // namespace

extern "C" EMSCRIPTEN_KEEPALIVE void KelvWebStart() {
  SetStandInProgramPath(kProgramPath);
  PluginHost(kPlugin).Init(4);
}

extern "C" EMSCRIPTEN_KEEPALIVE const char* KelvWebCall(const char* function, const char* parameterJson) {
  static const std::vector<FunctionName> names = ReadFunctionNames(kPlugin);
  std::string name;
  std::string bytes;
  if (function == nullptr || !BytesFromJsonText(function, &name))
    return Keep(Answer("the function name must be characters U+0000..U+00FF"));
  const nlohmann::json parameter =
      parameterJson != nullptr ? nlohmann::json::parse(parameterJson, nullptr, false) : nlohmann::json();
  if (!parameter.is_string() || !BytesFromJsonText(parameter.get<std::string>(), &bytes))
    return Keep(Answer("the parameter must be characters U+0000..U+00FF"));
  int32_t id = 0;
  if (!LookUpFunction(names, name, &id)) return Keep(Answer("unknown function \"" + JsonTextFromBytes(name) + "\""));

  PluginHost host(kPlugin);
  CallOutcome outcome = host.ExternalCall(id, bytes, "", false);
  host.RawKind(CallKind::Shutdown);

  nlohmann::ordered_json out = Answer("");
  if (outcome.resized) out["result"] = JsonTextFromBytes(outcome.result);
  for (const MessageBoxSeen& box : outcome.messageBoxes)
    out["boxes"].push_back({{"title", JsonTextFromBytes(box.caption)}, {"text", JsonTextFromBytes(box.text)}});
  return Keep(out);
}
