// Fuzz target: the date, time and time stamp parsers over any text, with any
// of the separators a preference can hold.
//
// Input: byte 0 picks the parser, byte 1 the active separators, the rest is
// the text. A parser that answers false has cleared every output; prefix and
// suffix always end within their buffers, which are exactly as long as
// their capacity, so the sanitizers see a byte past them. Whatever the
// parser, the quick digit-group readings of the text give exactly the
// tokenizer's.
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "datetime/DigitGroups.h"
#include "functions/RangeParameter.h"
#include "datetime/Parsing.h"
#include "prefs/DateTimePrefs.h"

namespace {

const char kSeparators[] = {':', '/', '.', '-', '\0', '|', '"', '\\', '1', ' '};

void Require(bool condition) {
  if (!condition) std::abort();
}

bool Cleared(const TimeStampParts& stamp) {
  return stamp.year == 0 && stamp.month == 0 && stamp.day == 0 && stamp.hour == 0 && stamp.minute == 0 &&
         stamp.second == 0 && stamp.millisecond == 0;
}

bool SameGroups(const DigitGroups& a, const DigitGroups& b) {
  if (a.count != b.count) return false;
  for (int32_t g = 0; g < a.count; ++g) {
    if (a.value[g] != b.value[g] || a.length[g] != b.length[g]) return false;
  }
  return true;
}

// The date's groups as read in one pass and by the tokenizer; the time's
// from its digits and separators, as the time parser hands them on.
void CompareReadings(const char* text) {
  DigitGroups quick, plain;
  const int32_t reach = ScanDateGroups(text, activeDateSeparator, &quick);
  Require(reach == ScanDateGroupsByTokenizer(text, activeDateSeparator, &plain));
  if (reach >= 6) Require(SameGroups(quick, plain));

  const char seps[3] = {activeTimeSeparator, activeTimeSeparator != 0 ? '.' : '\0', 0};
  char time[kTimeScanLimit + 1];
  int32_t n = 0;
  for (const char* p = text; *p != 0 && n < kTimeScanLimit; ++p) {
    if ((*p >= '0' && *p <= '9') || *p == seps[0] || *p == seps[1]) time[n++] = *p;
  }
  time[n] = 0;
  if (n == 0) return;
  ReadDigitGroups(time, n, seps, 4, &quick);
  TokenizeDigitGroups(time, n, seps, 4, &plain);
  Require(SameGroups(quick, plain));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  activeDateSeparator = kSeparators[data[1] % 10];
  activeTimeSeparator = kSeparators[(data[1] / 10) % 10];
  const size_t length = size - 2;
  char* text = static_cast<char*>(std::malloc(length + 1));
  std::memcpy(text, data + 2, length);
  text[length] = 0;
  CompareReadings(text);

  int32_t a = -1, b = -1, c = -1, d = -1;
  switch (data[0] % 6) {
    case 0:
      if (!ParseTimeText(ActiveSeparators(), text, &a, &b, &c, &d)) Require(a == 0 && b == 0 && c == 0 && d == 0);
      break;
    case 1:
      if (!ParseSecondsText(text, &a, &b, &c, &d)) Require(a == 0 && b == 0 && c == 0 && d == 0);
      else Require(a >= 0 && a < 24 && b >= 0 && b < 60 && c >= 0 && c < 60);
      break;
    case 2:
      if (!ParseDateText(ActiveSeparators(), text, &a, &b, &c)) Require(a == 0 && b == 0 && c == 0);
      break;
    case 3:
      if (!ParseDayNumberText(text, &a, &b, &c)) Require(a == 0 && b == 0 && c == 0);
      else Require(a >= 1 && a <= 3000 && b >= 1 && b <= 12 && c >= 1 && c <= 31);
      break;
    default: {
      // The range parsers read the parameter's bytes, NULs included.
      char* prefix = static_cast<char*>(std::malloc(kRangeTextCapacity + 1));
      char* suffix = static_cast<char*>(std::malloc(kRangeTextCapacity + 1));
      TimeStampParts start, end;
      const int32_t n = static_cast<int32_t>(length);
      bool ok;
      if (data[0] % 6 == 4) {
        uint8_t after = 7;
        ok = ParseTimeRange(ActiveSeparators(), reinterpret_cast<const char*>(data + 2), n, prefix, suffix, &start,
                            &end, &after);
        if (!ok) Require(after == 0);
      } else {
        ok = ParseTimeStampRange(ActiveSeparators(), reinterpret_cast<const char*>(data + 2), n, prefix, suffix, &start,
                                 &end);
      }
      Require(std::memchr(prefix, 0, kRangeTextCapacity + 1) != nullptr);
      Require(std::memchr(suffix, 0, kRangeTextCapacity + 1) != nullptr);
      if (!ok) Require(prefix[0] == 0 && suffix[0] == 0 && Cleared(start) && Cleared(end));
      std::free(prefix);
      std::free(suffix);
    }
  }
  std::free(text);
  return 0;
}
