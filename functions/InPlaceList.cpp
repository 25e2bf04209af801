#include "InPlaceList.h"

#include <cstring>
#include <new>

#include "host/HostServices.h"
#include "host/ResultWriters.h"
#include "text/VXString.h"

bool BeginInPlaceList(InPlaceList* list, HostHandle result, int64_t estimate) {
  *list = InPlaceList{result, nullptr, 0, 0, nullptr};
  if (CheckResultOverflow(estimate)) return false;
  HostResizeHandle(result, static_cast<int32_t>(estimate));
  if (HostLastMemoryError() != 0) return false;
  list->data = HandleData(result);  // the block stays put until the next resize
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
  if (list->spill == nullptr) {
    list->spill = new (std::nothrow) char[kResultSizeLimit];
    if (list->spill == nullptr) {
      WriteErrorResult();
      return false;
    }
    std::memcpy(list->spill, list->data, static_cast<size_t>(list->length));
    list->data = list->spill;
    list->capacity = kResultSizeLimit - 1;
  }
  std::memcpy(list->data + list->length, item, static_cast<size_t>(n));
  list->length = needed;
  return true;
}

void FinishInPlaceList(InPlaceList* list) {
  if (list->spill != nullptr) {
    WriteHandleBytes(list->result, list->spill, static_cast<int32_t>(list->length));
    delete[] list->spill;
    list->spill = nullptr;
    return;
  }
  HostResizeHandle(list->result, static_cast<int32_t>(list->length));
}
