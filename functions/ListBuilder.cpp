#include "ListBuilder.h"

#include <new>

#include "host/HostServices.h"
#include "host/ResultWriters.h"

const char ListSeparator[] = "\r";

bool ListBuilder::BeginInHandle(int64_t estimate) {
  if (CheckResultOverflow(estimate)) return false;
  HostResizeHandle(result_, static_cast<int32_t>(estimate));
  if (HostLastMemoryError() != 0) return false;
  text_ = TextCursor{HandleData(result_), 0, estimate};  // the block stays put until the next resize
  shortEnd_ = estimate - 32;
  inHandle_ = true;
  return true;
}

bool ListBuilder::BeginAside(int64_t estimate, int64_t capacity) {
  if (CheckResultOverflow(estimate)) return false;
  buffer_ = new (std::nothrow) char[capacity + 1];
  if (buffer_ == nullptr) {
    WriteErrorResult();
    return false;
  }
  text_ = MakeTextCursor(buffer_, capacity);
  shortEnd_ = capacity - 32;
  return true;
}

// Room for the largest list there can be; what the handle already holds
// comes along.
bool ListBuilder::MoveAside() {
  buffer_ = new (std::nothrow) char[kResultSizeLimit];
  if (buffer_ == nullptr) {
    WriteErrorResult();
    return false;
  }
  if (text_.length > 0) std::memcpy(buffer_, text_.start, static_cast<size_t>(text_.length));
  text_.start = buffer_;
  text_.capacity = kResultSizeLimit - 1;
  shortEnd_ = text_.capacity - 32;
  return true;
}

bool ListBuilder::AppendAside(const char* item, int32_t n) {
  const int64_t needed = text_.length + n;
  if (CheckResultOverflow(needed)) return false;
  if (buffer_ == nullptr && !MoveAside()) return false;
  // A list begun aside with less room than the limit is cut at its bound,
  // as PutText cuts it.
  const int64_t room = text_.capacity - text_.length;
  const int64_t copied = n < room ? n : room;
  std::memcpy(text_.start + text_.length, item, static_cast<size_t>(copied));
  text_.length += copied;
  return true;
}

void ListBuilder::Finish() {
  if (buffer_ == nullptr) {
    HostResizeHandle(result_, static_cast<int32_t>(text_.length));
    return;
  }
  // The list ends at its first NUL, if an item brought one, less its
  // trailing line ends.
  const void* nul = std::memchr(buffer_, 0, static_cast<size_t>(text_.length));
  int64_t length = nul != nullptr ? static_cast<const char*>(nul) - buffer_ : text_.length;
  while (length > 0 && (buffer_[length - 1] == '\r' || buffer_[length - 1] == '\n')) --length;
  buffer_[length] = 0;
  if (CheckResultOverflow(length)) return;
  // Refused: a list that began in the handle has part of itself there, which
  // must not stand as the answer.
  if (!WriteHandleBytes(result_, buffer_, static_cast<int32_t>(length), true) && inHandle_) WriteErrorResult();
}
