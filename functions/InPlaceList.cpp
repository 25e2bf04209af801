#include "InPlaceList.h"

#include <cstring>
#include <new>

#include "host/HostServices.h"
#include "host/ResultWriters.h"
#include "text/VXString.h"

namespace {

bool StartSpill(InPlaceList* list) {
  list->spill = new (std::nothrow) char[kResultSizeLimit];
  if (list->spill == nullptr) {
    WriteErrorResult();
    return false;
  }
  if (list->length > 0) std::memcpy(list->spill, list->data, static_cast<size_t>(list->length));
  list->data = list->spill;
  list->capacity = kResultSizeLimit - 1;
  return true;
}

}  // namespace

bool BeginInPlaceList(InPlaceList* list, HostHandle result, int64_t estimate, bool mayOutgrow) {
  *list = InPlaceList{result, nullptr, 0, 0, nullptr, false};
  if (CheckResultOverflow(estimate)) return false;
  if (mayOutgrow) return StartSpill(list);
  HostResizeHandle(result, static_cast<int32_t>(estimate));
  if (HostLastMemoryError() != 0) return false;
  list->data = HandleData(result);  // the block stays put until the next resize
  list->resized = true;
  list->capacity = estimate;
  return true;
}

bool AppendOversizedItem(InPlaceList* list, const char* item, int32_t n) {
  const int64_t needed = list->length + n;
  if (CheckResultOverflow(needed)) {
    delete[] list->spill;
    list->spill = nullptr;
    return false;
  }
  if (list->spill == nullptr && !StartSpill(list)) return false;
  std::memcpy(list->data + list->length, item, static_cast<size_t>(n));
  list->length = needed;
  return true;
}

void FinishInPlaceList(InPlaceList* list) {
  if (list->spill != nullptr) {
    // Refused: a list that began in the handle has part of itself there, which
    // must not stand as the answer.
    if (!WriteHandleBytes(list->result, list->spill, static_cast<int32_t>(list->length)) && list->resized)
      WriteErrorResult();
    delete[] list->spill;
    list->spill = nullptr;
    return;
  }
  HostResizeHandle(list->result, static_cast<int32_t>(list->length));
}
