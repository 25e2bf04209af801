// The numbers of a time or a date as the parsers see them: the groups of
// digits between its separators.
//
// The plain reading is the tokenizer's: copy the characters, cut the copy at
// the separators with VXStrTokenize, read each field as a decimal. The quick
// readings below give exactly its answer in one pass over the characters for
// every separator the tokenizer takes plainly (anything but a quote, an
// escape or a line end) and use the plain reading for the others; a test and
// the parsers' fuzz target hold them to it.
#pragma once

#include <cstdint>

// At most four groups: hours, minutes, seconds and a fraction.
constexpr int32_t kMaxDigitGroups = 4;
// A date is read from its first ten characters.
constexpr int32_t kDateScanLimit = 10;
// A time's digits and separators are looked for in its first thirteen.
constexpr int32_t kTimeScanLimit = 13;

struct DigitGroups {
  int32_t count = 0;
  int32_t value[kMaxDigitGroups] = {};   // a value past 32 bits reads as 2147483647
  int32_t length[kMaxDigitGroups] = {};  // the group's characters
};

// Whether the tokenizer takes ch for nothing more than a separator.
bool PlainSeparator(char ch);

// Cuts the first `reach` (1 to kTimeScanLimit) characters of text at the
// characters of `seps` (one or two, NUL-terminated) into at most maxGroups
// groups, empty groups skipped. The characters are digits and separators.
void ReadDigitGroups(const char* text, int32_t reach, const char* seps, int32_t maxGroups, DigitGroups* groups);
// The plain reading ReadDigitGroups must equal: the tokenizer on a copy.
void TokenizeDigitGroups(const char* text, int32_t reach, const char* seps, int32_t maxGroups,
                         DigitGroups* groups);

// How far a date's digits, "-" and `separator` reach within its first
// kDateScanLimit characters, and (when that is 6 or more) its first three
// digit groups between them. A NUL separator is never one.
int32_t ScanDateGroups(const char* text, char separator, DigitGroups* groups);
// The plain reading ScanDateGroups must equal: the characters counted one by
// one, then TokenizeDigitGroups.
int32_t ScanDateGroupsByTokenizer(const char* text, char separator, DigitGroups* groups);
