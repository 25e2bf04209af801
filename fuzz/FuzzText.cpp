// Fuzz target: the two tokenisers and the case-insensitive search over any
// text, separator set and field count.
//
// Input: byte 0 picks the field count (1..40), byte 1 the separator set, the
// rest is the text. Every field must lie inside the text's buffer (which is
// exactly as long as the text, so the sanitizers see a byte past it), the
// counts stay within their bounds and the list ends with NULL.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "text/VXString.h"

namespace {

const char* const kSeparatorSets[] = {"|", "/-", ":", " \t", "|\"", "\\", "", "/-.:"};

void Require(bool condition) {
  if (!condition) std::abort();
}

void CheckFields(char* const* argv, int32_t count, const char* begin, size_t size) {
  for (int32_t i = 0; i < count; ++i) {
    Require(argv[i] != nullptr);
    Require(argv[i] >= begin && argv[i] <= begin + size);
    Require(std::memchr(argv[i], 0, static_cast<size_t>(begin + size + 1 - argv[i])) != nullptr);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  const int32_t maxargs = 1 + data[0] % 40;
  const char* seps = kSeparatorSets[data[1] % 8];
  const size_t length = size - 2;
  std::vector<char*> argv(static_cast<size_t>(maxargs) + 1, nullptr);

  char* text = static_cast<char*>(std::malloc(length + 1));
  std::memcpy(text, data + 2, length);
  text[length] = 0;
  const int32_t tokens = VXStrTokenize(text, argv.data(), seps, maxargs);
  Require(tokens >= 0 && tokens < maxargs);
  Require(argv[static_cast<size_t>(tokens)] == nullptr);
  CheckFields(argv.data(), tokens, text, length);

  std::memcpy(text, data + 2, length);
  text[length] = 0;
  const int32_t fields = VXStrSplit(text, argv.data(), seps, maxargs);
  Require(fields >= 1 && fields <= maxargs);
  CheckFields(argv.data(), fields, text, length);

  // The text searched in itself from its middle on is found at once, and
  // whatever is found lies inside the text.
  std::memcpy(text, data + 2, length);
  text[length] = 0;
  const char* pattern = text + std::strlen(text) / 2;
  const char* found = VXStrFindNoCase(text, pattern);
  Require(found == nullptr || (found >= text && found <= text + length));
  Require(VXStrCompareNoCase(text, text) == 0);
  std::free(text);
  return 0;
}
