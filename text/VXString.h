// VXString: bounded copying and appending, case-insensitive comparison and
// search, the two tokenisers, number to text, and the assertion report.
//
// Texts are 8-bit and NUL-terminated. Nothing here allocates. A NULL where a
// destination, list or separator set is required is a programming error and
// ends the process through VXAssertFailed; every other NULL is tolerated.
#pragma once

#include <cstdint>

// Lower-case forms of every byte: ASCII A-Z and the Mac OS Roman capitals.
extern const unsigned char VXLowerCaseMap[256];

// Copies at most limit characters of src and a terminator (dest needs limit + 1
// bytes). NULL src empties dest; limit <= 0 leaves dest untouched.
//   VXStrCopy(d, "abcdef", 3)  -> d = "abc"
void VXStrCopy(char* dest, const char* src, int32_t limit);

// Appends src to dest, whose whole buffer is size bytes (terminator
// included); the text is cut to size - 1 characters.
//   char d[8] = "abcde"; VXStrAppend(d, "xyz", 8) -> "abcdexy"
void VXStrAppend(char* dest, const char* src, int32_t size);

// 0 when first and second are equal ignoring case; otherwise non-zero.
int32_t VXStrCompareNoCase(const char* first, const char* second);

// The first occurrence of pattern in text ignoring case, within the first 255
// characters of each; NULL when there is none.
const char* VXStrFindNoCase(const char* text, const char* pattern);

// Cuts text in place into at most maxargs - 1 tokens; argv[count] is NULL.
// Separator runs collapse, double quotes group, a backslash makes the next
// character literal, and the first CR or LF ends the text.
//   "12/31/2001" with "/-"  -> "12", "31", "2001"
int32_t VXStrTokenize(char* str, char** argv, const char* seps, int32_t maxargs);

// Cuts text in place into fields: every separator ends one, so empty fields
// count. Answers 1..maxargs; a vertical tab becomes CR on the way.
//   "a||b|" with "|", maxargs 4 -> "a", "", "b", ""
int32_t VXStrSplit(char* str, char** argv, const char* seps, int32_t maxargs);

bool VXCharInSet(char ch, const char* seps);
char VXCharToLower(char ch);
void VXStrToLower(char* text);

// Compares exactly count bytes (optionally ignoring case); 0 when equal.
int32_t VXMemCompare(const void* first, const void* second, int32_t count, bool ignoreCase);
void VXMemCopy(void* dst, const void* src, uint32_t count);
// Copies the first `size` bytes (at most `limit`, none when size < 0) into
// text and a terminator after them; answers the bytes copied. text holds
// limit + 1 bytes. The one copy of a parameter's bytes into a text.
//   VXMemCopyText(t, "10:30|x", 7, 5) -> t = "10:30", 5
int32_t VXMemCopyText(char* text, const void* bytes, int32_t size, int32_t limit);
int32_t VXMemFill(void* dst, int32_t value, uint32_t count);

void VXStrReverse(char* text);

// Decimal text of value into buf (at least 12 bytes); answers its length.
//   VXIntToStr(-45, buf) -> "-45", 3
int32_t VXIntToStr(int32_t value, char* buf);

// Shows "Assertion (cond) failed in "module" on line N" in a message box and
// ends the process with status 1.
[[noreturn]] void VXAssertFailed(const char* condition, const char* module, int32_t line);
