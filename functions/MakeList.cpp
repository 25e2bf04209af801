#include "MakeList.h"

#include <cstring>
#include <memory>
#include <new>

#include "ListBuilder.h"
#include "host/HostServices.h"
#include "host/Parameter.h"
#include "host/ResultWriters.h"
#include "prefs/DateTimePrefs.h"
#include "resources/PluginLimits.h"
#include "text/VXString.h"

namespace {

constexpr int32_t kAffixLimit = KELV_LIST_AFFIX_LIMIT;  // characters a prefix, a suffix and a line keep

bool IsLineEnd(char ch) { return ch == '\r' || ch == '\n'; }

// The CRs and LFs of text, and whether each full block of 128 characters
// holds one: then no line is longer than 254 characters. Counted a block at a
// time in bytes, which compilers turn into vector compares.
int64_t CountLineEnds(const char* text, int64_t textLength, bool* shortLines) {
  constexpr int64_t kBlock = 128;
  int64_t total = 0;
  bool everyBlock = true;
  int64_t i = 0;
  for (; i + kBlock <= textLength; i += kBlock) {
    uint8_t count = 0;
    for (int64_t k = i; k < i + kBlock; ++k) count += static_cast<uint8_t>((text[k] == '\r') | (text[k] == '\n'));
    total += count;
    everyBlock = everyBlock && count != 0;
  }
  for (; i < textLength; ++i) total += (text[i] == '\r') | (text[i] == '\n');
  *shortLines = everyBlock;
  return total;
}


// The pieces of a MakeList parameter: the affixes and the list text.
struct WrappedListPieces {
  char prefix[kAffixLimit + 1];  // terminated; the bytes after it are never read as text
  char suffix[kAffixLimit + 1];
  const char* list = nullptr;  // nullptr: no list text
  int64_t listLength = 0;
};

// Takes `text` apart at its "|": "pre=" and "post=" pieces are the affixes
// (up to a line end, at most 255 characters), the last other piece is the list.
void ReadWrappedListPieces(char* text, WrappedListPieces* pieces) {
  pieces->prefix[0] = pieces->suffix[0] = 0;
  for (char* piece = text; *piece != 0;) {
    char* pieceEnd = piece + std::strcspn(piece, "|");
    const bool isPrefix = VXMemCompare(piece, "pre=", 4, true) == 0;
    const bool isSuffix = !isPrefix && VXMemCompare(piece, "post=", 5, true) == 0;
    if (isPrefix || isSuffix) {
      char* out = isPrefix ? pieces->prefix : pieces->suffix;
      const char* value = piece + (isPrefix ? 4 : 5);
      int32_t copied = 0;
      while (copied < kAffixLimit && value[copied] != 0 && value[copied] != '|' && !IsLineEnd(value[copied])) {
        out[copied] = value[copied];
        ++copied;
      }
      out[copied] = 0;
    } else {
      pieces->list = piece;
      pieces->listLength = pieceEnd - piece;
    }
    piece = *pieceEnd == '|' ? pieceEnd + 1 : pieceEnd;
  }
}

// pieceLength bytes, kFixedCopyLength of them readable, at the end of `item`: a
// short piece as one fixed copy.
void PutPiece(ListItem* item, const char* bytes, int64_t pieceLength) {
  char* at = item->text + item->length;
  if (pieceLength <= kFixedCopyLength) std::memcpy(at, bytes, kFixedCopyLength);
  else std::memcpy(at, bytes, static_cast<size_t>(pieceLength));
  item->length += static_cast<int32_t>(pieceLength);
}

// Each line becomes prefix + its first 255 characters + suffix + CR, each
// line end ending exactly one item; a line end that ends the text ends the
// list, and an empty list text is one empty item. False when the list was
// refused.
bool AppendWrappedLines(ListBuilder* builder, const WrappedListPieces& pieces) {
  ListItem item;  // prefix, line and suffix of at most 255 characters each: every item fits
  item.SetFront(pieces.prefix);
  const int64_t suffixLength = TextLength(pieces.suffix);
  int64_t lineStart = 0;
  do {
    int64_t end = lineStart;
    while (end < pieces.listLength && !IsLineEnd(pieces.list[end])) ++end;
    item.Next();
    PutPiece(&item, pieces.list + lineStart, end - lineStart < kAffixLimit ? end - lineStart : kAffixLimit);
    PutPiece(&item, pieces.suffix, suffixLength);
    item.Put(ListSeparator[0]);
    if (!builder->Append(item.text, item.length)) return false;
    lineStart = end + 1;
  } while (lineStart < pieces.listLength);
  return true;
}

void WriteWrappedList(const DateTimePrefsRecord& prefs, HostHandle parameter, HostHandle result) {
  const int32_t size = HostHandleSize(parameter);
  // Room for the fixed copy of a short line at the end.
  std::unique_ptr<char[]> copy(new (std::nothrow) char[static_cast<size_t>(size) + 1 + kFixedCopyLength]);
  if (copy == nullptr) {
    WriteErrorResult(result);
    return;
  }
  CopyParameter(parameter, copy.get(), size);
  WrappedListPieces p;
  ReadWrappedListPieces(copy.get(), &p);
  if (p.list == nullptr) return;

  bool shortLines = false;
  const int64_t lineEnds = CountLineEnds(p.list, p.listLength, &shortLines);
  const int64_t affixes = TextLength(p.prefix) + TextLength(p.suffix);
  const int64_t estimate = (affixes + kSeparatorLength) * (lineEnds + 1) + p.listLength;
  ListBuilder builder(result, prefs);
  if (!builder.BeginAside(estimate, estimate)) return;
  if (affixes == 0 && shortLines) {
    // Then the list is its own text with every line end a CR: the CR that
    // would close a last line is one of the trailing line ends Finish drops.
    char* out = builder.AppendInPlace(p.listLength);  // the estimate holds the list text
    if (out == nullptr) return;
    const char* list = p.list;
    for (int64_t i = 0, n = p.listLength; i < n; ++i) out[i] = list[i] == '\n' ? '\r' : list[i];
  } else if (!AppendWrappedLines(&builder, p)) {
    return;
  }
  builder.Finish();
}

}  // namespace

void WrappedList(HostHandle parameter, HostHandle result) {
  int32_t size;
  if (RequireParameter(parameter, result, &size)) WriteWrappedList(DateTimePrefs, parameter, result);
}
