// Files of the native build: CreateFileA and its companions over open(2),
// with Windows' creation and sharing rules kept within this process.
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

#include "NativePaths.h"
#include "PlatformApi.h"
#include "StandInFileFaults.h"

namespace {

struct NativeFile {
  int fd;
  dev_t device;
  ino_t inode;
  DWORD access;
  DWORD share;
};

struct NativeSearch {
  DIR* dir;
  std::string folder;
  std::string pattern;
};

std::vector<NativeFile*> openFiles;
int64_t openSearches = 0;

int64_t faultAt = 0;
FileFaultMode faultMode = FileFaultMode::FromTheNthOn;
int64_t fileCalls = 0;
std::string programPath;
// The disk figures GetDiskFreeSpaceA answers instead of the file system's,
// when a test has fixed them.
bool diskFixed = false;
StandInDisk fixedDisk;

// Counts one file call; true when it is to fail, with `error` as its last error.
bool Faulted(DWORD error = ERROR_GEN_FAILURE) {
  ++fileCalls;
  const bool fails = faultAt != 0 && (faultMode == FileFaultMode::NthOnly ? fileCalls == faultAt
                                                                            : fileCalls >= faultAt);
  if (fails) SetLastError(error);
  return fails;
}

// Files given the hidden attribute, by device and inode. A native file has no
// such bit; like the sharing rules, it is kept within this process.
struct FileId {
  dev_t device;
  ino_t inode;
};
std::vector<FileId> hiddenFiles;

bool IsHidden(const struct stat& info) {
  for (const FileId& id : hiddenFiles) {
    if (id.device == info.st_dev && id.inode == info.st_ino) return true;
  }
  return false;
}

void SetHidden(const struct stat& info, bool hidden) {
  for (size_t i = 0; i < hiddenFiles.size(); ++i) {
    if (hiddenFiles[i].device == info.st_dev && hiddenFiles[i].inode == info.st_ino) {
      if (!hidden) hiddenFiles.erase(hiddenFiles.begin() + static_cast<std::ptrdiff_t>(i));
      return;
    }
  }
  if (hidden) hiddenFiles.push_back(FileId{info.st_dev, info.st_ino});
}

// Read-only is the absence of the owner's write permission, whoever runs:
// root too is refused, as an administrator is on Windows.
bool IsReadOnly(const struct stat& info) { return !(info.st_mode & S_IWUSR); }

// Whether some handle of this process holds the file open. The plug-in never
// shares deleting, so an open file can be neither deleted nor renamed.
bool IsOpenHere(const struct stat& info) {
  for (const NativeFile* open : openFiles) {
    if (open->device == info.st_dev && open->inode == info.st_ino) return true;
  }
  return false;
}

bool Conflicts(const NativeFile& open, DWORD access, DWORD share) {
  if ((access & GENERIC_WRITE) && !(open.share & FILE_SHARE_WRITE)) return true;
  if ((access & GENERIC_READ) && !(open.share & FILE_SHARE_READ)) return true;
  if ((open.access & GENERIC_WRITE) && !(share & FILE_SHARE_WRITE)) return true;
  if ((open.access & GENERIC_READ) && !(share & FILE_SHARE_READ)) return true;
  return false;
}

NativeFile* FileOf(HANDLE handle) {
  for (NativeFile* file : openFiles) {
    if (file == handle) return file;
  }
  return nullptr;
}

FILETIME FileTimeOf(const timespec& when) {
  // 100-nanosecond steps since 1 January 1601.
  uint64_t ticks = (static_cast<uint64_t>(when.tv_sec) + 11644473600ull) * 10000000ull +
                   static_cast<uint64_t>(when.tv_nsec) / 100;
  return FILETIME{static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
}

DWORD AttributesOf(const struct stat& info, const std::string& name) {
  DWORD attributes = 0;
  if (S_ISDIR(info.st_mode)) attributes |= FILE_ATTRIBUTE_DIRECTORY;
  if (IsReadOnly(info)) attributes |= FILE_ATTRIBUTE_READONLY;
  if (IsHidden(info) || (!name.empty() && name[0] == '.' && name != "." && name != ".."))
    attributes |= FILE_ATTRIBUTE_HIDDEN;
  return attributes == 0 ? FILE_ATTRIBUTE_NORMAL : attributes;
}

std::string LastComponent(const std::string& path) {
  size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// "*" and "?" wildcards; "*.*" matches every name, as on Windows.
bool Matches(const char* pattern, const char* name) {
  if (std::strcmp(pattern, "*.*") == 0) return true;
  if (*pattern == 0) return *name == 0;
  if (*pattern == '*') return Matches(pattern + 1, name) || (*name != 0 && Matches(pattern, name + 1));
  if (*name == 0) return false;
  return (*pattern == '?' || *pattern == *name) && Matches(pattern + 1, name + 1);
}

bool NextEntry(NativeSearch* search, WIN32_FIND_DATAA* found) {
  while (dirent* entry = readdir(search->dir)) {
    if (!Matches(search->pattern.c_str(), entry->d_name)) continue;
    std::memset(found, 0, sizeof *found);
    std::strncpy(found->cFileName, entry->d_name, MAX_PATH - 1);
    struct stat info;
    std::string full = search->folder + "/" + entry->d_name;
    if (stat(full.c_str(), &info) == 0) {
      found->dwFileAttributes = AttributesOf(info, entry->d_name);
      found->ftCreationTime = FileTimeOf(info.st_ctim);
      found->ftLastAccessTime = FileTimeOf(info.st_atim);
      found->ftLastWriteTime = FileTimeOf(info.st_mtim);
      found->nFileSizeHigh = static_cast<DWORD>(static_cast<uint64_t>(info.st_size) >> 32);
      found->nFileSizeLow = static_cast<DWORD>(info.st_size);
    }
    return true;
  }
  return false;
}

}  // namespace

HANDLE CreateFileA(LPCSTR path, DWORD access, DWORD share, void*, DWORD creation, DWORD, HANDLE) {
  if (Faulted()) return INVALID_HANDLE_VALUE;
  std::string native;
  if (!NativePath(path, &native) || native.empty()) {
    SetLastError(ERROR_PATH_NOT_FOUND);
    return INVALID_HANDLE_VALUE;
  }
  int flags = (access & GENERIC_WRITE) ? ((access & GENERIC_READ) ? O_RDWR : O_WRONLY) : O_RDONLY;
  switch (creation) {
    case CREATE_NEW: flags |= O_CREAT | O_EXCL; break;
    case CREATE_ALWAYS: flags |= O_CREAT | O_TRUNC; break;
    case OPEN_ALWAYS: flags |= O_CREAT; break;
    case OPEN_EXISTING: break;
    default: SetLastError(ERROR_INVALID_PARAMETER); return INVALID_HANDLE_VALUE;
  }
  struct stat info;
  if (stat(native.c_str(), &info) == 0) {
    if (creation == CREATE_NEW) {  // the name is taken: that comes before any sharing rule
      SetLastError(ERROR_FILE_EXISTS);
      return INVALID_HANDLE_VALUE;
    }
    if (S_ISDIR(info.st_mode) || ((access & GENERIC_WRITE) && IsReadOnly(info))) {
      SetLastError(ERROR_ACCESS_DENIED);
      return INVALID_HANDLE_VALUE;
    }
    for (const NativeFile* open : openFiles) {
      if (open->device == info.st_dev && open->inode == info.st_ino && Conflicts(*open, access, share)) {
        SetLastError(ERROR_SHARING_VIOLATION);
        return INVALID_HANDLE_VALUE;
      }
    }
  }
  int fd = open(native.c_str(), flags | O_CLOEXEC, 0666);
  if (fd < 0) {
    SetErrorFromErrno(errno, native);
    return INVALID_HANDLE_VALUE;
  }
  fstat(fd, &info);
  NativeFile* file = new NativeFile{fd, info.st_dev, info.st_ino, access, share};
  openFiles.push_back(file);
  SetLastError(ERROR_SUCCESS);
  return file;
}

BOOL ReadFile(HANDLE handle, LPVOID buffer, DWORD toRead, LPDWORD read, void*) {
  if (Faulted(ERROR_READ_FAULT)) {
    if (read != nullptr) *read = 0;
    return FALSE;
  }
  NativeFile* file = FileOf(handle);
  if (read != nullptr) *read = 0;
  if (file == nullptr || !(file->access & GENERIC_READ)) {
    SetLastError(file == nullptr ? ERROR_INVALID_HANDLE : ERROR_ACCESS_DENIED);
    return FALSE;
  }
  ssize_t n = ::read(file->fd, buffer, toRead);
  if (n < 0) {
    SetLastError(ERROR_READ_FAULT);
    return FALSE;
  }
  if (read != nullptr) *read = static_cast<DWORD>(n);
  return TRUE;
}

BOOL WriteFile(HANDLE handle, const void* buffer, DWORD toWrite, LPDWORD written, void*) {
  if (Faulted(ERROR_WRITE_FAULT)) {
    if (written != nullptr) *written = 0;
    return FALSE;
  }
  NativeFile* file = FileOf(handle);
  if (written != nullptr) *written = 0;
  if (file == nullptr || !(file->access & GENERIC_WRITE)) {
    SetLastError(file == nullptr ? ERROR_INVALID_HANDLE : ERROR_ACCESS_DENIED);
    return FALSE;
  }
  const char* bytes = static_cast<const char*>(buffer);
  DWORD done = 0;
  while (done < toWrite) {
    ssize_t n = ::write(file->fd, bytes + done, toWrite - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      SetErrorFromErrno(errno, "");
      if (written != nullptr) *written = done;
      return FALSE;
    }
    done += static_cast<DWORD>(n);
  }
  if (written != nullptr) *written = done;
  return TRUE;
}

DWORD SetFilePointer(HANDLE handle, LONG distance, PLONG distanceHigh, DWORD method) {
  if (Faulted()) return INVALID_SET_FILE_POINTER;
  NativeFile* file = FileOf(handle);
  if (file == nullptr) {
    SetLastError(ERROR_INVALID_HANDLE);
    return INVALID_SET_FILE_POINTER;
  }
  int64_t offset = distanceHigh != nullptr
                       ? static_cast<int64_t>((static_cast<uint64_t>(static_cast<uint32_t>(*distanceHigh)) << 32) |
                                              static_cast<uint32_t>(distance))
                       : distance;
  int whence = method == FILE_BEGIN ? SEEK_SET : method == FILE_CURRENT ? SEEK_CUR : SEEK_END;
  off_t at = lseek(file->fd, offset, whence);
  if (at < 0) {
    SetLastError(131);  // ERROR_NEGATIVE_SEEK
    return INVALID_SET_FILE_POINTER;
  }
  if (distanceHigh != nullptr) *distanceHigh = static_cast<LONG>(static_cast<uint64_t>(at) >> 32);
  SetLastError(ERROR_SUCCESS);
  return static_cast<DWORD>(at);
}

BOOL FlushFileBuffers(HANDLE handle) {
  if (Faulted()) return FALSE;
  NativeFile* file = FileOf(handle);
  if (file == nullptr) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  if (file->access & GENERIC_WRITE) fsync(file->fd);
  return TRUE;
}

BOOL CloseHandle(HANDLE handle) {
  const bool faulted = Faulted();
  for (size_t i = 0; i < openFiles.size(); ++i) {
    if (openFiles[i] == handle) {
      close(openFiles[i]->fd);
      delete openFiles[i];
      openFiles.erase(openFiles.begin() + static_cast<std::ptrdiff_t>(i));
      return faulted ? FALSE : TRUE;
    }
  }
  SetLastError(ERROR_INVALID_HANDLE);
  return FALSE;
}

BOOL GetFileInformationByHandle(HANDLE handle, BY_HANDLE_FILE_INFORMATION* out) {
  if (Faulted()) return FALSE;
  NativeFile* file = FileOf(handle);
  struct stat info;
  if (file == nullptr || fstat(file->fd, &info) != 0) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  std::memset(out, 0, sizeof *out);
  out->dwFileAttributes = AttributesOf(info, "");
  out->ftCreationTime = FileTimeOf(info.st_ctim);
  out->ftLastAccessTime = FileTimeOf(info.st_atim);
  out->ftLastWriteTime = FileTimeOf(info.st_mtim);
  out->dwVolumeSerialNumber = static_cast<DWORD>(info.st_dev);
  out->nFileSizeHigh = static_cast<DWORD>(static_cast<uint64_t>(info.st_size) >> 32);
  out->nFileSizeLow = static_cast<DWORD>(info.st_size);
  out->nNumberOfLinks = static_cast<DWORD>(info.st_nlink);
  out->nFileIndexHigh = static_cast<DWORD>(static_cast<uint64_t>(info.st_ino) >> 32);
  out->nFileIndexLow = static_cast<DWORD>(info.st_ino);
  return TRUE;
}

BOOL FileTimeToSystemTime(const FILETIME* fileTime, SYSTEMTIME* out) {
  uint64_t ticks = (static_cast<uint64_t>(fileTime->dwHighDateTime) << 32) | fileTime->dwLowDateTime;
  time_t seconds = static_cast<time_t>(ticks / 10000000ull) - static_cast<time_t>(11644473600ll);
  tm utc{};
  if (gmtime_r(&seconds, &utc) == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  out->wYear = static_cast<WORD>(utc.tm_year + 1900);
  out->wMonth = static_cast<WORD>(utc.tm_mon + 1);
  out->wDayOfWeek = static_cast<WORD>(utc.tm_wday);
  out->wDay = static_cast<WORD>(utc.tm_mday);
  out->wHour = static_cast<WORD>(utc.tm_hour);
  out->wMinute = static_cast<WORD>(utc.tm_min);
  out->wSecond = static_cast<WORD>(utc.tm_sec);
  out->wMilliseconds = static_cast<WORD>(ticks / 10000ull % 1000);
  return TRUE;
}

DWORD GetFileAttributesA(LPCSTR path) {
  if (Faulted()) return INVALID_FILE_ATTRIBUTES;
  std::string native;
  struct stat info;
  if (!NativePath(path, &native) || native.empty()) {
    SetLastError(ERROR_PATH_NOT_FOUND);
    return INVALID_FILE_ATTRIBUTES;
  }
  if (stat(native.c_str(), &info) != 0) {
    SetErrorFromErrno(errno, native);
    return INVALID_FILE_ATTRIBUTES;
  }
  return AttributesOf(info, LastComponent(native));
}

BOOL SetFileAttributesA(LPCSTR path, DWORD attributes) {
  if (Faulted()) return FALSE;
  std::string native;
  struct stat info;
  if (!NativePath(path, &native) || stat(native.c_str(), &info) != 0) {
    SetErrorFromErrno(errno, native);
    return FALSE;
  }
  // Read-only is the absence of write permission; hidden is kept aside.
  mode_t mode = info.st_mode & 07777;
  mode = (attributes & FILE_ATTRIBUTE_READONLY) ? (mode & ~static_cast<mode_t>(0222)) : (mode | S_IWUSR);
  if (chmod(native.c_str(), mode) != 0) {
    SetErrorFromErrno(errno, native);
    return FALSE;
  }
  SetHidden(info, (attributes & FILE_ATTRIBUTE_HIDDEN) != 0);
  return TRUE;
}

BOOL DeleteFileA(LPCSTR path) {
  if (Faulted()) return FALSE;
  std::string native;
  if (!NativePath(path, &native) || native.empty()) {
    SetLastError(ERROR_PATH_NOT_FOUND);
    return FALSE;
  }
  struct stat info;
  const bool there = stat(native.c_str(), &info) == 0;
  if (there) {
    if (S_ISDIR(info.st_mode) || IsReadOnly(info)) {
      SetLastError(ERROR_ACCESS_DENIED);
      return FALSE;
    }
    if (IsOpenHere(info)) {
      SetLastError(ERROR_SHARING_VIOLATION);
      return FALSE;
    }
  }
  if (unlink(native.c_str()) != 0) {
    SetErrorFromErrno(errno, native);
    return FALSE;
  }
  if (there) SetHidden(info, false);  // a later file may get the same inode
  return TRUE;
}

BOOL MoveFileA(LPCSTR from, LPCSTR to) {
  if (Faulted()) return FALSE;
  std::string source, target;
  if (!NativePath(from, &source) || !NativePath(to, &target)) {
    SetLastError(ERROR_PATH_NOT_FOUND);
    return FALSE;
  }
  struct stat info, targetInfo;
  const bool sourceThere = stat(source.c_str(), &info) == 0;
  if (sourceThere && IsOpenHere(info)) {
    SetLastError(ERROR_SHARING_VIOLATION);
    return FALSE;
  }
  if (lstat(target.c_str(), &targetInfo) == 0) {
    // A move onto itself succeeds and changes nothing.
    if (sourceThere && targetInfo.st_dev == info.st_dev && targetInfo.st_ino == info.st_ino) return TRUE;
    SetLastError(ERROR_ALREADY_EXISTS);
    return FALSE;
  }
  if (rename(source.c_str(), target.c_str()) != 0) {
    SetErrorFromErrno(errno, source);
    return FALSE;
  }
  return TRUE;
}

BOOL CreateDirectoryA(LPCSTR path, void*) {
  if (Faulted()) return FALSE;
  std::string native;
  if (!NativePath(path, &native) || native.empty()) {
    SetLastError(ERROR_PATH_NOT_FOUND);
    return FALSE;
  }
  if (mkdir(native.c_str(), 0777) != 0) {
    if (errno == EEXIST) SetLastError(ERROR_ALREADY_EXISTS);
    else SetErrorFromErrno(errno, native);
    return FALSE;
  }
  return TRUE;
}

BOOL RemoveDirectoryA(LPCSTR path) {
  if (Faulted()) return FALSE;
  std::string native;
  if (!NativePath(path, &native) || native.empty()) {
    SetLastError(ERROR_PATH_NOT_FOUND);
    return FALSE;
  }
  struct stat info;
  if (stat(native.c_str(), &info) == 0 && !S_ISDIR(info.st_mode)) {
    SetLastError(ERROR_DIRECTORY);  // a file is no folder to remove
    return FALSE;
  }
  if (rmdir(native.c_str()) != 0) {
    SetErrorFromErrno(errno, native);
    return FALSE;
  }
  return TRUE;
}

HANDLE FindFirstFileA(LPCSTR pattern, WIN32_FIND_DATAA* found) {
  if (Faulted()) return INVALID_HANDLE_VALUE;
  std::string native;
  if (!NativePath(pattern, &native)) {
    SetLastError(ERROR_PATH_NOT_FOUND);
    return INVALID_HANDLE_VALUE;
  }
  size_t slash = native.find_last_of('/');
  std::string folder = slash == std::string::npos ? "." : native.substr(0, slash);
  if (folder.empty()) folder = "/";
  DIR* dir = opendir(folder.c_str());
  if (dir == nullptr) {
    SetErrorFromErrno(errno == ENOENT ? ENOTDIR : errno, folder);
    return INVALID_HANDLE_VALUE;
  }
  NativeSearch* search = new NativeSearch{dir, folder, native.substr(slash + 1)};
  if (!NextEntry(search, found)) {
    closedir(dir);
    delete search;
    SetLastError(ERROR_FILE_NOT_FOUND);
    return INVALID_HANDLE_VALUE;
  }
  ++openSearches;
  return search;
}

BOOL FindNextFileA(HANDLE handle, WIN32_FIND_DATAA* found) {
  if (Faulted()) return FALSE;
  NativeSearch* search = static_cast<NativeSearch*>(handle);
  if (search == nullptr || handle == INVALID_HANDLE_VALUE) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  if (!NextEntry(search, found)) {
    SetLastError(ERROR_NO_MORE_FILES);
    return FALSE;
  }
  return TRUE;
}

BOOL FindClose(HANDLE handle) {
  NativeSearch* search = static_cast<NativeSearch*>(handle);
  if (search == nullptr || handle == INVALID_HANDLE_VALUE) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  const bool faulted = Faulted();
  closedir(search->dir);
  delete search;
  --openSearches;
  return faulted ? FALSE : TRUE;
}

BOOL GetDiskFreeSpaceA(LPCSTR root, LPDWORD sectorsPerCluster, LPDWORD bytesPerSector,
                       LPDWORD freeClusters, LPDWORD totalClusters) {
  if (Faulted()) return FALSE;
  std::string native = "/";
  if (root != nullptr && !NativePath(root, &native)) {
    SetLastError(ERROR_PATH_NOT_FOUND);
    return FALSE;
  }
  if (diskFixed) {
    if (sectorsPerCluster) *sectorsPerCluster = fixedDisk.sectorsPerCluster;
    if (bytesPerSector) *bytesPerSector = fixedDisk.bytesPerSector;
    if (freeClusters) *freeClusters = fixedDisk.freeClusters;
    if (totalClusters) *totalClusters = fixedDisk.totalClusters;
    return TRUE;
  }
  struct statvfs info;
  if (statvfs(native.empty() ? "." : native.c_str(), &info) != 0) {
    SetErrorFromErrno(errno, native);
    return FALSE;
  }
  // Clusters of the file system's block size, counted in 32 bits as Windows does.
  const uint64_t sector = 512;
  const uint64_t perCluster = info.f_frsize >= sector ? info.f_frsize / sector : 1;
  auto clamp = [](uint64_t v) { return static_cast<DWORD>(v > 0xFFFFFFFFull ? 0xFFFFFFFFull : v); };
  if (sectorsPerCluster) *sectorsPerCluster = static_cast<DWORD>(perCluster);
  if (bytesPerSector) *bytesPerSector = static_cast<DWORD>(sector);
  if (freeClusters) *freeClusters = clamp(info.f_bavail);
  if (totalClusters) *totalClusters = clamp(info.f_blocks);
  return TRUE;
}

DWORD GetCurrentDirectoryA(DWORD size, LPSTR buffer) {
  if (Faulted()) return 0;
  char cwd[PATH_MAX];
  if (getcwd(cwd, sizeof cwd) == nullptr) {
    SetErrorFromErrno(errno, "");
    return 0;
  }
  return CopyOutPath(WindowsPath(cwd), buffer, size);
}

DWORD GetModuleFileNameA(HMODULE, LPSTR buffer, DWORD size) {
  if (Faulted()) return 0;
  char self[PATH_MAX];
  ssize_t n = programPath.empty() ? ReadProgramPath(self, sizeof self - 1)
                                  : static_cast<ssize_t>(programPath.copy(self, sizeof self - 1));
  if (n <= 0 || size == 0) {
    SetLastError(ERROR_GEN_FAILURE);
    return 0;
  }
  self[n] = 0;
  std::string path = WindowsPath(self);
  if (path.size() + 1 > size) {  // cut and terminated, as Windows does
    std::memcpy(buffer, path.c_str(), size - 1);
    buffer[size - 1] = 0;
    SetLastError(122);  // ERROR_INSUFFICIENT_BUFFER
    return size;
  }
  std::memcpy(buffer, path.c_str(), path.size() + 1);
  return static_cast<DWORD>(path.size());
}

UINT GetSystemDirectoryA(LPSTR buffer, UINT size) { return CopyOutPath("C:\\usr\\lib", buffer, size); }
UINT GetWindowsDirectoryA(LPSTR buffer, UINT size) { return CopyOutPath("C:\\usr", buffer, size); }

DWORD GetTempPathA(DWORD size, LPSTR buffer) {
  if (Faulted()) return 0;
  const char* tmp = getenv("TMPDIR");
  std::string path = WindowsPath(tmp != nullptr && *tmp != 0 ? tmp : "/tmp");
  if (path.empty() || path.back() != '\\') path += '\\';
  return CopyOutPath(path, buffer, size);
}

void InjectFileFaults(int64_t n, FileFaultMode mode) {
  faultAt = n;
  faultMode = mode;
  fileCalls = 0;
}

int64_t FileCallsMade() { return fileCalls; }

int64_t OpenStandInHandles() { return static_cast<int64_t>(openFiles.size()) + openSearches; }

void SetStandInDisk(const StandInDisk* disk) {
  diskFixed = disk != nullptr;
  if (disk != nullptr) fixedDisk = *disk;
}

void SetStandInProgramPath(const char* nativePath) { programPath = nativePath != nullptr ? nativePath : ""; }
