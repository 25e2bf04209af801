#include "NumberLists.h"

#include <cstring>

#include "ListBuilder.h"
#include "host/Parameter.h"
#include "host/ResultWriters.h"
#include "prefs/DateTimePrefs.h"
#include "resources/PluginLimits.h"
#include "text/Decimal.h"
#include "text/VXString.h"

namespace {

constexpr int32_t kOptionTextLimit = KELV_NUMBER_LIST_PARAMETER_LIMIT;
constexpr int32_t kAffixLimit = KELV_LIST_AFFIX_LIMIT;

// The widest number an item holds: numbers padded wider go piece by piece.
constexpr int64_t kItemNumberWidth = 256;

bool StartsWithKey(const char* piece, const char* key, int32_t keyLength) {
  return VXMemCompare(piece, key, keyLength, true) == 0;
}

// The items of numbers padded wider than an item holds, each as its pieces:
// the prefix, the sign, the zeros from a block of them, the digits, the
// suffix and the CR. Every piece has kFixedCopyLength bytes readable.
bool AppendWideItems(ListBuilder* list, const char* prefix, const char* suffix, int64_t value, int64_t delta,
                     int64_t items, int64_t pad) {
  char zeros[kItemNumberWidth + kFixedCopyLength];
  std::memset(zeros, '0', sizeof zeros);
  char separator[kFixedCopyLength] = {ListSeparator[0]};
  const int64_t prefixLength = TextLength(prefix), suffixLength = TextLength(suffix);
  for (int64_t n = 0; n < items; ++n, value += delta) {
    char digits[kDecimalTextSize + kFixedCopyLength];
    const int32_t length = WriteDecimal(digits, value, 0);
    const int32_t sign = value < 0 ? 1 : 0;
    if (!list->Append(prefix, prefixLength) || !list->Append(digits, sign)) return false;
    for (int64_t left = pad - length; left > 0; left -= kItemNumberWidth) {
      if (!list->Append(zeros, left < kItemNumberWidth ? left : kItemNumberWidth)) return false;
    }
    if (!list->Append(digits + sign, length - sign) || !list->Append(suffix, suffixLength)) return false;
    if (!list->Append(separator, kSeparatorLength)) return false;
  }
  return true;
}

// What the options of a number list say.
struct NumberListOptions {
  int32_t start = 0, end = 0, step = 0, zeroPad = 0;
  int64_t startWidth = 0, endWidth = 0;  // the characters of the start and end values
  char prefix[kAffixLimit + 1] = {0};
  char suffix[kAffixLimit + 1] = {0};
};

// False when a piece is unknown or a number does not read: then no result.
bool ReadNumberListOptions(HostHandle parameter, NumberListOptions* o) {
  char options[kOptionTextLimit + 1];
  CopyParameter(parameter, options, kOptionTextLimit);
  char* pieces[7];
  const int32_t count = VXStrTokenize(options, pieces, "|", 7);
  for (int32_t i = 0; i < count; ++i) {
    const char* piece = pieces[i];
    if (StartsWithKey(piece, "start=", 6)) {
      if (!ParseSignedInteger(piece + 6, &o->start)) return false;
      o->startWidth = TextLength(piece + 6);
    } else if (StartsWithKey(piece, "end=", 4)) {
      if (!ParseSignedInteger(piece + 4, &o->end)) return false;
      o->endWidth = TextLength(piece + 4);
    } else if (StartsWithKey(piece, "inc=", 4)) {
      if (!ParseSignedInteger(piece + 4, &o->step)) return false;
    } else if (StartsWithKey(piece, "pre=", 4)) {
      VXStrCopy(o->prefix, piece + 4, kAffixLimit);
    } else if (StartsWithKey(piece, "post=", 5)) {
      VXStrCopy(o->suffix, piece + 5, kAffixLimit);
    } else if (StartsWithKey(piece, "zeropad=", 8)) {
      if (!ParseSignedInteger(piece + 8, &o->zeroPad)) return false;
    } else {
      return false;
    }
  }
  return true;
}

void WriteNumberList(const DateTimePrefsRecord& prefs, HostHandle parameter, HostHandle result) {
  NumberListOptions o;
  if (!ReadNumberListOptions(parameter, &o)) return;
  if (o.step < 1 || o.start == o.end) return;

  int64_t width = o.startWidth > o.endWidth ? o.startWidth : o.endWidth;
  if (o.zeroPad > width) width = o.zeroPad;  // width is never negative: a pad of 0 or less adds nothing
  // 64-bit counts: start=-2000000000|end=2000000000 must not wrap.
  const int64_t distance = o.start < o.end ? static_cast<int64_t>(o.end) - o.start
                                           : static_cast<int64_t>(o.start) - o.end;
  const int64_t items = distance / o.step + 1;
  const int64_t estimate = (TextLength(o.suffix) + TextLength(o.prefix) + width + kSeparatorLength) * items;
  // The text never passes estimate - 1 characters: only the last separator
  // can be lost to that bound, and the trim removes it anyway.
  ListBuilder list(result, prefs);
  if (!list.BeginAside(estimate, estimate - 1)) return;
  const int64_t pad = o.zeroPad > 0 ? o.zeroPad : 0;
  const int64_t delta = o.start < o.end ? o.step : -static_cast<int64_t>(o.step);
  if (pad > kItemNumberWidth) {
    if (!AppendWideItems(&list, o.prefix, o.suffix, o.start, delta, items, pad)) return;
    list.Finish();
    return;
  }
  // Prefix and suffix hold at most 255 characters each: every item fits.
  ItemCounter number(o.prefix, o.suffix, 0, o.start, delta, pad);
  if (!AppendCountedItems(&list, &number, items)) return;
  list.Finish();
}

}  // namespace

void NumberList(HostHandle parameter, HostHandle result) {
  int32_t size;
  if (RequireParameter(parameter, result, &size)) WriteNumberList(DateTimePrefs, parameter, result);
}
