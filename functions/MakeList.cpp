#include "MakeList.h"

#include <cstring>
#include <memory>
#include <new>

#include "ListBuilder.h"
#include "host/HostServices.h"
#include "host/Parameter.h"
#include "host/ResultWriters.h"
#include "text/TextCursor.h"
#include "text/VXString.h"

namespace {

constexpr int32_t kAffixLimit = 255;  // characters a prefix, a suffix and a line keep

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


void WriteWrappedList(HostHandle parameter, HostHandle result) {
  const int32_t size = HostHandleSize(parameter);
  std::unique_ptr<char[]> copy(new (std::nothrow) char[static_cast<size_t>(size) + 1]);
  if (copy == nullptr) {
    WriteErrorResult();
    return;
  }
  char* text = copy.get();
  CopyParameter(parameter, text, size);

  char prefix[kAffixLimit + 1] = {0};
  char suffix[kAffixLimit + 1] = {0};
  const char* list = nullptr;
  int64_t listLength = 0;
  for (const char* piece = text; *piece != 0;) {
    const char* pieceEnd = piece + std::strcspn(piece, "|");
    const bool isPrefix = VXMemCompare(piece, "pre=", 4, true) == 0;
    const bool isSuffix = !isPrefix && VXMemCompare(piece, "post=", 5, true) == 0;
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

}  // namespace

void WrappedList(int32_t, HostHandle parameter, HostHandle result) {
  int32_t size;
  if (NonEmptyParameter(parameter, &size)) WriteWrappedList(parameter, result);
}
