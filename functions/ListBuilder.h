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
#include "datetime/Formatting.h"
#include "text/Decimal.h"
#include "text/DecimalCounter.h"
#include "text/TextCursor.h"

// What separates the items of every list: one carriage return, exactly one
// between two items and none after the last.
extern const char ListSeparator[];
constexpr int64_t kSeparatorLength = 1;

inline int64_t TextLength(const char* text) { return static_cast<int64_t>(std::strlen(text)); }

// One item put together by plain stores before it goes to Append, for lists
// whose prefix, suffix and number are known to fit: a prefix written once
// stays in front while the rest is written anew for every item.
struct ListItem {
  static constexpr int32_t kCapacity = 1024;
  char text[kCapacity + 32];  // Append copies short items as 32 bytes
  int32_t length = 0;
  int32_t front = 0;  // the prefix every item begins with

  // Writes the prefix once; Next() then starts every item after it.
  void SetFront(const char* prefix) {
    length = 0;
    Put(prefix, static_cast<int32_t>(std::strlen(prefix)));
    front = length;
  }
  void Next() { length = front; }

  void Put(const char* bytes, int32_t n) {
    if (n > 0) std::memcpy(text + length, bytes, static_cast<size_t>(n));
    length += n;
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
  explicit ListBuilder(HostHandle result) : result_(result) {}
  ~ListBuilder() { delete[] buffer_; }
  ListBuilder(const ListBuilder&) = delete;
  ListBuilder& operator=(const ListBuilder&) = delete;

  // Checks the estimate and sizes the handle to it. False when the list was
  // refused ("??" written) or the host could not resize: nothing more to do.
  bool BeginInHandle(int64_t estimate);
  // Checks `estimate` and collects the list aside, in at most `capacity`
  // characters: PutText and PutNumber on Text() stop there. False when the
  // list was refused.
  bool BeginAside(int64_t estimate, int64_t capacity);

  // Adds one formatted item. False when the list was refused on the way.
  // `item` must hold at least 32 bytes (the formatters' buffers hold 256):
  // short items go as one fixed 32-byte copy while there is room for it, the
  // bytes past the item being overwritten by the next one or cut at the end.
  bool Append(const char* item, int32_t n) {
    const int64_t length = text_.length;
    if (n <= 32 && length <= shortEnd_) {
      std::memcpy(text_.start + length, item, 32);
      text_.length = length + n;
      return true;
    }
    if (length + n > text_.capacity) return AppendAside(item, n);
    std::memcpy(text_.start + length, item, static_cast<size_t>(n));
    text_.length = length + n;
    return true;
  }

  // Appends a short item as one fixed 32-byte copy and answers where the
  // copy stands, for the caller to patch what changed since the item was
  // put together: patching the copy, not the item, spares a wide read of
  // bytes just stored one by one, which stalls. nullptr, and nothing
  // appended, when the item is longer or the room short: it goes through
  // Append then.
  char* AppendShort(const char* item, int32_t n) {
    const int64_t length = text_.length;
    if (n > 32 || length > shortEnd_) return nullptr;
    char* at = text_.start + length;
    std::memcpy(at, item, 32);
    text_.length = length + n;
    return at;
  }

  // Where `count` items of n characters each (n at most 32) can go one after
  // another as fixed 32-byte copies, each overwriting the bytes past the one
  // before; nullptr when there is not that much room, and the items must go
  // through Append. Wrote() then counts what was written there.
  char* RoomForShortItems(int64_t count, int32_t n) {
    if (n > 32 || count <= 0 || text_.length + (count - 1) * n > shortEnd_) return nullptr;
    return text_.start + text_.length;
  }
  void Wrote(int64_t n) { text_.length += n; }
  // Where n more characters can be written straight into the list; nullptr
  // when they would pass its room. Wrote() then counts what was written.
  char* Room(int64_t n) { return text_.length + n <= text_.capacity ? text_.start + text_.length : nullptr; }

  // The list collected aside, for builders that put it together piece by piece.
  TextCursor* Text() { return &text_; }

  // Delivers the list: a list in the handle is cut to what was written; a
  // list aside loses its trailing line ends, is checked against the limit
  // once more and is copied into the handle.
  void Finish();

 private:
  bool MoveAside();
  bool AppendAside(const char* item, int32_t n);

  HostHandle result_;
  TextCursor text_{nullptr, 0, 0};
  int64_t shortEnd_ = -1;   // up to this length a 32-byte copy still fits
  char* buffer_ = nullptr;  // the list aside; nullptr while it is in the handle
  bool inHandle_ = false;   // the handle holds the list's first items
};

// Appends `count` items of `counter`, from its current one on, moving it on
// after each; false when the list was refused. The steps that change the
// number's last digit alone are taken as one addition to that digit.
inline bool AppendCountedItems(ListBuilder* list, ItemCounter* counter, int64_t count) {
  while (count > 0) {
    if (!list->Append(counter->item.text, counter->item.length)) return false;
    --count;
    int64_t run = CounterOnesRun(&counter->number);
    if (run > count) run = count;
    if (run > 0) {
      char* last = counter->number.text + counter->number.length - 1;
      const int32_t lastAt = static_cast<int32_t>(last - counter->item.text);
      const char step = static_cast<char>(counter->number.step);
      char digit = *last;
      const int32_t n = counter->item.length;
      char* out = list->RoomForShortItems(run, n);
      if (out != nullptr) {  // the whole run as fixed copies, each patched
        for (int64_t k = 0; k < run; ++k) {
          digit = static_cast<char>(digit + step);
          std::memcpy(out, counter->item.text, 32);
          out[lastAt] = digit;
          out += n;
        }
        list->Wrote(run * n);
      } else {  // near the end of the room: item by item
        for (int64_t k = 0; k < run; ++k) {
          digit = static_cast<char>(digit + step);
          char* at = list->AppendShort(counter->item.text, n);
          if (at != nullptr) {
            at[lastAt] = digit;
            continue;
          }
          *last = digit;
          if (!list->Append(counter->item.text, n)) return false;
        }
      }
      *last = digit;
      counter->number.value += run * counter->number.step;
      count -= run;
    }
    counter->Advance();
  }
  return true;
}
