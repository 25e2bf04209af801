// The host's call record and memory services.
//
// Compatibility rule: the host lays out ExternCallBlock with fixed byte
// offsets on 32-bit Windows; the checks below hold the 32-bit layout to them.
// A HostHandle is a pointer to the host's pointer to its block. Texts travel
// in handles as bare bytes: the length is the handle's size, no NUL follows.
#pragma once

#include <cstddef>
#include <cstdint>

#include "PlatformApi.h"

typedef char** HostHandle;

// The services remove their own arguments (the Win32 standard convention).
typedef void(WINAPI* ResizeHandleService)(HostHandle handle, int32_t newSize);
typedef int32_t(WINAPI* HandleSizeService)(HostHandle handle);
typedef void(WINAPI* LockHandleService)(HostHandle handle);
typedef void(WINAPI* UnlockHandleService)(HostHandle handle);
typedef int16_t(WINAPI* LastMemoryErrorService)(void);

enum CallKind : uint8_t {
  Init = 0,
  Idle = 1,
  ExternalCall = 3,
  Shutdown = 4,
  Preferences = 5,
};

struct ExternCallBlock {
  int16_t interfaceVersion;    // read at Init
  uint8_t hostData[7];         // not used
  uint8_t callKind;            // CallKind
  uint8_t idleLevel;           // nothing depends on it
  uint8_t unused11;
  int32_t functionId;          // a row of the function table, or an unknown id
  HostHandle parameterHandle;  // parameter text of an external call
  HINSTANCE instanceHandle;    // owner of dialog 15150
  intptr_t result;             // Init: result code; external call: the result handle
  void* unused28[2];
  ResizeHandleService ResizeHandle;
  HandleSizeService HandleSize;
  void* unused44[2];
  LockHandleService LockHandle;
  UnlockHandleService UnlockHandle;
  void* unused60[2];
  LastMemoryErrorService LastMemoryError;
};

// The 32-bit layout is the host's; a 64-bit native build has its own.
constexpr bool kCallBlockIs32Bit = sizeof(void*) == 4;
static_assert(offsetof(ExternCallBlock, callKind) == 9, "callKind at 9");
static_assert(offsetof(ExternCallBlock, idleLevel) == 10, "idleLevel at 10");
static_assert(offsetof(ExternCallBlock, functionId) == 12, "functionId at 12");
static_assert(offsetof(ExternCallBlock, parameterHandle) == 16, "parameterHandle at 16");
static_assert(!kCallBlockIs32Bit || offsetof(ExternCallBlock, instanceHandle) == 20, "instanceHandle at 20");
static_assert(!kCallBlockIs32Bit || offsetof(ExternCallBlock, result) == 24, "result at 24");
static_assert(!kCallBlockIs32Bit || offsetof(ExternCallBlock, ResizeHandle) == 36, "ResizeHandle at 36");
static_assert(!kCallBlockIs32Bit || offsetof(ExternCallBlock, HandleSize) == 40, "HandleSize at 40");
static_assert(!kCallBlockIs32Bit || offsetof(ExternCallBlock, LockHandle) == 52, "LockHandle at 52");
static_assert(!kCallBlockIs32Bit || offsetof(ExternCallBlock, UnlockHandle) == 56, "UnlockHandle at 56");
static_assert(!kCallBlockIs32Bit || offsetof(ExternCallBlock, LastMemoryError) == 68, "LastMemoryError at 68");
static_assert(!kCallBlockIs32Bit || sizeof(ExternCallBlock) == 72, "72 bytes in all");

// The one export of the plug-in (C calling convention).
extern "C" typedef void (*FMExternCallProcType)(ExternCallBlock* block);
#define KELV_ENTRY_POINT_NAME "FMExternCallProc"
