// Fuzz target: kelvhost's reading of one session line, any bytes at all.
//
// Reading never throws. A line it refuses is answered by an error response
// that is one line of ASCII JSON holding the line number and the error; a
// request it accepts carries bytes that travel back to JSON unchanged, and
// dialog control ids of 16 bits.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "ByteText.h"
#include "PluginTexts.h"
#include "Session.h"

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

std::vector<FunctionName> Names() {
  std::vector<FunctionName> names;
#define KELV_NAME(id, Ident, name, Handler, need) names.push_back({id, name});
  KELV_FUNCTION_TABLE(KELV_NAME)
#undef KELV_NAME
  return names;
}

bool RoundTrips(const std::string& bytes) {
  std::string back;
  return BytesFromJsonText(JsonTextFromBytes(bytes), &back) && back == bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::vector<FunctionName> names = Names();
  const std::string line(reinterpret_cast<const char*>(data), size);
  Request request;
  std::string error;
  if (!ReadRequest(line, names, &request, &error)) {
    const std::string response = ErrorResponse(7, error);
    for (unsigned char ch : response) Require(ch >= 0x20 && ch < 0x7F);
    const nlohmann::json parsed = nlohmann::json::parse(response);
    Require(parsed.size() == 2 && parsed["line"] == 7 && parsed["error"].is_string());
    return 0;
  }
  Require(RoundTrips(request.parameter) && RoundTrips(request.resultInit));
  for (const DialogAction& action : request.actions) {
    Require(action.id >= 0 && action.id <= 0xFFFF);
    Require(RoundTrips(action.text));
  }
  Require(request.ms <= 600000);
  return 0;
}
