#include "NativePaths.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>

namespace {
thread_local DWORD lastError = ERROR_SUCCESS;
}

DWORD GetLastError(void) { return lastError; }
void SetLastError(DWORD error) { lastError = error; }

bool NativePath(LPCSTR path, std::string* native) {
  native->clear();
  if (path == nullptr) return false;
  std::string text(path);
  if (text.size() >= 2 && text[1] == ':') {
    if (text[0] != 'C' && text[0] != 'c') return false;
    text.erase(0, 2);
    if (text.empty()) text = "\\";
  }
  for (char& ch : text) {
    if (ch == '\\') ch = '/';
  }
  *native = text;
  return true;
}

std::string WindowsPath(const std::string& native) {
  std::string text = native;
  for (char& ch : text) {
    if (ch == '/') ch = '\\';
  }
  if (!text.empty() && text[0] == '\\') text = "C:" + text;
  return text;
}

DWORD CopyOutPath(const std::string& text, LPSTR buffer, DWORD size) {
  if (buffer == nullptr || text.size() + 1 > size) return static_cast<DWORD>(text.size() + 1);
  std::memcpy(buffer, text.c_str(), text.size() + 1);
  return static_cast<DWORD>(text.size());
}

void SetErrorFromErrno(int error, const std::string& nativePath) {
  switch (error) {
    case ENOENT: {
      // A missing last component is a missing file, a missing folder on the way a missing path.
      std::string parent = nativePath.substr(0, nativePath.find_last_of('/') + 1);
      struct stat info;
      bool parentThere = parent.empty() || (stat(parent.c_str(), &info) == 0 && S_ISDIR(info.st_mode));
      SetLastError(parentThere ? ERROR_FILE_NOT_FOUND : ERROR_PATH_NOT_FOUND);
      break;
    }
    case ENOTDIR:
    case ENAMETOOLONG: SetLastError(ERROR_PATH_NOT_FOUND); break;
    case EACCES:
    case EPERM:
    case EISDIR: SetLastError(ERROR_ACCESS_DENIED); break;
    case EEXIST: SetLastError(ERROR_FILE_EXISTS); break;
    case EBADF: SetLastError(ERROR_INVALID_HANDLE); break;
    case EROFS: SetLastError(ERROR_WRITE_PROTECT); break;
    case ENOSPC: SetLastError(ERROR_DISK_FULL); break;
    case ENOTEMPTY: SetLastError(ERROR_DIR_NOT_EMPTY); break;
    case EINVAL: SetLastError(ERROR_INVALID_PARAMETER); break;
    default: SetLastError(ERROR_GEN_FAILURE); break;
  }
}
