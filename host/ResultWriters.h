// What every external function shares: writing its result into the host's
// result handle, the error result "??", the size limit with its overflow
// message, and two small readers.
//
// Every write is: resize, LastMemoryError, copy only when it answered 0.
#pragma once

#include <cstdint>

#include "CallBlock.h"
#include "prefs/record/DateTimePrefsRecord.h"
#include "resources/PluginLimits.h"

constexpr int64_t kResultSizeLimit = KELV_RESULT_SIZE_LIMIT;  // a result this long is refused
constexpr uint32_t kOverflowNoticeInterval = KELV_OVERFLOW_NOTICE_INTERVAL_MS;  // between two messages

extern uint32_t lastOverflowNoticeTicks;

// Resizes `result` to n bytes and copies them in unless the host reports a
// memory error. The copy goes through LockHandle/UnlockHandle when `locked`.
// Answers true when the bytes were copied.
bool WriteHandleBytes(HostHandle result, const char* bytes, int32_t n, bool locked = false);

// "??" into the result of the call in progress.
void WriteErrorResult(HostHandle result);

// The decimal text of value into result; a memory error empties the result.
void WriteIntegerResult(HostHandle result, int64_t value);

// A result of n bytes: false when it may be written. Otherwise (n at or over
// the limit, or negative) shows the overflow message of `prefs` when it is
// on and 3000 ms have passed since the last one, writes "??" into `result`
// and answers true.
bool CheckResultOverflow(int64_t n, HostHandle result, const DateTimePrefsRecord& prefs);

// Removes every CR and LF from the end of text.
void TrimTrailingLineEnds(char* text);

// Optional sign then digits only (empty and a lone sign read as 0); values
// beyond 32 bits saturate as a 32-bit strtol does.
//   "-12" -> -12, true   "1-2" -> 0, false   " 5" -> 0, false
bool ParseSignedInteger(const char* text, int32_t* value);

// The value as a 32-bit strtol reads it in base 10: leading blanks skipped,
// optional sign, digits up to the first other character, 0 when none,
// saturating at the 32-bit limits.
//   "15 minutes" -> 15   "abc" -> 0
int32_t ReadLeadingInteger(const char* text);
