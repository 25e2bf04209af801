#include "ListBuilder.h"

#include <new>

#include "host/HostServices.h"
#include "host/ResultWriters.h"

const char ListSeparator[] = "\r";
const char kDigitTable[] = "0123456789";

bool ListBuilder::BeginInHandle(int64_t estimate) {
  if (CheckResultOverflow(estimate, result_, prefs_)) return false;
  HostResizeHandle(result_, static_cast<int32_t>(estimate));
  if (HostLastMemoryError() != 0) return false;
  text_ = TextCursor{HandleData(result_), 0, estimate};  // the block stays put until the next resize
  shortEnd_ = estimate - kFixedCopyLength;
  inHandle_ = true;
  return true;
}

bool ListBuilder::BeginAside(int64_t estimate, int64_t capacity) {
  if (CheckResultOverflow(estimate, result_, prefs_)) return false;
  buffer_ = new (std::nothrow) char[capacity + 1];
  if (buffer_ == nullptr) {
    WriteErrorResult(result_);
    return false;
  }
  text_ = MakeTextCursor(buffer_, capacity);
  shortEnd_ = capacity - kFixedCopyLength;
  return true;
}

bool AppendCountedItems(ListBuilder* list, ItemCounter* counter, int64_t count) {
  DecimalCounter* number = &counter->number;
  while (count > 0) {
    int64_t run = 1 + CounterOnesRun(number);
    if (run > count) run = count;
    const char* last = number->text + number->length - 1;
    // A run of more than one item has a step of one digit.
    const ItemRun items{counter->item.text, counter->item.length, static_cast<int32_t>(last - counter->item.text),
                        1, kDigitTable, *last - '0', static_cast<int32_t>(number->step), run};
    if (!list->AppendRun(items)) return false;
    number->value += (run - 1) * number->step;
    count -= run;
    counter->Advance();
  }
  return true;
}

// Room for the largest list there can be; what the handle already holds
// comes along.
bool ListBuilder::MoveAside() {
  buffer_ = new (std::nothrow) char[kResultSizeLimit];
  if (buffer_ == nullptr) {
    WriteErrorResult(result_);
    return false;
  }
  if (text_.length > 0) std::memcpy(buffer_, text_.start, static_cast<size_t>(text_.length));
  text_.start = buffer_;
  text_.capacity = kResultSizeLimit - 1;
  shortEnd_ = text_.capacity - kFixedCopyLength;
  return true;
}

bool ListBuilder::AppendAside(const char* item, int64_t itemLength) {
  const int64_t needed = text_.length + itemLength;
  if (CheckResultOverflow(needed, result_, prefs_)) return false;
  if (buffer_ == nullptr && !MoveAside()) return false;
  // A list begun aside with less room than the limit is cut at its bound.
  const int64_t room = text_.capacity - text_.length;
  const int64_t copied = itemLength < room ? itemLength : room;
  std::memcpy(text_.start + text_.length, item, static_cast<size_t>(copied));
  text_.length += copied;
  return true;
}

void ListBuilder::Finish() {
  if (buffer_ == nullptr) {
    HostResizeHandle(result_, static_cast<int32_t>(text_.length));
    return;
  }
  // The list less its trailing line ends. (No item brings a NUL: every
  // piece of a list is a terminated text or cut at its first NUL.)
  int64_t length = text_.length;
  while (length > 0 && (buffer_[length - 1] == '\r' || buffer_[length - 1] == '\n')) --length;
  if (CheckResultOverflow(length, result_, prefs_)) return;
  // Refused: a list that began in the handle has part of itself there, which
  // must not stand as the answer.
  if (!WriteHandleBytes(result_, buffer_, static_cast<int32_t>(length), true) && inHandle_) WriteErrorResult(result_);
}
