#include "PluginHost.h"

#include <cstdlib>
#include <cstring>

namespace {

// A handle is the address of `data`; the block carries guard bytes after its
// size so that a write past the end is seen.
struct HandleRecord {
  char* data;
  int32_t size;
  int32_t locks;
};

constexpr int32_t kGuardBytes = 16;
constexpr unsigned char kGuardByte = 0xA5;
constexpr intptr_t kNothingWritten = static_cast<intptr_t>(0x5EED5EED);

struct ServiceState {
  bool failResizes = false;
  int16_t lastError = 0;
  HandleRecord* result = nullptr;
  int resultResizes = 0;
  bool overrun = false;
};
ServiceState state;

HandleRecord* RecordOf(HostHandle handle) { return reinterpret_cast<HandleRecord*>(handle); }

char* NewBlock(int32_t size) {
  char* block = static_cast<char*>(std::malloc(static_cast<size_t>(size) + kGuardBytes));
  std::memset(block + size, kGuardByte, kGuardBytes);
  return block;
}

bool GuardIntact(const HandleRecord& record) {
  for (int32_t i = 0; i < kGuardBytes; ++i) {
    if (static_cast<unsigned char>(record.data[record.size + i]) != kGuardByte) return false;
  }
  return true;
}

HandleRecord MakeHandle(const std::string& bytes) {
  HandleRecord record{NewBlock(static_cast<int32_t>(bytes.size())), static_cast<int32_t>(bytes.size()), 0};
  if (!bytes.empty()) std::memcpy(record.data, bytes.data(), bytes.size());
  return record;
}

void WINAPI ResizeHandle(HostHandle handle, int32_t newSize) {
  HandleRecord* record = RecordOf(handle);
  if (record == state.result) ++state.resultResizes;
  if (state.failResizes || newSize < 0) {
    state.lastError = -108;  // not enough memory; the handle stays as it was
    return;
  }
  if (!GuardIntact(*record)) state.overrun = true;
  char* block = NewBlock(newSize);
  std::memcpy(block, record->data, static_cast<size_t>(newSize < record->size ? newSize : record->size));
  std::free(record->data);
  record->data = block;
  record->size = newSize;
  state.lastError = 0;
}

int32_t WINAPI HandleSize(HostHandle handle) { return RecordOf(handle)->size; }
void WINAPI LockHandle(HostHandle handle) { ++RecordOf(handle)->locks; }
void WINAPI UnlockHandle(HostHandle handle) { --RecordOf(handle)->locks; }
int16_t WINAPI LastMemoryError() { return state.lastError; }

}  // namespace

CallOutcome PluginHost::Call(uint8_t kind, int16_t version, int32_t functionId,
                             const std::string& parameter, const std::string& resultInit,
                             bool failResizes, bool resultIsHandle, uint8_t idleLevel,
                             const std::vector<DialogAction>& actions) {
  HandleRecord param = MakeHandle(parameter);
  HandleRecord result = MakeHandle(resultInit);
  state = ServiceState{};
  state.failResizes = failResizes;
  state.result = &result;

  ExternCallBlock block;
  std::memset(&block, 0, sizeof block);
  block.interfaceVersion = version;
  block.callKind = kind;
  block.idleLevel = idleLevel;
  block.functionId = functionId;
  block.parameterHandle = &param.data;
  block.instanceHandle = static_cast<HINSTANCE>(plugin_.module);
  const intptr_t resultField = resultIsHandle ? reinterpret_cast<intptr_t>(&result.data) : kNothingWritten;
  block.result = resultField;
  block.ResizeHandle = ResizeHandle;
  block.HandleSize = HandleSize;
  block.LockHandle = LockHandle;
  block.UnlockHandle = UnlockHandle;
  block.LastMemoryError = LastMemoryError;

  CallOutcome outcome;
  outcome.messageBoxes = RunAnsweringWindows([&] { plugin_.entry(&block); }, actions, &outcome.dialog);
  outcome.resized = state.resultResizes > 0;
  outcome.result.assign(result.data, static_cast<size_t>(result.size));
  outcome.codeWritten = block.result != resultField;
  outcome.code = static_cast<int64_t>(block.result);
  outcome.damaged = state.overrun || !GuardIntact(result) || !GuardIntact(param) ||
                    std::memcmp(param.data, parameter.data(), parameter.size()) != 0;
  std::free(param.data);
  std::free(result.data);
  return outcome;
}

CallOutcome PluginHost::Init(int16_t interfaceVersion) {
  return Call(CallKind::Init, interfaceVersion, 0, "", "", false, false, 0);
}

CallOutcome PluginHost::ExternalCall(int32_t functionId, const std::string& parameter,
                                     const std::string& resultInit, bool failResizes) {
  return Call(CallKind::ExternalCall, 4, functionId, parameter, resultInit, failResizes, true, 0);
}

CallOutcome PluginHost::Preferences(const std::vector<DialogAction>& actions) {
  return Call(CallKind::Preferences, 4, 0, "", "", false, true, 0, actions);
}

CallOutcome PluginHost::RawKind(uint8_t kind, uint8_t idleLevel) {
  return Call(kind, 4, 0, "", "", false, true, idleLevel);
}
