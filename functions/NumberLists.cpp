#include "NumberLists.h"

#include <cstring>

#include "ListBuilder.h"
#include "host/Parameter.h"
#include "host/ResultWriters.h"
#include "text/TextCursor.h"
#include "text/VXString.h"

namespace {

constexpr int32_t kOptionTextLimit = 255;
constexpr int32_t kAffixLimit = 255;

bool StartsWithKey(const char* piece, const char* key, int32_t keyLength) {
  return VXMemCompare(piece, key, keyLength, true) == 0;
}

void WriteNumberList(HostHandle parameter, HostHandle result) {
  char options[kOptionTextLimit + 1];
  CopyParameter(parameter, options, kOptionTextLimit);
  char* pieces[7];
  const int32_t count = VXStrTokenize(options, pieces, "|", 7);

  int32_t start = 0, end = 0, step = 0, zeroPad = 0;
  int64_t startWidth = 0, endWidth = 0;
  char prefix[kAffixLimit + 1] = {0};
  char suffix[kAffixLimit + 1] = {0};
  for (int32_t i = 0; i < count; ++i) {
    const char* piece = pieces[i];
    if (StartsWithKey(piece, "start=", 6)) {
      if (!ParseSignedInteger(piece + 6, &start)) return;
      startWidth = TextLength(piece + 6);
    } else if (StartsWithKey(piece, "end=", 4)) {
      if (!ParseSignedInteger(piece + 4, &end)) return;
      endWidth = TextLength(piece + 4);
    } else if (StartsWithKey(piece, "inc=", 4)) {
      if (!ParseSignedInteger(piece + 4, &step)) return;
    } else if (StartsWithKey(piece, "pre=", 4)) {
      VXStrCopy(prefix, piece + 4, kAffixLimit);
    } else if (StartsWithKey(piece, "post=", 5)) {
      VXStrCopy(suffix, piece + 5, kAffixLimit);
    } else if (StartsWithKey(piece, "zeropad=", 8)) {
      if (!ParseSignedInteger(piece + 8, &zeroPad)) return;
    } else {
      return;  // an unknown piece writes no result
    }
  }
  if (step < 1 || start == end) return;

  int64_t width = startWidth > endWidth ? startWidth : endWidth;
  if (zeroPad > 0 && zeroPad > width) width = zeroPad;
  // 64-bit counts: start=-2000000000|end=2000000000 must not wrap.
  const int64_t distance = start < end ? static_cast<int64_t>(end) - start
                                       : static_cast<int64_t>(start) - end;
  const int64_t items = distance / step + 1;
  const int64_t estimate = (TextLength(suffix) + TextLength(prefix) + width + kSeparatorLength) * items;
  // The text never passes estimate - 1 characters: only the last separator
  // can be lost to that bound, and the trim removes it anyway.
  ListBuilder list(result);
  if (!list.BeginAside(estimate, estimate - 1)) return;
  const int64_t pad = zeroPad > 0 ? zeroPad : 0;
  const int64_t delta = start < end ? step : -static_cast<int64_t>(step);
  if (pad > 256) {  // numbers wider than an item's buffer: piece by piece
    TextCursor* c = list.Text();
    for (int64_t v = start, n = 0; n < items; v += delta, ++n) {
      PutText(c, prefix);
      PutNumber(c, v, pad);
      PutText(c, suffix);
      PutText(c, ListSeparator);
    }
    list.Finish();
    return;
  }
  // Prefix and suffix hold at most 255 characters each: every item fits.
  ItemCounter number(prefix, suffix, 0, start, delta, pad);
  if (!AppendCountedItems(&list, &number, items)) return;
  list.Finish();
}

}  // namespace

void NumberList(int32_t, HostHandle parameter, HostHandle result) {
  int32_t size;
  if (NonEmptyParameter(parameter, &size)) WriteNumberList(parameter, result);
}
