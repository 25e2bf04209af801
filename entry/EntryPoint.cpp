// FMExternCallProc: the plug-in's one export. Stores the block, switches on
// the kind of call and hands on.
#include "Dispatcher.h"
#include "host/CallBlock.h"
#include "host/HostServices.h"
#include "prefs/DateTimePrefs.h"
#include "prefs/PrefsDialog.h"
#include "prefs/PrefsFile.h"

namespace {

constexpr int16_t kLowestInterfaceVersion = 4;
constexpr int16_t kHighestInterfaceVersion = 255;
constexpr intptr_t kInitAccepted = 4;
constexpr intptr_t kInitRefused = -1;

void StartUp(ExternCallBlock* block) {
  const int16_t version = block->interfaceVersion;
  if (version < kLowestInterfaceVersion || version > kHighestInterfaceVersion) {
    block->result = kInitRefused;
    return;
  }
  OpenPrefsFile();
  SetDefaultPrefs();
  LoadPrefs();
  block->result = kInitAccepted;
}

}  // namespace

extern "C" KELV_EXPORT void FMExternCallProc(ExternCallBlock* block) {
  currentCallBlock = block;
  switch (block->callKind) {
    case Init: StartUp(block); break;
    case Idle: break;
    case ExternalCall:
      DispatchExternalFunction(block->functionId, block->parameterHandle,
                               reinterpret_cast<HostHandle>(block->result));
      break;
    case Shutdown: SavePrefs(); break;
    case Preferences: ShowPrefsDialog(); break;
    default: break;
  }
}
