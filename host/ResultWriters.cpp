#include "ResultWriters.h"

#include <cstring>

#include "HostServices.h"
#include "text/Decimal.h"
#include "text/VXString.h"

uint32_t lastOverflowNoticeTicks = 0;

namespace {

const char kErrorResult[] = "??";

bool IsDigit(char ch) { return ch >= '0' && ch <= '9'; }

}  // namespace

bool WriteHandleBytes(HostHandle result, const char* bytes, int32_t n, bool locked) {
  HostResizeHandle(result, n);
  if (HostLastMemoryError() != 0) return false;
  if (locked) HostLockHandle(result);
  VXMemCopy(HandleData(result), bytes, static_cast<uint32_t>(n));
  if (locked) HostUnlockHandle(result);
  return true;
}

void WriteErrorResult(HostHandle result) { WriteHandleBytes(result, kErrorResult, 2); }

void WriteIntegerResult(HostHandle result, int64_t value) {
  char text[kDecimalTextSize];
  const int32_t length = WriteDecimal(text, value, 0);
  if (!WriteHandleBytes(result, text, length)) HostResizeHandle(result, 0);
}

bool CheckResultOverflow(int64_t n, HostHandle result, const DateTimePrefsRecord& prefs) {
  if (n >= 0 && n < kResultSizeLimit) return false;
  if (prefs.overflowMessageOn != 0 && prefs.overflowMessage[0] != 0) {
    uint32_t now = GetTickCount();
    if (now - lastOverflowNoticeTicks >= kOverflowNoticeInterval) {
      lastOverflowNoticeTicks = now;
      MessageBoxA(GetActiveWindow(), prefs.overflowMessage, "Overflow Message",
                  MB_OK | MB_ICONINFORMATION);
    }
  }
  WriteErrorResult(result);
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
  *value = ReadDecimal(text, nullptr);
  return true;
}

int32_t ReadLeadingInteger(const char* text) {
  const char* p = text;
  while (*p == ' ' || (*p >= '\t' && *p <= '\r')) ++p;
  return ReadDecimal(p, nullptr);
}
