#include "NumberLists.h"

#include <cstring>
#include <memory>
#include <new>

#include "ListBuilder.h"
#include "datetime/Formatting.h"
#include "host/HostServices.h"
#include "host/ResultWriters.h"
#include "text/TextCursor.h"
#include "text/VXString.h"

namespace {

constexpr int32_t kOptionTextLimit = 255;
constexpr int32_t kAffixLimit = 255;
constexpr int64_t kSeparatorLength = 1;

int64_t TextLength(const char* text) { return static_cast<int64_t>(std::strlen(text)); }

// Copies the parameter's bytes, at most `limit`, NUL-terminated; `text`
// holds limit + 1 bytes.
int32_t ReadParameter(HostHandle parameter, char* text, int32_t limit) {
  HostLockHandle(parameter);
  int32_t size = HostHandleSize(parameter);
  if (size > limit) size = limit;
  if (size < 0) size = 0;
  VXMemCopy(text, HandleData(parameter), static_cast<uint32_t>(size));
  HostUnlockHandle(parameter);
  text[size] = 0;
  return size;
}

bool StartsWithKey(const char* piece, const char* key, int32_t keyLength) {
  return VXMemCompare(piece, key, keyLength, true) == 0;
}

bool IsLineEnd(char ch) { return ch == '\r' || ch == '\n'; }

// The CRs and LFs of text, and whether each full block of 128 characters
// holds one: then no line is longer than 254 characters. Counted a block at a
// time in bytes, which compilers turn into vector compares.
int64_t CountLineEnds(const char* text, int64_t n, bool* shortLines) {
  constexpr int64_t kBlock = 128;
  int64_t total = 0;
  bool everyBlock = true;
  int64_t i = 0;
  for (; i + kBlock <= n; i += kBlock) {
    uint8_t count = 0;
    for (int64_t k = i; k < i + kBlock; ++k) count += static_cast<uint8_t>((text[k] == '\r') | (text[k] == '\n'));
    total += count;
    everyBlock = everyBlock && count != 0;
  }
  for (; i < n; ++i) total += (text[i] == '\r') | (text[i] == '\n');
  *shortLines = everyBlock;
  return total;
}

}  // namespace

void WriteNumberList(HostHandle parameter, HostHandle result) {
  char options[kOptionTextLimit + 1];
  ReadParameter(parameter, options, kOptionTextLimit);
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

void WriteWrappedList(HostHandle parameter, HostHandle result) {
  int32_t size = HostHandleSize(parameter);
  if (size < 0) size = 0;
  std::unique_ptr<char[]> copy(new (std::nothrow) char[static_cast<size_t>(size) + 1]);
  if (copy == nullptr) {
    WriteErrorResult();
    return;
  }
  char* text = copy.get();
  ReadParameter(parameter, text, size);

  char prefix[kAffixLimit + 1] = {0};
  char suffix[kAffixLimit + 1] = {0};
  const char* list = nullptr;
  int64_t listLength = 0;
  for (const char* piece = text; *piece != 0;) {
    const char* pieceEnd = piece + std::strcspn(piece, "|");
    const bool isPrefix = StartsWithKey(piece, "pre=", 4);
    const bool isSuffix = !isPrefix && StartsWithKey(piece, "post=", 5);
    if (isPrefix || isSuffix) {
      char* out = isPrefix ? prefix : suffix;
      const char* value = piece + (isPrefix ? 4 : 5);
      int32_t n = 0;
      while (n < kAffixLimit && value[n] != 0 && value[n] != '|' && value[n] != '\r' &&
             value[n] != '\n') {
        out[n] = value[n];
        ++n;
      }
      out[n] = 0;
    } else {
      list = piece;
      listLength = pieceEnd - piece;
    }
    piece = *pieceEnd == '|' ? pieceEnd + 1 : pieceEnd;
  }
  if (list == nullptr) return;

  bool shortLines = false;
  const int64_t lineEnds = CountLineEnds(list, listLength, &shortLines);
  const int32_t prefixLength = static_cast<int32_t>(TextLength(prefix));
  const int32_t suffixLength = static_cast<int32_t>(TextLength(suffix));
  const int64_t estimate = (prefixLength + suffixLength + kSeparatorLength) * (lineEnds + 1) + listLength;
  ListBuilder builder(result);
  if (!builder.BeginAside(estimate, estimate)) return;
  // Each line becomes prefix + its first 255 characters + suffix + CR, each
  // line end ending exactly one item; an empty list text is one empty item.
  // The estimate counts every character of every item, so the list is written
  // straight into the builder's text.
  TextCursor* c = builder.Text();
  char* const start = c->start + c->length;
  char* out = start;
  if (prefixLength == 0 && suffixLength == 0 && shortLines) {
    // Then the list is its own text with every line end a CR: the CR that
    // would close a last line is one of the trailing line ends Finish drops.
    for (int64_t i = 0; i < listLength; ++i) out[i] = list[i] == '\n' ? '\r' : list[i];
    c->length += listLength;
    builder.Finish();
    return;
  }
  // One pass over the characters: the prefix is written after every line end
  // and taken back after a final one.
  std::memcpy(out, prefix, static_cast<size_t>(prefixLength));
  out += prefixLength;
  int32_t room = kAffixLimit;  // characters the current line may still keep
  for (int64_t i = 0; i < listLength; ++i) {
    const char ch = list[i];
    if (!IsLineEnd(ch)) {
      if (room > 0) {
        *out++ = ch;
        --room;
      }
      continue;
    }
    if (suffixLength > 0) std::memcpy(out, suffix, static_cast<size_t>(suffixLength));
    out += suffixLength;
    *out++ = ListSeparator[0];
    if (prefixLength > 0) std::memcpy(out, prefix, static_cast<size_t>(prefixLength));
    out += prefixLength;
    room = kAffixLimit;
  }
  if (listLength > 0 && IsLineEnd(list[listLength - 1])) {
    out -= prefixLength;
  } else {
    std::memcpy(out, suffix, static_cast<size_t>(suffixLength));
    out += suffixLength;
    *out++ = ListSeparator[0];
  }
  c->length += out - start;
  builder.Finish();
}
