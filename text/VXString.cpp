#include "VXString.h"

#include "Decimal.h"

#include <cstdio>
#include <cstring>
#include <cstdlib>

#include "PlatformApi.h"

#define VX_ASSERT(condition) \
  ((condition) ? (void)0 : VXAssertFailed(#condition, "VXString", __LINE__))

const unsigned char VXLowerCaseMap[256] = {
    // 0x00 - 0x3F map to themselves
    0x00, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0x0A, 0x0B, 0x0C, 0x0D, 0x0E, 0x0F,
    0x10, 0x11, 0x12, 0x13, 0x14, 0x15, 0x16, 0x17, 0x18, 0x19, 0x1A, 0x1B, 0x1C, 0x1D, 0x1E, 0x1F,
    0x20, 0x21, 0x22, 0x23, 0x24, 0x25, 0x26, 0x27, 0x28, 0x29, 0x2A, 0x2B, 0x2C, 0x2D, 0x2E, 0x2F,
    0x30, 0x31, 0x32, 0x33, 0x34, 0x35, 0x36, 0x37, 0x38, 0x39, 0x3A, 0x3B, 0x3C, 0x3D, 0x3E, 0x3F,
    // 0x40 '@', then A-Z (0x41-0x5A) to a-z
    0x40, 0x61, 0x62, 0x63, 0x64, 0x65, 0x66, 0x67, 0x68, 0x69, 0x6A, 0x6B, 0x6C, 0x6D, 0x6E, 0x6F,
    0x70, 0x71, 0x72, 0x73, 0x74, 0x75, 0x76, 0x77, 0x78, 0x79, 0x7A, 0x5B, 0x5C, 0x5D, 0x5E, 0x5F,
    0x60, 0x61, 0x62, 0x63, 0x64, 0x65, 0x66, 0x67, 0x68, 0x69, 0x6A, 0x6B, 0x6C, 0x6D, 0x6E, 0x6F,
    0x70, 0x71, 0x72, 0x73, 0x74, 0x75, 0x76, 0x77, 0x78, 0x79, 0x7A, 0x7B, 0x7C, 0x7D, 0x7E, 0x7F,
    // 0x80-0x86: A diaeresis, A ring, C cedilla, E acute, N tilde, O diaeresis, U diaeresis
    0x8A, 0x8C, 0x8D, 0x8E, 0x96, 0x9A, 0x9F, 0x87, 0x88, 0x89, 0x8A, 0x8B, 0x8C, 0x8D, 0x8E, 0x8F,
    0x90, 0x91, 0x92, 0x93, 0x94, 0x95, 0x96, 0x97, 0x98, 0x99, 0x9A, 0x9B, 0x9C, 0x9D, 0x9E, 0x9F,
    // 0xAE AE ligature, 0xAF O slash
    0xA0, 0xA1, 0xA2, 0xA3, 0xA4, 0xA5, 0xA6, 0xA7, 0xA8, 0xA9, 0xAA, 0xAB, 0xAC, 0xAD, 0xBE, 0xBF,
    // 0xB8 capital Pi
    0xB0, 0xB1, 0xB2, 0xB3, 0xB4, 0xB5, 0xB6, 0xB7, 0xB9, 0xB9, 0xBA, 0xBB, 0xBC, 0xBD, 0xBE, 0xBF,
    // 0xCB A grave, 0xCC A tilde, 0xCD O tilde, 0xCE OE ligature
    0xC0, 0xC1, 0xC2, 0xC3, 0xC4, 0xC5, 0xC6, 0xC7, 0xC8, 0xC9, 0xCA, 0x88, 0x8B, 0x9B, 0xCF, 0xCF,
    0xD0, 0xD1, 0xD2, 0xD3, 0xD4, 0xD5, 0xD6, 0xD7, 0xD8, 0xD9, 0xDA, 0xDB, 0xDC, 0xDD, 0xDE, 0xDF,
    0xE0, 0xE1, 0xE2, 0xE3, 0xE4, 0xE5, 0xE6, 0xE7, 0xE8, 0xE9, 0xEA, 0xEB, 0xEC, 0xED, 0xEE, 0xEF,
    0xF0, 0xF1, 0xF2, 0xF3, 0xF4, 0xF5, 0xF6, 0xF7, 0xF8, 0xF9, 0xFA, 0xFB, 0xFC, 0xFD, 0xFE, 0xFF,
};

namespace {

inline unsigned char Mapped(char ch) { return VXLowerCaseMap[static_cast<unsigned char>(ch)]; }
inline int32_t Signed8(unsigned char ch) { return static_cast<signed char>(ch); }
inline bool IsLineEnd(char ch) { return ch == 0 || ch == '\r' || ch == '\n'; }

int32_t Length(const char* text) {
  int32_t length = 0;
  while (text[length] != 0) ++length;
  return length;
}

// What a byte is to the token scan. Line ends come first, then the quote and
// the backslash, then the separators.
enum : uint8_t { kPlain, kSeparator, kBackslash, kQuote, kLineEnd };

// The roles whatever the separators: the backslash, the quote, and the line
// ends NUL, CR and LF.
constexpr uint8_t kFixedRoles[256] = {
    4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 4, 0, 0, 4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
    0, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 0, 0, 0,
};

// The roles with "|" as the one separator, the parameters' own.
struct RoleTable {
  uint8_t role[256];
};
constexpr RoleTable BarRoles() {
  RoleTable t{};
  for (int32_t i = 0; i < 256; ++i) t.role[i] = kFixedRoles[i];
  t.role[static_cast<unsigned char>('|')] = kSeparator;
  return t;
}
constexpr RoleTable kBarRoles = BarRoles();

// Ends a token scan at p: the line end becomes the text's end.
int32_t EndScan(char* end, char** argv, int32_t count) {
  *end = 0;
  argv[count] = nullptr;
  return count;
}

}  // namespace

void VXStrCopy(char* dest, const char* src, int32_t limit) {
  VX_ASSERT(dest != NULL);
  if (src == nullptr) {
    dest[0] = 0;
    return;
  }
  if (limit <= 0) return;
  int32_t i = 0;
  while (i < limit && src[i] != 0) {
    dest[i] = src[i];
    ++i;
  }
  dest[i] = 0;
}

void VXStrAppend(char* dest, const char* src, int32_t size) {
  VX_ASSERT(dest != NULL);
  if (src == nullptr || size <= 0) return;
  int32_t length = Length(dest);
  if (length >= size - 1) return;
  int32_t room = size - 1 - length;
  int32_t i = 0;
  while (i < room && src[i] != 0) {
    dest[length + i] = src[i];
    ++i;
  }
  dest[length + i] = 0;
}

int32_t VXStrCompareNoCase(const char* first, const char* second) {
  if (first == nullptr && second == nullptr) return 0;
  if (first == nullptr) return -1;
  if (second == nullptr) return 1;
  while (*first != 0 && *second != 0) {
    if (*first != *second && Mapped(*first) != Mapped(*second))
      return Signed8(Mapped(*first)) - Signed8(Mapped(*second));
    ++first;
    ++second;
  }
  return Signed8(static_cast<unsigned char>(*first)) - Signed8(static_cast<unsigned char>(*second));
}

const char* VXStrFindNoCase(const char* text, const char* pattern) {
  if (text == nullptr || pattern == nullptr) return nullptr;
  // Both texts count as cut at 255 characters, as if copied to 256-byte buffers.
  constexpr int32_t kLimit = 255;
  for (int32_t start = 0;; ++start) {
    int32_t i = 0;
    while (i < kLimit && pattern[i] != 0 && start + i < kLimit && text[start + i] != 0 &&
           Mapped(text[start + i]) == Mapped(pattern[i]))
      ++i;
    if (i == kLimit || pattern[i] == 0) return text + start;
    if (start >= kLimit || text[start] == 0) return nullptr;
  }
}

namespace {

// Where a token scan stands: the tokens found so far and whether the scan
// is inside a plain token or a quoted one. A step answers where the scan
// goes on, or NULL once it has ended at endAt.
struct TokenScan {
  char** argv;
  int32_t maxargs;
  int32_t count;
  bool inToken;
  bool inQuotes;
  char* endAt;

  char* End(char* at) {
    endAt = at;
    return nullptr;
  }
  // A token starts at `at`; false when the last slot is the terminator's.
  bool Open(char* at) {
    if (count == maxargs - 1) return false;
    argv[count++] = at;
    return true;
  }
};

// A quote inside an unquoted token is literal. Otherwise it closes the
// quoted token, or is an empty pair that yields no token, or opens a quoted
// token whose first character is taken unexamined.
char* ScanQuote(char* at, TokenScan* scan) {
  if (scan->inToken) return at + 1;
  *at = 0;
  if (scan->inQuotes) {
    scan->inQuotes = false;
    return at + 1;
  }
  const char next = at[1];
  if (next == '"') return at + 2;
  if (IsLineEnd(next) || !scan->Open(at + 1)) return scan->End(at + 1);
  scan->inQuotes = true;
  return at + 2;
}

// Drops the backslash: the rest of the line moves one place left, and the
// character after it is plain.
char* ScanBackslash(char* at, TokenScan* scan) {
  char* moved = at;
  while (!IsLineEnd(moved[1])) {
    moved[0] = moved[1];
    ++moved;
  }
  moved[0] = moved[1];
  if (IsLineEnd(*at)) return scan->End(at);
  if (!scan->inToken && !scan->inQuotes) {
    if (!scan->Open(at)) return scan->End(at);
    scan->inToken = true;
  }
  return at + 1;
}

// A separator ends a plain token; inside quotes it is kept.
char* ScanSeparator(char* at, TokenScan* scan) {
  if (!scan->inQuotes) {
    *at = 0;
    scan->inToken = false;
  }
  return at + 1;
}

// A run of plain characters, opening a token outside one; the rest of the
// run needs no more than its role.
template <typename RoleOf>
char* ScanPlainRun(char* at, TokenScan* scan, RoleOf roleOf) {
  if (!scan->inToken && !scan->inQuotes) {
    if (!scan->Open(at)) return scan->End(at);
    scan->inToken = true;
  }
  do {
    ++at;
  } while (roleOf(*at) == kPlain);
  return at;
}

// The token scan, with the separator test as a parameter: two comparisons
// for the usual one or two separators, a table for longer sets. Line ends
// come first, then the quote and the backslash, then the separators.
template <typename RoleOf>
int32_t ScanTokens(char* str, char** argv, int32_t maxargs, RoleOf roleOf) {
  TokenScan scan{argv, maxargs, 0, false, false, nullptr};
  for (char* at = str; at != nullptr;) {
    switch (roleOf(*at)) {
      case kLineEnd: return EndScan(at, argv, scan.count);
      case kQuote: at = ScanQuote(at, &scan); break;
      case kBackslash: at = ScanBackslash(at, &scan); break;
      case kSeparator: at = ScanSeparator(at, &scan); break;
      default: at = ScanPlainRun(at, &scan, roleOf); break;
    }
  }
  return EndScan(scan.endAt, argv, scan.count);
}

}  // namespace



int32_t VXStrTokenize(char* str, char** argv, const char* seps, int32_t maxargs) {
  VX_ASSERT(str != NULL);
  VX_ASSERT(argv != NULL);
  VX_ASSERT(seps != NULL);
  VX_ASSERT(maxargs > 0);
  if (*str == 0) {
    argv[0] = nullptr;
    return 0;
  }
  const int32_t sepCount = Length(seps);
  if (sepCount == 1 && seps[0] == '|') {
    return ScanTokens(str, argv, maxargs, [](char ch) { return kBarRoles.role[static_cast<unsigned char>(ch)]; });
  }
  if (sepCount <= 2) {
    const char sep0 = seps[0];  // NUL when there are none
    const char sep1 = sepCount > 1 ? seps[1] : sep0;
    // With no separators, NUL stands for both: it is a line end before it is tested.
    return ScanTokens(str, argv, maxargs, [sep0, sep1](char ch) -> uint8_t {
      const uint8_t fixed = kFixedRoles[static_cast<unsigned char>(ch)];
      if (fixed != kPlain) return fixed;
      return ch == sep0 || ch == sep1 ? kSeparator : kPlain;
    });
  }
  uint8_t roles[256];
  std::memcpy(roles, kFixedRoles, sizeof roles);
  for (const char* s = seps; *s != 0; ++s) {
    if (roles[static_cast<unsigned char>(*s)] == kPlain) roles[static_cast<unsigned char>(*s)] = kSeparator;
  }
  return ScanTokens(str, argv, maxargs, [&roles](char ch) { return roles[static_cast<unsigned char>(ch)]; });
}

int32_t VXStrSplit(char* str, char** argv, const char* seps, int32_t maxargs) {
  VX_ASSERT(str != NULL);
  VX_ASSERT(argv != NULL);
  VX_ASSERT(seps != NULL);
  VX_ASSERT(maxargs > 0);
  for (int32_t i = 0; i < maxargs; ++i) argv[i] = nullptr;
  char* fieldStart = str;
  int32_t count = 0;
  for (char* p = str; *p != 0; ++p) {
    if (*p == '\v') *p = '\r';
    if (VXCharInSet(*p, seps)) {
      *p = 0;
      argv[count++] = fieldStart;
      fieldStart = p + 1;
      if (count == maxargs) return count;
    }
  }
  argv[count++] = fieldStart;
  return count;
}

bool VXCharInSet(char ch, const char* seps) {
  if (ch == 0 || seps == nullptr) return false;
  for (; *seps != 0; ++seps) {
    if (*seps == ch) return true;
  }
  return false;
}

char VXCharToLower(char ch) { return static_cast<char>(Mapped(ch)); }

void VXStrToLower(char* text) {
  if (text == nullptr) return;
  for (; *text != 0; ++text) *text = VXCharToLower(*text);
}

int32_t VXMemCompare(const void* first, const void* second, int32_t count, bool ignoreCase) {
  if (first == nullptr && second == nullptr) return 0;
  if (first == nullptr) return -1;
  if (second == nullptr) return 1;
  const unsigned char* firstBytes = static_cast<const unsigned char*>(first);
  const unsigned char* secondBytes = static_cast<const unsigned char*>(second);
  for (int32_t i = 0; i < count; ++i) {
    unsigned char cx = ignoreCase ? VXLowerCaseMap[firstBytes[i]] : firstBytes[i];
    unsigned char cy = ignoreCase ? VXLowerCaseMap[secondBytes[i]] : secondBytes[i];
    if (cx != cy) return Signed8(cx) - Signed8(cy);
  }
  return 0;
}

int32_t VXMemCopyText(char* text, const void* bytes, int32_t size, int32_t limit) {
  if (size > limit) size = limit;
  if (size < 0) size = 0;
  VXMemCopy(text, bytes, static_cast<uint32_t>(size));
  text[size] = 0;
  return size;
}

void VXMemCopy(void* dst, const void* src, uint32_t count) {
  if (dst == nullptr || src == nullptr) return;
  unsigned char* to = static_cast<unsigned char*>(dst);
  const unsigned char* from = static_cast<const unsigned char*>(src);
  // Apart, the bytes go in one block; a destination overlapping the source
  // from above gets the forward byte-by-byte copy's result.
  if (to + count <= from || from + count <= to || to <= from) {
    std::memmove(to, from, count);
    return;
  }
  for (uint32_t i = 0; i < count; ++i) to[i] = from[i];
}

int32_t VXMemFill(void* dst, int32_t value, uint32_t count) {
  if (dst == nullptr) return value;
  unsigned char* to = static_cast<unsigned char*>(dst);
  for (uint32_t i = 0; i < count; ++i) to[i] = static_cast<unsigned char>(value);
  return value;
}

void VXStrReverse(char* text) {
  if (text == nullptr) return;
  int32_t last = Length(text) - 1;
  for (int32_t first = 0; first < last; ++first, --last) {
    char swap = text[first];
    text[first] = text[last];
    text[last] = swap;
  }
}

int32_t VXIntToStr(int32_t value, char* buf) { return WriteDecimal(buf, value, 0); }

void VXAssertFailed(const char* condition, const char* module, int32_t line) {
  char report[4096];
  std::snprintf(report, sizeof report, "Assertion (%s) failed in \"%s\" on line %d\n",
                condition ? condition : "", module ? module : "", static_cast<int>(line));
  MessageBoxA(nullptr, report, "Assertion Failure", MB_OK);
  std::_Exit(1);  // abnormal end: no clean-up runs
}
