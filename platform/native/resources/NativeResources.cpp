// The native build's resource section: the same texts the Windows build
// carries in its string table and version block, from the resource compiler.
#include "PlatformApi.h"
#include "PluginTexts.h"
#include "StandInResources.h"

#include <cstring>

namespace {

#define KELV_STRINGIFY2(...) #__VA_ARGS__
#define KELV_STRINGIFY(...) KELV_STRINGIFY2(__VA_ARGS__)

int CopyOut(const char* text, char* buf, int size) {
  if (text == nullptr || buf == nullptr || size <= 0) return 0;
  int length = static_cast<int>(std::strlen(text));
  if (length > size - 1) length = size - 1;
  std::memcpy(buf, text, static_cast<size_t>(length));
  buf[length] = 0;
  return length;
}

const char* FindString(unsigned id) {
  switch (id) {
    case KELV_STRING_NAME: return KELV_TEXT_NAME;
    case KELV_STRING_DESCRIPTION: return KELV_TEXT_DESCRIPTION;
    case KELV_STRING_OPTIONS: return KELV_TEXT_OPTIONS;
#define KELV_CASE(id, Ident, name, Handler, need) case KELV_STRING_FIRST_FUNCTION + id: return name;
    KELV_FUNCTION_TABLE(KELV_CASE)
#undef KELV_CASE
    default: return nullptr;
  }
}

// "3, 0, 2, 0" as the numeric version "3.0.2.0".
void NumericVersion(char* out, int size) {
  const char* spelled = KELV_STRINGIFY(KELV_VERSION_NUMBERS);
  int n = 0;
  for (const char* p = spelled; *p != 0 && n < size - 1; ++p) {
    if (*p == ' ') continue;
    out[n++] = (*p == ',') ? '.' : *p;
  }
  out[n] = 0;
}

}  // namespace

extern "C" KELV_EXPORT int KelvStandInLoadString(unsigned id, char* buf, int size) {
  return CopyOut(FindString(id), buf, size);
}

extern "C" KELV_EXPORT int KelvStandInVersionValue(const char* key, char* buf, int size) {
  if (key == nullptr) return 0;
  if (std::strcmp(key, "#") == 0) {
    char numeric[32];
    NumericVersion(numeric, sizeof numeric);
    return CopyOut(numeric, buf, size);
  }
  if (std::strcmp(key, "FileVersion") == 0) return CopyOut(KELV_VERSION_TEXT, buf, size);
  if (std::strcmp(key, "ProductVersion") == 0) return CopyOut(KELV_VERSION_TEXT, buf, size);
  if (std::strcmp(key, "InternalName") == 0) return CopyOut(KELV_INTERNAL_NAME, buf, size);
  if (std::strcmp(key, "ProductName") == 0) return CopyOut(KELV_TEXT_NAME, buf, size);
  if (std::strcmp(key, "FileDescription") == 0) return CopyOut(KELV_FILE_DESCRIPTION, buf, size);
  return 0;
}
