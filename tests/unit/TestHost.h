// A host for unit tests: the call block and handle services over buffers of
// their own, calling the plug-in's entry point directly.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "host/CallBlock.h"

extern "C" void FMExternCallProc(ExternCallBlock* block);

class TestHost {
 public:
  TestHost() {
    std::memset(&block_, 0, sizeof block_);
    block_.ResizeHandle = Resize;
    block_.HandleSize = Size;
    block_.LockHandle = Lock;
    block_.UnlockHandle = Lock;
    block_.LastMemoryError = NoError;
  }

  // An external call; answers the result ("" with resized() false when none).
  std::string Call(int32_t functionId, const std::string& parameter) {
    Handle param{const_cast<char*>(parameter.data()), static_cast<int32_t>(parameter.size()), {}};
    result_.bytes.clear();
    result_.data = nullptr;
    result_.size = 0;
    resized_ = false;
    block_.callKind = CallKind::ExternalCall;
    block_.functionId = functionId;
    block_.parameterHandle = &param.data;
    block_.result = reinterpret_cast<intptr_t>(&result_.data);
    FMExternCallProc(&block_);
    return std::string(result_.data ? result_.data : "", static_cast<size_t>(result_.size));
  }
  bool Resized() const { return resized_; }

 private:
  struct Handle {
    char* data;
    int32_t size;
    std::vector<char> bytes;
  };
  static Handle* Of(HostHandle h) { return reinterpret_cast<Handle*>(h); }
  static void WINAPI Resize(HostHandle h, int32_t size) {
    Handle* handle = Of(h);
    handle->bytes.resize(static_cast<size_t>(size));
    handle->data = handle->bytes.data();
    handle->size = size;
    resized_ = true;
  }
  static int32_t WINAPI Size(HostHandle h) { return Of(h)->size; }
  static void WINAPI Lock(HostHandle) {}
  static int16_t WINAPI NoError() { return 0; }

  ExternCallBlock block_;
  Handle result_{};
  static inline bool resized_ = false;
};
