// Shell folders of the native build: application data is the XDG
// configuration folder, the desktop is ~/Desktop, and the recycle bin, as on
// Windows, exists but has no path.
#include <cstdlib>
#include <cstring>
#include <string>

#include "NativePaths.h"
#include "PlatformApi.h"

struct ITEMIDLIST {
  std::string nativePath;  // empty: a folder with no file-system path
};

namespace {

std::string Home() {
  const char* home = getenv("HOME");
  return home != nullptr ? home : "/";
}

class StandInMalloc : public IMalloc {};
StandInMalloc shellAllocator;

}  // namespace

void IMalloc::Free(void* block) { delete static_cast<ITEMIDLIST*>(block); }
DWORD IMalloc::Release() { return 1; }

HRESULT SHGetSpecialFolderLocation(HWND, int folder, LPITEMIDLIST* items) {
  *items = nullptr;
  switch (folder) {
    case CSIDL_APPDATA: {
      const char* config = getenv("XDG_CONFIG_HOME");
      *items = new ITEMIDLIST{config != nullptr && *config != 0 ? config : Home() + "/.config"};
      return S_OK;
    }
    case CSIDL_DESKTOP: *items = new ITEMIDLIST{Home() + "/Desktop"}; return S_OK;
    case CSIDL_BITBUCKET: *items = new ITEMIDLIST{""}; return S_OK;
    default: return E_FAIL;
  }
}

BOOL SHGetPathFromIDListA(LPCITEMIDLIST items, LPSTR path) {
  if (items == nullptr || items->nativePath.empty()) {
    if (path != nullptr) path[0] = 0;
    return FALSE;
  }
  return CopyOutPath(WindowsPath(items->nativePath), path, MAX_PATH) < MAX_PATH;
}

HRESULT SHGetMalloc(LPMALLOC* allocator) {
  *allocator = &shellAllocator;
  return S_OK;
}
