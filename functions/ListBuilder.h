// The one way every list function writes its result: check the size it will
// reach, collect the items, deliver the finished list.
//
// A list either goes straight into the result handle, sized to its estimate
// at the start (the date lists whose items have a known width), or is
// collected aside in a buffer of its own and reaches the handle in one
// resize at the end (lists whose items vary, or may outgrow the estimate).
// An item that does not fit where the list goes moves the list aside and the
// list goes on there, so nothing is ever written past the handle's size.
//
// Items go in one of two ways: a whole item of any length (Append, or
// AppendInPlace for a list that writes its one long item itself), or
// AppendRun, a run of items made from one template whose one field changes
// from item to item (the day of a month, the minute of an hour, a number's
// last digit, the month of a year).
//
// Whatever the list, the endings are the same:
//   the estimate, or the real text, reaches 65535 bytes   "??" (and the overflow message)
//   no memory for the buffer                               "??"
//   the host refuses the resize                            nothing more is written;
//                                                          a list partly in the handle becomes "??"
// The buffer is released when the builder goes, on every path.
#pragma once

#include <cstdint>
#include <cstring>

#include "host/CallBlock.h"
#include "prefs/record/DateTimePrefsRecord.h"
#include "text/DecimalCounter.h"
#include "text/TextCursor.h"

// What separates the items of every list: one carriage return, exactly one
// between two items and none after the last.
extern const char ListSeparator[];
constexpr int64_t kSeparatorLength = 1;

inline int64_t TextLength(const char* text) { return static_cast<int64_t>(std::strlen(text)); }

// Items of up to this many bytes are copied as one fixed-length copy, a few
// wide moves instead of a copy loop that must count bytes; the copy runs on
// past the item into bytes the next item overwrites or the end cuts off. So
// whatever an item of that length is copied from holds kFixedCopyLength
// bytes, and the list never takes such a copy within kFixedCopyLength bytes
// of the end of its room.
constexpr int32_t kFixedCopyLength = 32;

// The fields' texts: the text of value v in a field of width w is
// table + v * w.
extern const char kDigitTable[];  // "0123456789", width 1
                                  // kDecimalPairs (text/Decimal.h): "00".."99", width 2

// A run of `count` items made from the template `item` (`length` bytes, at
// least kFixedCopyLength of them readable): the k-th item of the run is the
// template with its field of `width` bytes at `fieldAt` holding the text of
// first + k * step from `table`. Width is 1, 2 or 3; every value of the run
// lies within the table.
struct ItemRun {
  char* item;
  int32_t length;
  int32_t fieldAt;
  int32_t width;
  const char* table;
  int32_t first;
  int32_t step;
  int64_t count;
};

// One item put together by plain stores before it goes to the list, for
// lists whose prefix, suffix and number are known to fit: a prefix written
// once stays in front while the rest is written anew for every item.
struct ListItem {
  static constexpr int32_t kCapacity = 1024;
  char text[kCapacity + kFixedCopyLength];
  int32_t length = 0;
  int32_t front = 0;  // the prefix every item begins with

  // Writes the prefix once; Next() then starts every item after it.
  void SetFront(const char* prefix) {
    length = 0;
    Put(prefix, static_cast<int32_t>(std::strlen(prefix)));
    front = length;
  }
  void Next() { length = front; }

  void Put(const char* bytes, int32_t count) {
    if (count > 0) std::memcpy(text + length, bytes, static_cast<size_t>(count));
    length += count;
  }
  void Put(char ch) { text[length++] = ch; }
};

// An item [prefix][fixed part][number][suffix][CR] whose number moves by a
// fixed step from item to item: the digits change in place, and the suffix
// and CR move only when the number gains or loses a digit. The fixed part,
// `fixedLength` characters, is the caller's to write into item.text after
// item.front. Prefix and suffix hold at most 255 characters, the width at
// most 256.
struct ItemCounter {
  ListItem item;
  DecimalCounter number;
  const char* suffix;
  int32_t suffixLength;

  ItemCounter(const char* prefix, const char* suffix, int32_t fixedLength, int64_t value, int64_t step,
              int64_t width)
      : suffix(suffix), suffixLength(static_cast<int32_t>(std::strlen(suffix))) {
    item.SetFront(prefix);
    StartCounter(&number, item.text + item.front + fixedLength, value, step, width);
    PutTail();
  }
  void Advance() {
    if (!AdvanceCounter(&number)) PutTail();
  }

 private:
  void PutTail() {
    item.length = static_cast<int32_t>(number.text - item.text) + number.length;
    item.Put(suffix, suffixLength);
    item.Put(ListSeparator[0]);
  }
};

class ListBuilder {
 public:
  // `prefs`: the preferences the overflow message, if any, follows.
  ListBuilder(HostHandle result, const DateTimePrefsRecord& prefs) : result_(result), prefs_(prefs) {}
  ~ListBuilder() { delete[] buffer_; }
  ListBuilder(const ListBuilder&) = delete;
  ListBuilder& operator=(const ListBuilder&) = delete;

  // Checks the estimate and sizes the handle to it. False when the list was
  // refused ("??" written) or the host could not resize: nothing more to do.
  bool BeginInHandle(int64_t estimate);
  // Checks `estimate` and collects the list aside, in at most `capacity`
  // characters: what passes them is cut off. False when the list was refused.
  bool BeginAside(int64_t estimate, int64_t capacity);

  // Adds one whole item of itemLength bytes; one of at most kFixedCopyLength bytes
  // must have that many readable. False when the list was refused on the way.
  bool Append(const char* item, int64_t itemLength) {
    const int64_t length = text_.length;
    if (itemLength <= kFixedCopyLength && length <= shortEnd_) {
      std::memcpy(text_.start + length, item, kFixedCopyLength);
      text_.length = length + itemLength;
      return true;
    }
    if (length + itemLength > text_.capacity) return AppendAside(item, itemLength);
    std::memcpy(text_.start + length, item, static_cast<size_t>(itemLength));
    text_.length = length + itemLength;
    return true;
  }

  // Adds the items of `run`; afterwards the template holds the run's last
  // item. False when the list was refused on the way.
  bool AppendRun(const ItemRun& run);

  // An item of itemLength bytes that the caller writes itself at the place answered,
  // before anything else is added: for a list written in one pass from a text
  // of its own, which a copy through Append would cost a second pass.
  // nullptr, and nothing added, when the list's room does not hold itemLength more.
  char* AppendInPlace(int64_t itemLength) {
    if (text_.length + itemLength > text_.capacity) return nullptr;
    char* at = text_.start + text_.length;
    text_.length += itemLength;
    return at;
  }

  // Delivers the list: a list in the handle is cut to what was written; a
  // list aside loses its trailing line ends, is checked against the limit
  // once more and is copied into the handle.
  void Finish();

 private:
  bool MoveAside();
  bool AppendAside(const char* item, int64_t itemLength);

  HostHandle result_;
  const DateTimePrefsRecord& prefs_;
  TextCursor text_{nullptr, 0, 0};
  int64_t shortEnd_ = -1;   // up to this length a fixed copy still fits
  char* buffer_ = nullptr;  // the list aside; nullptr while it is in the handle
  bool inHandle_ = false;   // the handle holds the list's first items
};

namespace list_run {

// Writes `count` items of `run` from its `first` value on as fixed copies,
// one after another, each overwriting the bytes the one before copied past
// its end. The copies are patched, not the template: a template patched and
// at once copied would be read wide where it was just stored narrow, and
// such a read waits until the stores are done.
template <int32_t kWidth>
inline void WriteFixedCopies(char* out, const ItemRun& run, int64_t first, int64_t count) {
  const char* const item = run.item;
  const char* const table = run.table;
  const int32_t fieldAt = run.fieldAt;
  const int32_t length = run.length;
  const int64_t step = run.step;
  int64_t value = first;
  for (char* const end = out + count * length; out != end; out += length, value += step) {
    std::memcpy(out, item, kFixedCopyLength);
    std::memcpy(out + fieldAt, table + value * kWidth, kWidth);
  }
}

// The template's field set to the text of `value`.
inline void PutField(const ItemRun& run, int64_t value) {
  char* field = run.item + run.fieldAt;
  const char* text = run.table + value * run.width;
  field[0] = text[0];
  if (run.width > 1) field[1] = text[1];
  if (run.width > 2) field[2] = text[2];
}

}  // namespace list_run

// As many items as have room go as fixed copies; the next goes whole,
// through the template, which may move the list aside and so make room for
// fixed copies again.
inline bool ListBuilder::AppendRun(const ItemRun& run) {
  if (run.count <= 0) return true;
  int64_t value = run.first;
  int64_t left = run.count;
  const bool fixed = run.length > 0 && run.length <= kFixedCopyLength && run.width >= 1 && run.width <= 3;
  while (left > 0) {
    int64_t copies = 0;
    if (fixed && text_.length <= shortEnd_) copies = (shortEnd_ - text_.length) / run.length + 1;
    if (copies > left) copies = left;
    char* out = text_.start + text_.length;
    if (run.width == 1) list_run::WriteFixedCopies<1>(out, run, value, copies);
    else if (run.width == 2) list_run::WriteFixedCopies<2>(out, run, value, copies);
    else list_run::WriteFixedCopies<3>(out, run, value, copies);
    text_.length += copies * run.length;
    value += copies * run.step;
    left -= copies;
    if (left == 0) break;
    list_run::PutField(run, value);
    if (!Append(run.item, run.length)) return false;
    value += run.step;
    --left;
  }
  list_run::PutField(run, value - run.step);
  return true;
}

// Appends `count` items of `counter`, from its current one on, moving it on
// after each; false when the list was refused. The steps that change the
// number's last digit alone go as one run.
bool AppendCountedItems(ListBuilder* list, ItemCounter* counter, int64_t count);
