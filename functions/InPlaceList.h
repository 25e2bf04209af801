// Builds a list straight into the result handle, sized by its estimate.
//
// The estimate alone decides whether the list is refused. Should a real item
// come out longer than its estimated width, the list moves to a heap buffer
// and goes on there, so nothing is ever written past the handle's size; a
// real text that would reach the size limit is refused like an estimate.
#pragma once

#include <cstdint>
#include <cstring>

#include "host/CallBlock.h"

struct InPlaceList {
  HostHandle result;
  char* data;        // where the items go: the handle's block, or the spill buffer
  int64_t capacity;  // bytes that `data` holds
  int64_t length;    // bytes written so far
  char* spill;       // the heap buffer once an item outgrew the estimate
  bool resized;      // the handle was sized to the estimate and holds items
};

// Checks the estimate and sizes the result to it. False when the list was
// refused ("??" written) or the host could not resize: nothing more to do.
// A list whose items may come out longer than the estimate (`mayOutgrow`)
// goes to the heap buffer from the start and reaches the handle in one
// resize at the end, so a refused resize never leaves part of it there.
bool BeginInPlaceList(InPlaceList* list, HostHandle result, int64_t estimate, bool mayOutgrow = false);

// Adds an item that does not fit: moves the list to the spill buffer, or
// refuses it. False when the list was refused on the way.
bool AppendOversizedItem(InPlaceList* list, const char* item, int32_t n);

// Adds one item's bytes. False when the list was refused on the way.
// `item` must hold at least 32 bytes (the formatters' buffers hold 256):
// short items go as one fixed 32-byte copy while the handle has room for it,
// the bytes past the item being overwritten by the next one or cut off at
// the end.
inline bool AppendListItem(InPlaceList* list, const char* item, int32_t n) {
  if (list->length + n > list->capacity) return AppendOversizedItem(list, item, n);
  if (n <= 32 && list->length + 32 <= list->capacity) std::memcpy(list->data + list->length, item, 32);
  else std::memcpy(list->data + list->length, item, static_cast<size_t>(n));
  list->length += n;
  return true;
}

// Cuts the result to the bytes written (or delivers the spill buffer).
void FinishInPlaceList(InPlaceList* list);
