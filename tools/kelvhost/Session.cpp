#include "Session.h"

#include <cctype>
#include <cstdio>
#include <iostream>

#include <nlohmann/json.hpp>

#include "ByteText.h"
#include "PluginTexts.h"

using Json = nlohmann::ordered_json;

namespace {

bool SameIgnoringCase(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  }
  return true;
}

// A request that cannot be carried out; its text is the error response.
struct BadRequest {
  std::string what;
};

std::string BytesField(const Json& request, const char* key) {
  if (!request.contains(key)) return "";
  const Json& value = request[key];
  if (!value.is_string()) throw BadRequest{std::string("\"") + key + "\" must be a string"};
  std::string bytes;
  if (!BytesFromJsonText(value.get<std::string>(), &bytes))
    throw BadRequest{std::string("\"") + key + "\" holds a character above U+00FF"};
  return bytes;
}

int64_t IntegerField(const Json& request, const char* key, int64_t fallback, int64_t low, int64_t high) {
  if (!request.contains(key)) return fallback;
  const Json& value = request[key];
  if (!value.is_number_integer()) throw BadRequest{std::string("\"") + key + "\" must be an integer"};
  // Above 2^63 an unsigned number must not wrap round to a small one.
  const bool huge = value.is_number_unsigned() && value.get<uint64_t>() > static_cast<uint64_t>(INT64_MAX);
  int64_t n = huge ? INT64_MAX : value.get<int64_t>();
  if (n < low || n > high)
    throw BadRequest{std::string("\"") + key + "\" must lie in " + std::to_string(low) + ".." +
                     std::to_string(high)};
  return n;
}

void ReportBoxes(Json* response, const std::vector<MessageBoxSeen>& boxes) {
  if (boxes.empty()) return;
  Json list = Json::array();
  for (const MessageBoxSeen& box : boxes) {
    list.push_back(Json{{"caption", JsonTextFromBytes(box.caption)}, {"text", JsonTextFromBytes(box.text)}});
    std::cerr << "[" << box.caption << "] " << box.text << "\n";
  }
  (*response)["message_boxes"] = list;
}

// A dialog control id: 16 bits, as a dialog template holds it. A larger
// number must not wrap round to another control (4294967297 is not OK).
int ControlId(const Json& id) {
  const bool huge = id.is_number_unsigned() && id.get<uint64_t>() > static_cast<uint64_t>(INT64_MAX);
  const int64_t n = huge ? -1 : id.get<int64_t>();
  if (n < 0 || n > 0xFFFF) throw BadRequest{"a dialog control id must lie in 0..65535"};
  return static_cast<int>(n);
}

// [{"click": 7}, {"type": [9, "."]}, ...]
std::vector<DialogAction> DialogActions(const Json& request) {
  std::vector<DialogAction> actions;
  if (!request.contains("dialog")) return actions;
  const Json& list = request["dialog"];
  if (!list.is_array()) throw BadRequest{"\"dialog\" must be a list of actions"};
  for (const Json& action : list) {
    if (action.is_object() && action.size() == 1 && action.contains("click") &&
        action["click"].is_number_integer()) {
      actions.push_back({true, ControlId(action["click"]), ""});
    } else if (action.is_object() && action.size() == 1 && action.contains("type") &&
               action["type"].is_array() && action["type"].size() == 2 &&
               action["type"][0].is_number_integer() && action["type"][1].is_string()) {
      std::string text;
      if (!BytesFromJsonText(action["type"][1].get<std::string>(), &text))
        throw BadRequest{"a typed text holds a character above U+00FF"};
      actions.push_back({false, ControlId(action["type"][0]), text});
    } else {
      throw BadRequest{"a dialog action is {\"click\": ID} or {\"type\": [ID, TEXT]}"};
    }
  }
  return actions;
}

Json DialogReport(const DialogSeen& dialog) {
  if (!dialog.opened) return nullptr;
  Json texts = Json::object();
  for (const auto& field : dialog.texts) texts[std::to_string(field.first)] = JsonTextFromBytes(field.second);
  Json opened;
  opened["checked"] = dialog.checked;
  opened["disabled"] = dialog.disabled;
  opened["texts"] = texts;
  Json report;
  report["title"] = JsonTextFromBytes(dialog.title);
  report["opened"] = opened;
  return report;
}

Json CodeOf(const CallOutcome& outcome) {
  return outcome.codeWritten ? Json(outcome.code) : Json(nullptr);
}

void ReadCall(const std::vector<FunctionName>& names, const Json& request, Request* out) {
  out->kind = Request::Kind::Call;
  const Json& call = request["call"];
  if (call.is_number_integer()) {
    if (call.is_number_unsigned() && call.get<uint64_t>() > static_cast<uint64_t>(INT32_MAX))
      throw BadRequest{"\"call\" id must fit in 32 bits"};
    int64_t n = call.get<int64_t>();
    if (n < INT32_MIN || n > INT32_MAX) throw BadRequest{"\"call\" id must fit in 32 bits"};
    out->functionId = static_cast<int32_t>(n);
  } else if (call.is_string()) {
    if (!LookUpFunction(names, call.get<std::string>(), &out->functionId))
      throw BadRequest{"unknown function \"" + call.get<std::string>() + "\""};
  } else {
    throw BadRequest{"\"call\" must be a function name or an id"};
  }
  out->parameter = BytesField(request, "param");
  out->resultInit = BytesField(request, "result_init");
  if (request.contains("memory_error")) {
    if (!request["memory_error"].is_boolean()) throw BadRequest{"\"memory_error\" must be true or false"};
    out->failResizes = request["memory_error"].get<bool>();
  }
}

Json RunCall(PluginHost& host, const Request& request) {
  CallOutcome outcome =
      host.ExternalCall(request.functionId, request.parameter, request.resultInit, request.failResizes);
  if (outcome.damaged) throw BadRequest{"the plug-in wrote outside the result handle"};
  Json response;
  if (outcome.resized) {
    response["outcome"] = "result";
    response["result"] = JsonTextFromBytes(outcome.result);
  } else {
    response["outcome"] = "none";
  }
  ReportBoxes(&response, outcome.messageBoxes);
  return response;
}

void ReadEvent(const Json& request, Request* out) {
  if (!request["event"].is_string()) throw BadRequest{"\"event\" must be a string"};
  const std::string event = request["event"].get<std::string>();
  if (event == "init") {
    out->kind = Request::Kind::Init;
    out->version = static_cast<int16_t>(IntegerField(request, "version", 4, INT16_MIN, INT16_MAX));
  } else if (event == "idle") {
    out->kind = Request::Kind::Idle;
    out->level = static_cast<uint8_t>(IntegerField(request, "level", 0, 0, 255));
  } else if (event == "shutdown") {
    out->kind = Request::Kind::Shutdown;
  } else if (event == "kind") {
    if (!request.contains("kind")) throw BadRequest{"\"kind\" is missing"};
    out->kind = Request::Kind::RawKind;
    out->level = static_cast<uint8_t>(IntegerField(request, "kind", 0, 0, 255));
  } else if (event == "wait") {
    if (!request.contains("ms")) throw BadRequest{"\"ms\" is missing"};
    out->kind = Request::Kind::Wait;
    out->ms = static_cast<uint32_t>(IntegerField(request, "ms", 0, 0, 600000));
  } else if (event == "preferences") {
    out->kind = Request::Kind::Preferences;
    out->actions = DialogActions(request);
  } else {
    throw BadRequest{"unknown event \"" + event + "\""};
  }
}

Json RunEvent(PluginHost& host, const Request& request) {
  Json response;
  switch (request.kind) {
    case Request::Kind::Init: {
      CallOutcome outcome = host.Init(request.version);
      response["outcome"] = "init";
      response["code"] = CodeOf(outcome);
      ReportBoxes(&response, outcome.messageBoxes);
      break;
    }
    case Request::Kind::Idle:
      ReportBoxes(&response, host.RawKind(CallKind::Idle, request.level).messageBoxes);
      response["outcome"] = "done";
      break;
    case Request::Kind::Shutdown: {
      CallOutcome outcome = host.RawKind(CallKind::Shutdown);
      response["outcome"] = "done";
      ReportBoxes(&response, outcome.messageBoxes);
      break;
    }
    case Request::Kind::RawKind: {
      CallOutcome outcome = host.RawKind(request.level);
      response["outcome"] = "done";
      response["code"] = CodeOf(outcome);
      ReportBoxes(&response, outcome.messageBoxes);
      break;
    }
    case Request::Kind::Wait:
      SleepMilliseconds(request.ms);
      response["outcome"] = "done";
      break;
    case Request::Kind::Preferences: {
      CallOutcome outcome = host.Preferences(request.actions);
      response["outcome"] = "done";
      response["dialog"] = DialogReport(outcome.dialog);
      ReportBoxes(&response, outcome.messageBoxes);
      break;
    }
    case Request::Kind::Call: return RunCall(host, request);
  }
  return response;
}

// The parser's message quotes what it read, raw bytes included: bytes outside
// printable ASCII are shown as <XX> so the message is plain text.
std::string PrintableText(const std::string& text) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string shown;
  for (unsigned char ch : text) {
    if (ch >= 0x20 && ch < 0x7F) {
      shown.push_back(static_cast<char>(ch));
    } else {
      shown += '<';
      shown += kHex[ch >> 4];
      shown += kHex[ch & 15];
      shown += '>';
    }
  }
  return shown;
}

std::string ResponseText(int64_t line, const Json& body) {
  Json response;
  response["line"] = line;
  for (auto it = body.begin(); it != body.end(); ++it) response[it.key()] = it.value();
  // ASCII only: bytes above 0x7F travel as \u00XX escapes. Every text put
  // into a response is valid UTF-8; should one not be, it is written with
  // U+FFFD rather than ending the session.
  return response.dump(-1, ' ', true, Json::error_handler_t::replace);
}

}  // namespace

bool ReadRequest(const std::string& text, const std::vector<FunctionName>& names, Request* request,
                 std::string* error) {
  *request = Request{};
  try {
    Json json = Json::parse(text);
    if (!json.is_object()) throw BadRequest{"a request must be a JSON object"};
    if (json.contains("call")) ReadCall(names, json, request);
    else if (json.contains("event")) ReadEvent(json, request);
    else throw BadRequest{"a request needs \"call\" or \"event\""};
    return true;
  } catch (const BadRequest& bad) {
    *error = bad.what;
  } catch (const Json::exception& bad) {
    *error = std::string("not JSON: ") + PrintableText(bad.what());
  }
  return false;
}

std::string ErrorResponse(int64_t line, const std::string& error) {
  return ResponseText(line, Json{{"error", error}});
}

std::vector<FunctionName> ReadFunctionNames(const LoadedPlugin& plugin) {
  std::vector<FunctionName> names;
  for (int32_t id = 0; id < KELV_FUNCTION_COUNT; ++id) {
    names.push_back({id, PluginString(plugin, KELV_STRING_FIRST_FUNCTION + static_cast<unsigned>(id))});
  }
  return names;
}

bool LookUpFunction(const std::vector<FunctionName>& names, const std::string& text, int32_t* id) {
  for (const FunctionName& f : names) {
    if (!f.name.empty() && SameIgnoringCase(f.name, text)) {
      *id = f.id;
      return true;
    }
  }
  if (text == kIdPastTheTable) {
    *id = KELV_FUNCTION_COUNT;
    return true;
  }
  // A decimal id, any 32-bit value.
  if (text.empty()) return false;
  size_t i = (text[0] == '-' || text[0] == '+') ? 1 : 0;
  if (i == text.size() || text.size() - i > 10) return false;
  for (size_t k = i; k < text.size(); ++k) {
    if (!std::isdigit(static_cast<unsigned char>(text[k]))) return false;
  }
  long long value = std::stoll(text);
  if (value < INT32_MIN || value > INT32_MAX) return false;
  *id = static_cast<int32_t>(value);
  return true;
}

int RunSession(PluginHost& host, const std::vector<FunctionName>& names, std::istream& in,
               std::ostream& out, bool manual) {
  if (!manual) host.Init(4);
  int status = 0;
  std::string text;
  for (int64_t line = 1; std::getline(in, text); ++line) {
    if (!text.empty() && text.back() == '\r') text.pop_back();
    if (text.find_first_not_of(" \t") == std::string::npos) continue;
    Request request;
    std::string error;
    std::string response;
    if (!ReadRequest(text, names, &request, &error)) {
      response = ErrorResponse(line, error);
      status = 2;
    } else {
      try {
        response = ResponseText(line, RunEvent(host, request));
      } catch (const BadRequest& bad) {
        response = ErrorResponse(line, bad.what);
        status = 2;
      }
    }
    out << response << "\n";
    out.flush();
  }
  if (!manual) host.RawKind(CallKind::Shutdown);
  return status;
}
