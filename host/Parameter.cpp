#include "Parameter.h"

#include "HostServices.h"
#include "ResultWriters.h"
#include "text/VXString.h"

bool RequireParameter(HostHandle parameter, HostHandle result, int32_t* size) {
  *size = HostHandleSize(parameter);
  if (*size > 0) return true;
  WriteErrorResult(result);
  return false;
}

int32_t CopyParameter(HostHandle parameter, char* text, int32_t limit) {
  HostLockHandle(parameter);
  const int32_t copied = VXMemCopyText(text, HandleData(parameter), HostHandleSize(parameter), limit);
  HostUnlockHandle(parameter);
  return copied;
}
