#include "HostServices.h"

ExternCallBlock* currentCallBlock = nullptr;

void HostResizeHandle(HostHandle handle, int32_t size) { currentCallBlock->ResizeHandle(handle, size); }
int32_t HostHandleSize(HostHandle handle) { return currentCallBlock->HandleSize(handle); }
void HostLockHandle(HostHandle handle) { currentCallBlock->LockHandle(handle); }
void HostUnlockHandle(HostHandle handle) { currentCallBlock->UnlockHandle(handle); }
int16_t HostLastMemoryError() { return currentCallBlock->LastMemoryError(); }
