#include "DigitGroups.h"

#include "text/Decimal.h"
#include "text/VXString.h"

namespace {

bool IsDigit(char ch) { return ch >= '0' && ch <= '9'; }

int32_t Clamped(uint64_t value) { return value > 2147483647 ? 2147483647 : static_cast<int32_t>(value); }

}  // namespace

bool PlainSeparator(char ch) { return ch != '"' && ch != '\\' && ch != '\r' && ch != '\n'; }

void TokenizeDigitGroups(const char* text, int32_t reach, const char* seps, int32_t maxGroups,
                         DigitGroups* groups) {
  char part[kTimeScanLimit + 1];
  VXStrCopy(part, text, reach < kTimeScanLimit ? reach : kTimeScanLimit);
  char* numbers[kMaxDigitGroups + 1];
  groups->count = VXStrTokenize(part, numbers, seps, maxGroups + 1);
  for (int32_t g = 0; g < groups->count; ++g) {
    groups->value[g] = IsDigit(*numbers[g]) ? ReadDecimal(numbers[g], nullptr) : 0;
    int32_t length = 0;
    while (numbers[g][length] != 0) ++length;
    groups->length[g] = length;
  }
}

void ReadDigitGroups(const char* text, int32_t reach, const char* seps, int32_t maxGroups, DigitGroups* groups) {
  const char sep0 = seps[0];
  const char sep1 = seps[0] != 0 ? seps[1] : 0;
  // NUL counts as plain: a single separator leaves sep1 0 and keeps the plain reading.
  if (sep0 == 0 || !PlainSeparator(sep0) || !PlainSeparator(sep1)) {
    TokenizeDigitGroups(text, reach, seps, maxGroups, groups);
    return;
  }
  const char other = sep1 != 0 ? sep1 : sep0;
  int32_t count = 0;
  for (int32_t i = 0; i < reach;) {
    if (text[i] == sep0 || text[i] == other) {
      ++i;
      continue;
    }
    if (count == maxGroups) break;
    // Groups hold digits alone, at most 13 of them: 64 bits hold them.
    const int32_t first = i;
    uint64_t value = 0;
    for (; i < reach && text[i] != sep0 && text[i] != other; ++i) value = value * 10 + (text[i] - '0');
    groups->value[count] = Clamped(value);
    groups->length[count] = i - first;
    ++count;
  }
  groups->count = count;
}

int32_t ScanDateGroupsByTokenizer(const char* text, char separator, DigitGroups* groups) {
  int32_t accepted = 0;
  while (accepted < kDateScanLimit) {
    const char ch = text[accepted];
    if (!IsDigit(ch) && ch != '-' && !(ch != 0 && ch == separator)) break;
    ++accepted;
  }
  if (accepted >= 6) {
    const char seps[3] = {separator != 0 ? separator : '-', separator != 0 ? '-' : '\0', 0};
    TokenizeDigitGroups(text, accepted, seps, 3, groups);
  }
  return accepted;
}

int32_t ScanDateGroups(const char* text, char separator, DigitGroups* groups) {
  if (!PlainSeparator(separator)) return ScanDateGroupsByTokenizer(text, separator, groups);
  // A NUL separator is never one (and ends the text); a digit separator cuts
  // groups, as the tokenizer cuts them.
  const char other = separator != 0 ? separator : '-';
  int32_t count = 0;
  int32_t i = 0;
  while (i < kDateScanLimit) {
    const char ch = text[i];
    if (ch == '-' || ch == other) {
      ++i;
      continue;
    }
    if (static_cast<unsigned char>(ch - '0') > 9) break;
    const int32_t first = i;
    uint64_t value = 0;
    for (; i < kDateScanLimit; ++i) {
      const uint32_t digit = static_cast<unsigned char>(text[i] - '0');
      if (digit > 9 || text[i] == other) break;
      value = value * 10 + digit;
    }
    if (count < 3) {  // a fourth group ends the reading, not the scan
      groups->value[count] = Clamped(value);
      groups->length[count] = i - first;
      ++count;
    }
  }
  groups->count = count;
  return i;
}
