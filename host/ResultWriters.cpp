#include "ResultWriters.h"

#include <cstring>

#include "HostServices.h"
#include "prefs/DateTimePrefs.h"
#include "text/VXString.h"

HostHandle currentResultHandle = nullptr;
uint32_t lastOverflowNoticeTicks = 0;

namespace {

const char kErrorResult[] = "??";

bool IsDigit(char ch) { return ch >= '0' && ch <= '9'; }

// Reads digits after an optional sign, as strtol does, saturating; `end`
// receives the first character not read.
int32_t ReadSaturated(const char* p, const char** end) {
  bool negative = false;
  if (*p == '+' || *p == '-') {
    negative = *p == '-';
    ++p;
  }
  int64_t magnitude = 0;
  for (; IsDigit(*p); ++p) {
    if (magnitude <= 2147483648LL) magnitude = magnitude * 10 + (*p - '0');
  }
  *end = p;
  if (negative) return magnitude >= 2147483648LL ? INT32_MIN : static_cast<int32_t>(-magnitude);
  return magnitude >= 2147483647LL ? INT32_MAX : static_cast<int32_t>(magnitude);
}

// The decimal text of a 64-bit value; answers its length.
int32_t Int64ToText(int64_t value, char* out) {
  uint64_t magnitude = value < 0 ? 0u - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
  char digits[24];
  int32_t n = 0;
  do {
    digits[n++] = static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude != 0);
  int32_t length = 0;
  if (value < 0) out[length++] = '-';
  while (n > 0) out[length++] = digits[--n];
  out[length] = 0;
  return length;
}

}  // namespace

bool WriteHandleBytes(HostHandle result, const char* bytes, int32_t n, bool locked) {
  HostResizeHandle(result, n);
  if (HostLastMemoryError() != 0) return false;
  if (locked) HostLockHandle(result);
  VXMemCopy(HandleData(result), bytes, static_cast<uint32_t>(n));
  if (locked) HostUnlockHandle(result);
  return true;
}

void WriteTextResult(const char* text, int32_t n) {
  if (currentResultHandle == nullptr) return;
  WriteHandleBytes(currentResultHandle, text, n);
}

void WriteErrorResult() { WriteTextResult(kErrorResult, 2); }

void WriteIntegerResult(HostHandle result, int64_t value) {
  char text[24];
  int32_t length = Int64ToText(value, text);
  if (!WriteHandleBytes(result, text, length)) HostResizeHandle(result, 0);
}

bool CheckResultOverflow(int64_t n) {
  if (n >= 0 && n < kResultSizeLimit) return false;
  if (DateTimePrefs.overflowMessageOn != 0 && DateTimePrefs.overflowMessage[0] != 0) {
    uint32_t now = GetTickCount();
    if (now - lastOverflowNoticeTicks >= kOverflowNoticeInterval) {
      lastOverflowNoticeTicks = now;
      MessageBoxA(GetActiveWindow(), DateTimePrefs.overflowMessage, "Overflow Message",
                  MB_OK | MB_ICONINFORMATION);
    }
  }
  WriteErrorResult();
  return true;
}

void TrimTrailingLineEnds(char* text) {
  if (text == nullptr) return;
  int32_t length = 0;
  while (text[length] != 0) ++length;
  while (length > 0 && (text[length - 1] == '\r' || text[length - 1] == '\n')) --length;
  text[length] = 0;
}

bool ParseSignedInteger(const char* text, int32_t* value) {
  *value = 0;
  if (text == nullptr) return false;
  const char* p = text;
  if (*p == '+' || *p == '-') ++p;
  for (; *p != 0; ++p) {
    if (!IsDigit(*p)) return false;
  }
  const char* end;
  *value = ReadSaturated(text, &end);
  return true;
}

int32_t ReadLeadingInteger(const char* text) {
  const char* p = text;
  while (*p == ' ' || (*p >= '\t' && *p <= '\r')) ++p;
  const char* end;
  int32_t value = ReadSaturated(p, &end);
  return value;
}
