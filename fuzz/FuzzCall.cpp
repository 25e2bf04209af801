// Fuzz target: one external call with any function id, any preferences and
// any parameter bytes. The plug-in must neither crash nor write outside the
// result handle, and every result stays below the size limit.
//
// Input: byte 0 picks the function id (-1..31), bytes 1..4 the preferences
// (date order, time format, pad flags, separators), the rest is the parameter.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "host/CallBlock.h"
#include "prefs/DateTimePrefs.h"

extern "C" void FMExternCallProc(ExternCallBlock* block);

namespace {

struct Handle {
  char* data;
  int32_t size;
};

// Exactly sized blocks, so that the sanitizers see a byte past the end.
void WINAPI Resize(HostHandle h, int32_t size) {
  Handle* handle = reinterpret_cast<Handle*>(h);
  if (size < 0 || size > (1 << 20)) std::abort();  // no host would be asked for this
  char* block = static_cast<char*>(std::malloc(static_cast<size_t>(size) + 1));
  std::memcpy(block, handle->data, static_cast<size_t>(size < handle->size ? size : handle->size));
  std::free(handle->data);
  handle->data = block;
  handle->size = size;
}
int32_t WINAPI Size(HostHandle h) { return reinterpret_cast<Handle*>(h)->size; }
void WINAPI Lock(HostHandle) {}
int16_t WINAPI NoError() { return 0; }

const char kSeparators[] = {':', '/', '.', '-', '\0', '|', '"', '\\', '1', ' '};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 5) return 0;
  ExternCallBlock block;
  std::memset(&block, 0, sizeof block);
  block.ResizeHandle = Resize;
  block.HandleSize = Size;
  block.LockHandle = Lock;
  block.UnlockHandle = Lock;
  block.LastMemoryError = NoError;
  block.interfaceVersion = 4;

  static bool started = false;
  if (!started) {
    block.callKind = CallKind::Init;
    FMExternCallProc(&block);
    started = true;
  }
  SetDefaultPrefs();
  DateTimePrefs.dateFormat = 12 + data[1] % 9;  // 12..20: the codes and one either side
  DateTimePrefs.timeFormat = 5 + data[2] % 5;   // 5..9
  DateTimePrefs.dateZeroPad = data[3] & 1;
  DateTimePrefs.timeZeroPad = (data[3] >> 1) & 1;
  DateTimePrefs.minuteIncrement = static_cast<int8_t>(data[3]) >> 2;
  DateTimePrefs.hourIncrement = (data[3] >> 4) & 7;
  DateTimePrefs.dateSeparator = activeDateSeparator = kSeparators[data[4] % 10];
  DateTimePrefs.timeSeparator = activeTimeSeparator = kSeparators[(data[4] / 10) % 10];

  Handle parameter{static_cast<char*>(std::malloc(size - 5 + 1)), static_cast<int32_t>(size - 5)};
  std::memcpy(parameter.data, data + 5, size - 5);
  Handle result{static_cast<char*>(std::malloc(1)), 0};
  block.callKind = CallKind::ExternalCall;
  block.functionId = static_cast<int32_t>(data[0] % 33) - 1;
  block.parameterHandle = &parameter.data;
  block.result = reinterpret_cast<intptr_t>(&result.data);
  FMExternCallProc(&block);
  if (result.size >= 65535) std::abort();  // results stay below the limit
  std::free(parameter.data);
  std::free(result.data);
  return 0;
}
