// The number list and MakeList read their parameter while it is locked: a
// host may move an unlocked block, so this host shows other bytes through
// the handle whenever the parameter is not locked. Every lock of either
// handle is undone, and no handle is unlocked that was not locked.
#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "host/CallBlock.h"
#include "host/FunctionIds.h"
#include "prefs/DateTimePrefs.h"

extern "C" void FMExternCallProc(ExternCallBlock* block);

namespace {

std::string parameterBytes;
std::string decoyBytes;
char* parameterBlock = nullptr;
int parameterLocks = 0;
int parameterUnlocks = 0;
int resultLocks = 0;
int resultUnlocks = 0;
int unlocksOfUnlocked = 0;
std::vector<char> resultStore(1);
char* resultBlock = resultStore.data();
int32_t resultSize = 0;

// Unlocked, the parameter's block is somewhere else: the decoy.
void PlaceParameter() {
  parameterBlock = parameterLocks > parameterUnlocks ? &parameterBytes[0] : &decoyBytes[0];
}

void WINAPI Resize(HostHandle handle, int32_t size) {
  if (handle != &resultBlock || size < 0) return;
  resultStore.assign(static_cast<size_t>(size) + 1, 0);
  resultBlock = resultStore.data();
  resultSize = size;
}
int32_t WINAPI Size(HostHandle handle) {
  return handle == &parameterBlock ? static_cast<int32_t>(parameterBytes.size()) : resultSize;
}
void WINAPI Lock(HostHandle handle) {
  if (handle == &resultBlock) ++resultLocks;
  if (handle != &parameterBlock) return;
  ++parameterLocks;
  PlaceParameter();
}
void WINAPI Unlock(HostHandle handle) {
  if (handle == &resultBlock) {
    if (resultUnlocks == resultLocks) ++unlocksOfUnlocked;
    ++resultUnlocks;
  }
  if (handle != &parameterBlock) return;
  if (parameterUnlocks == parameterLocks) ++unlocksOfUnlocked;
  ++parameterUnlocks;
  PlaceParameter();
}
int16_t WINAPI NoMemoryError() { return 0; }

std::string Call(int32_t id, const std::string& parameter, bool moving) {
  SetDefaultPrefs();
  parameterBytes = parameter + '\0';
  decoyBytes = moving ? std::string(parameter.size(), '9') + '\0' : parameterBytes;
  parameterLocks = parameterUnlocks = resultLocks = resultUnlocks = unlocksOfUnlocked = 0;
  PlaceParameter();
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
  block.UnlockHandle = Unlock;
  block.LastMemoryError = NoMemoryError;
  resultStore.assign(1, 0);
  resultBlock = resultStore.data();
  resultSize = 0;
  FMExternCallProc(&block);
  return std::string(resultBlock, static_cast<size_t>(resultSize));
}

TEST(HandleLock, ParameterReadWhileLocked) {
  struct Row { int32_t id; const char* parameter; } rows[] = {
      {kListNumbers, "start=1|end=5|inc=1"}, {kListNumbers, "start=3|end=1|inc=1|pre=<|post=>"},
      {kMakeList, "pre=- |a\rb\rc"},   {kMakeList, "x\ry|post=;"},
  };
  for (const Row& r : rows) {
    const std::string still = Call(r.id, r.parameter, false);
    ASSERT_NE(still, "") << r.parameter;
    EXPECT_EQ(Call(r.id, r.parameter, true), still) << r.parameter << ": read while unlocked";
    EXPECT_GE(parameterLocks, 1) << r.parameter;
    EXPECT_EQ(parameterLocks, parameterUnlocks) << r.parameter;
  }
  SetDefaultPrefs();
}

// The functions that copy their parameter (the number and wrapped lists, the
// preference functions, Kelv-FormatDate and Kelv-FormatTime) lock it for the
// copy and read nothing else of it; the lists lock the result to fill it.
// Each lock is undone, on either handle, and nothing is unlocked that was
// not locked.
TEST(HandleLock, EveryLockIsUndone) {
  const char* const parameters[] = {"1/1/2001|1/3/2001", "start=1|end=3|inc=1"};
  // By name, not as a range of ids, so that a function added to the table
  // is none of them until it is listed here.
  const std::set<int32_t> copyingParameter = {kListNumbers, kMakeList, kDatePrefs, kTimePrefs,
                                              kMinuteIncrementPrefs, kHourIncrementPrefs, kOverflowMessagePrefs,
                                              kFormatDate, kFormatTime};
  for (int32_t id = 0; id < KELV_FUNCTION_COUNT; ++id) {
    const bool copiesParameter = copyingParameter.count(id) == 1;
    int resultLocksSeen = 0;
    for (const char* parameter : parameters) {
      const std::string still = Call(id, parameter, false);
      EXPECT_EQ(parameterLocks >= 1, copiesParameter) << "function " << id << " " << parameter;
      EXPECT_EQ(parameterLocks, parameterUnlocks) << "function " << id << " " << parameter;
      EXPECT_EQ(resultLocks, resultUnlocks) << "function " << id << " " << parameter;
      EXPECT_EQ(unlocksOfUnlocked, 0) << "function " << id << " " << parameter;
      resultLocksSeen += resultLocks;
      if (copiesParameter) {
        EXPECT_EQ(Call(id, parameter, true), still) << "function " << id << " " << parameter << ": read unlocked";
      }
    }
    if (id == kListNumbers || id == kMakeList) {
      EXPECT_GE(resultLocksSeen, 1) << "function " << id;
    }
  }
  SetDefaultPrefs();
}

}  // namespace
