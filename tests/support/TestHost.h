// The one stand-in host of the tests, the benchmarks and the fuzz targets:
// the call block and the handle services over buffers of its own, calling
// the plug-in's entry point directly.
//
// Every handle is followed by guard bytes, checked after every call: a write
// past a handle's size is found on every build, sanitizers or not. A host
// can refuse resizes from the Nth on (out of memory) or the Nth alone (a
// passing shortage). Storage::Exact gives every resize a block of exactly
// the size asked (plus the guard), so the sanitizers see the byte past it;
// Storage::Fixed keeps one large block per handle, so that the services cost
// next to nothing where instructions are counted.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "host/CallBlock.h"
#include "host/HostServices.h"

extern "C" void FMExternCallProc(ExternCallBlock* block);

class TestHost {
 public:
  enum class Storage { Exact, Fixed };
  // How resizes fail: from the Nth on, every one (a host out of memory), or
  // the Nth alone (a passing shortage).
  enum class Failing { FromTheNthOn, NthOnly };

  static constexpr int32_t kGuardSize = 16;
  static constexpr unsigned char kGuardByte = 0xA5;
  static constexpr int32_t kFixedCapacity = 1 << 17;  // past any result the plug-in may write

  explicit TestHost(Storage storage = Storage::Exact) {
    storage_ = storage;
    std::memset(&block_, 0, sizeof block_);
    block_.interfaceVersion = 4;
    block_.ResizeHandle = Resize;
    block_.HandleSize = Size;
    block_.LockHandle = Lock;
    block_.UnlockHandle = Lock;
    block_.LastMemoryError = MemoryError;
  }
  ~TestHost() {
    std::free(param_.block);
    std::free(result_.block);
  }
  TestHost(const TestHost&) = delete;
  TestHost& operator=(const TestHost&) = delete;

  // A call of any other kind: Init (with the block's interface version),
  // Idle, Shutdown, ...; answers what the plug-in wrote into `result`.
  intptr_t Lifecycle(uint8_t kind, int16_t interfaceVersion = 4) {
    block_.callKind = kind;
    block_.interfaceVersion = interfaceVersion;
    block_.result = 0;
    FMExternCallProc(&block_);
    return block_.result;
  }

  // An external call; answers the result. The result handle starts with
  // `resultInit`; from the `failFrom`-th resize on (1 for the first, 0
  // never), or at that one only, a resize fails and leaves the handle alone.
  std::string Call(int32_t functionId, const std::string& parameter, const std::string& resultInit = "",
                   int failFrom = 0, Failing failing = Failing::FromTheNthOn) {
    CallLength(functionId, parameter, resultInit, failFrom, failing);
    return Result();
  }

  // The same; answers the result's length only.
  int32_t CallLength(int32_t functionId, const std::string& parameter, const std::string& resultInit = "",
                     int failFrom = 0, Failing failing = Failing::FromTheNthOn) {
    Fill(&param_, parameter);
    Prepare(resultInit, failFrom, failing);
    block_.callKind = CallKind::ExternalCall;
    block_.functionId = functionId;
    block_.parameterHandle = &param_.data;
    FMExternCallProc(&block_);
    if (!GuardIntact(param_) || !GuardIntact(result_)) damaged_ = true;
    if (std::memcmp(param_.data, parameter.data(), parameter.size()) != 0) damaged_ = true;
    return result_.size;
  }

  // For code below the entry point: makes this host's block the current one
  // and answers the result handle, prepared as Call prepares it.
  HostHandle Prepare(const std::string& resultInit = "", int failFrom = 0,
                     Failing failing = Failing::FromTheNthOn) {
    Fill(&result_, resultInit);
    resized_ = false;
    resizes_ = 0;
    failFrom_ = failFrom;
    failOnce_ = failing == Failing::NthOnly;
    lastError_ = 0;
    block_.result = reinterpret_cast<intptr_t>(&result_.data);
    currentCallBlock = &block_;
    return reinterpret_cast<HostHandle>(&result_.data);
  }

  // The result handle's bytes.
  std::string Result() const { return std::string(result_.data, static_cast<size_t>(result_.size)); }
  bool Resized() const { return resized_; }
  int Resizes() const { return resizes_; }
  // Whether any call so far wrote past a handle or into the parameter.
  bool Damaged() const { return damaged_; }

 private:
  struct Handle {
    char* data;      // the host's block: the handle points here
    int32_t size;
    char* block;     // what was allocated
    int32_t capacity;
  };
  static Handle* Of(HostHandle h) { return reinterpret_cast<Handle*>(h); }

  static void Guard(Handle* handle) { std::memset(handle->data + handle->size, kGuardByte, kGuardSize); }
  static bool GuardIntact(const Handle& handle) {
    for (int32_t i = 0; i < kGuardSize; ++i) {
      if (static_cast<unsigned char>(handle.data[handle.size + i]) != kGuardByte) return false;
    }
    return true;
  }
  // Gives the handle `size` bytes, keeping what fits of its content.
  static void Reserve(Handle* handle, int32_t size) {
    if (storage_ == Storage::Fixed && handle->block != nullptr) return;
    const int32_t capacity = storage_ == Storage::Fixed ? kFixedCapacity : size;
    char* block = static_cast<char*>(std::malloc(static_cast<size_t>(capacity) + kGuardSize));
    if (handle->block != nullptr) {
      std::memcpy(block, handle->data, static_cast<size_t>(size < handle->size ? size : handle->size));
      std::free(handle->block);
    }
    handle->block = handle->data = block;
    handle->capacity = capacity;
  }
  static void Fill(Handle* handle, const std::string& bytes) {
    const int32_t size = static_cast<int32_t>(bytes.size());
    Reserve(handle, size);
    std::memcpy(handle->data, bytes.data(), bytes.size());
    handle->size = size;
    Guard(handle);
  }

  static void WINAPI Resize(HostHandle h, int32_t size) {
    Handle* handle = Of(h);
    ++resizes_;
    const bool fails = failFrom_ != 0 && (failOnce_ ? resizes_ == failFrom_ : resizes_ >= failFrom_);
    lastError_ = fails || size < 0 || size > kFixedCapacity ? -108 : 0;
    if (lastError_ != 0) return;
    // A write past the handle before this resize; where instructions are
    // counted the check after the call suffices.
    if (storage_ == Storage::Exact && !GuardIntact(*handle)) damaged_ = true;
    Reserve(handle, size);
    handle->size = size;
    Guard(handle);
    resized_ = true;
  }
  static int32_t WINAPI Size(HostHandle h) { return Of(h)->size; }
  static void WINAPI Lock(HostHandle) {}
  static int16_t WINAPI MemoryError() { return lastError_; }

  ExternCallBlock block_;
  Handle param_{nullptr, 0, nullptr, 0};
  Handle result_{nullptr, 0, nullptr, 0};
  static inline Storage storage_ = Storage::Exact;
  static inline bool resized_ = false;
  static inline bool damaged_ = false;
  static inline int resizes_ = 0;
  static inline int failFrom_ = 0;
  static inline bool failOnce_ = false;
  static inline int16_t lastError_ = 0;
};
