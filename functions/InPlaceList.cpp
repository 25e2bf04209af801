#include "InPlaceList.h"

#include <new>

#include "host/HostServices.h"
#include "host/ResultWriters.h"
#include "text/VXString.h"

bool BeginInPlaceList(InPlaceList* list, HostHandle result, int64_t estimate) {
  *list = InPlaceList{result, 0, 0, nullptr};
  if (CheckResultOverflow(estimate)) return false;
  HostResizeHandle(result, static_cast<int32_t>(estimate));
  if (HostLastMemoryError() != 0) return false;
  list->capacity = estimate;
  return true;
}

bool AppendListItem(InPlaceList* list, const char* item, int32_t n) {
  const int64_t needed = list->length + n;
  if (needed > list->capacity) {
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
      VXMemCopy(list->spill, HandleData(list->result), static_cast<uint32_t>(list->length));
      list->capacity = kResultSizeLimit - 1;
    }
  }
  char* data = list->spill != nullptr ? list->spill : HandleData(list->result);
  VXMemCopy(data + list->length, item, static_cast<uint32_t>(n));
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
