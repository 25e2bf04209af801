// The program file of the web build. Under node the process's executable is
// node itself; the program is the script node runs (kelvhost.js, a test), so
// the preference file lies beside the script, as it lies beside the native
// build's executable. A browser page has no program file: the path is
// unknown, and a page's host names one with SetStandInProgramPath.
#include <emscripten/emscripten.h>

#include <cstring>

#include "platform/native/NativePaths.h"

namespace {
// The script's absolute path as UTF-8, or 0 bytes outside node.
EM_JS(int, ScriptPathLength, (char* buffer, int size), {
  if (typeof process === 'undefined' || typeof __filename === 'undefined') return 0;
  return stringToUTF8(__filename, buffer, size);
});
}  // namespace

ssize_t ReadProgramPath(char* buffer, size_t size) {
  char script[4096];
  int n = ScriptPathLength(script, sizeof script);
  if (n <= 0 || n >= static_cast<int>(sizeof script) - 1) return -1;
  size_t length = static_cast<size_t>(n) < size ? static_cast<size_t>(n) : size;
  std::memcpy(buffer, script, length);  // cut to the buffer, as readlink does
  return static_cast<ssize_t>(length);
}
