// A host for unit tests: the call block and handle services over buffers of
// their own, calling the plug-in's entry point directly.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "host/CallBlock.h"
#include "host/HostServices.h"

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

  // How resizes fail: from the Nth on, every one (a host out of memory), or
  // the Nth alone (a passing shortage).
  enum class Failing { FromTheNthOn, NthOnly };

  // An external call; answers the result ("" with resized() false when none).
  // The result handle starts with `resultInit`; from the `failFrom`-th resize
  // on (1 for the first, 0 never), or at that one only, a resize fails and
  // leaves the handle alone.
  std::string Call(int32_t functionId, const std::string& parameter, const std::string& resultInit = "",
                   int failFrom = 0, Failing failing = Failing::FromTheNthOn) {
    Handle param{const_cast<char*>(parameter.data()), static_cast<int32_t>(parameter.size()), {}};
    Prepare(resultInit, failFrom, failing);
    block_.callKind = CallKind::ExternalCall;
    block_.functionId = functionId;
    block_.parameterHandle = &param.data;
    FMExternCallProc(&block_);
    return Result();
  }

  // For code below the entry point: makes this host's block the current one
  // and answers the result handle, prepared as Call prepares it.
  HostHandle Prepare(const std::string& resultInit = "", int failFrom = 0,
                     Failing failing = Failing::FromTheNthOn) {
    result_.bytes.assign(resultInit.begin(), resultInit.end());
    result_.data = result_.bytes.data();
    result_.size = static_cast<int32_t>(resultInit.size());
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
  std::string Result() const {
    return std::string(result_.data ? result_.data : "", static_cast<size_t>(result_.size));
  }
  bool Resized() const { return resized_; }
  int Resizes() const { return resizes_; }

 private:
  struct Handle {
    char* data;
    int32_t size;
    std::vector<char> bytes;
  };
  static Handle* Of(HostHandle h) { return reinterpret_cast<Handle*>(h); }
  static void WINAPI Resize(HostHandle h, int32_t size) {
    Handle* handle = Of(h);
    ++resizes_;
    const bool fails = failFrom_ != 0 && (failOnce_ ? resizes_ == failFrom_ : resizes_ >= failFrom_);
    lastError_ = fails ? -108 : 0;
    if (lastError_ != 0) return;
    handle->bytes.resize(static_cast<size_t>(size));
    handle->data = handle->bytes.data();
    handle->size = size;
    resized_ = true;
  }
  static int32_t WINAPI Size(HostHandle h) { return Of(h)->size; }
  static void WINAPI Lock(HostHandle) {}
  static int16_t WINAPI NoError() { return lastError_; }

  ExternCallBlock block_;
  Handle result_{};
  static inline bool resized_ = false;
  static inline int resizes_ = 0;
  static inline int failFrom_ = 0;
  static inline bool failOnce_ = false;
  static inline int16_t lastError_ = 0;
};
