// A host whose size service answers a negative size for the parameter (a
// handle it cannot measure): every function answers exactly as for an empty
// parameter, and reads or writes nothing outside its own buffers.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "host/CallBlock.h"
#include "host/FunctionIds.h"
#include "prefs/DateTimePrefs.h"

extern "C" void FMExternCallProc(ExternCallBlock* block);

namespace {

char parameterByte = 0;
char* parameterBlock = &parameterByte;
int32_t parameterSize = 0;
std::vector<char> resultStore(1);
char* resultBlock = resultStore.data();
int32_t resultSize = 0;

void WINAPI Resize(HostHandle handle, int32_t size) {
  if (handle != &resultBlock || size < 0) return;
  resultStore.assign(static_cast<size_t>(size) + 1, 0);
  resultBlock = resultStore.data();
  resultSize = size;
}
int32_t WINAPI Size(HostHandle handle) { return handle == &parameterBlock ? parameterSize : resultSize; }
void WINAPI Lock(HostHandle) {}
int16_t WINAPI NoMemoryError() { return 0; }

// The result of one call with a parameter handle that reports `size`.
std::string CallWithSize(int32_t id, int32_t size) {
  SetDefaultPrefs();
  ExternCallBlock block;
  std::memset(&block, 0, sizeof block);
  block.interfaceVersion = 4;
  block.callKind = ExternalCall;
  block.functionId = id;
  block.parameterHandle = &parameterBlock;
  block.result = reinterpret_cast<intptr_t>(&resultBlock);
  block.ResizeHandle = Resize;
  block.HandleSize = Size;
  block.LockHandle = Lock;
  block.UnlockHandle = Lock;
  block.LastMemoryError = NoMemoryError;
  parameterSize = size;
  resultStore.assign(1, 0);
  resultBlock = resultStore.data();
  resultSize = 0;
  FMExternCallProc(&block);
  return std::string(resultBlock, static_cast<size_t>(resultSize));
}

TEST(HostSizeEdge, NegativeParameterSizeReadsAsEmpty) {
  for (int32_t id = 0; id < KELV_FUNCTION_COUNT; ++id) {
    if (id >= kTimeStampFull && id <= kTimeStampDate) continue;  // they answer the clock
    const std::string empty = CallWithSize(id, 0);
    for (int32_t size : {-1, -2, INT32_MIN}) {
      EXPECT_EQ(CallWithSize(id, size), empty) << "function " << id << ", size " << size;
    }
  }
  SetDefaultPrefs();
}

}  // namespace
