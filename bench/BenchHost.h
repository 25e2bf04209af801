// A host for measuring: the call block and handle services as kelvhost lays
// them out, over fixed buffers so the services themselves cost next to
// nothing, and the plug-in's entry point linked in directly.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>

#include "host/CallBlock.h"

extern "C" void FMExternCallProc(ExternCallBlock* block);

class BenchHost {
 public:
  static constexpr int32_t kCapacity = 1 << 17;

  BenchHost() {
    param_.data = paramBytes_;
    result_.data = resultBytes_;
    std::memset(&block_, 0, sizeof block_);
    block_.interfaceVersion = 4;
    block_.ResizeHandle = Resize;
    block_.HandleSize = Size;
    block_.LockHandle = Lock;
    block_.UnlockHandle = Lock;
    block_.LastMemoryError = NoError;
    block_.callKind = CallKind::Init;
    FMExternCallProc(&block_);
  }

  // One external call; answers the result's length.
  int32_t Call(int32_t functionId, const std::string& parameter) {
    std::memcpy(paramBytes_, parameter.data(), parameter.size());
    param_.size = static_cast<int32_t>(parameter.size());
    result_.size = 0;
    block_.callKind = CallKind::ExternalCall;
    block_.functionId = functionId;
    block_.parameterHandle = &param_.data;
    block_.result = reinterpret_cast<intptr_t>(&result_.data);
    FMExternCallProc(&block_);
    return result_.size;
  }

  void Idle() {
    block_.callKind = CallKind::Idle;
    FMExternCallProc(&block_);
  }

  std::string Result() const { return std::string(resultBytes_, static_cast<size_t>(result_.size)); }

 private:
  struct Handle {
    char* data;
    int32_t size;
  };
  static Handle* Of(HostHandle h) { return reinterpret_cast<Handle*>(h); }
  static void WINAPI Resize(HostHandle h, int32_t size) { Of(h)->size = size <= kCapacity ? size : kCapacity; }
  static int32_t WINAPI Size(HostHandle h) { return Of(h)->size; }
  static void WINAPI Lock(HostHandle) {}
  static int16_t WINAPI NoError() { return 0; }

  ExternCallBlock block_;
  Handle param_{};
  Handle result_{};
  char paramBytes_[kCapacity];
  char resultBytes_[kCapacity];
};
