// The host's handle services, called through the latest call block.
#pragma once

#include <cstdint>

#include "CallBlock.h"

// The block of the call in progress; stored first on every call.
extern ExternCallBlock* currentCallBlock;

void HostResizeHandle(HostHandle handle, int32_t size);
int32_t HostHandleSize(HostHandle handle);
void HostLockHandle(HostHandle handle);
void HostUnlockHandle(HostHandle handle);
int16_t HostLastMemoryError();

// The bytes of a handle: the host's block starts at the inner pointer.
inline char* HandleData(HostHandle handle) { return *handle; }
