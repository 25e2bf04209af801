#include "TVXFile.h"

#include "text/VXString.h"

namespace {

int32_t Length(const char* text) {
  int32_t length = 0;
  while (text[length] != 0) ++length;
  return length;
}

bool IsOpen(HANDLE handle) { return handle != INVALID_HANDLE_VALUE; }

// Appends a backslash unless the text ends in one; false when it does not fit.
bool EndWithBackslash(char* folder, int32_t size) {
  int32_t length = Length(folder);
  if (length > 0 && folder[length - 1] == '\\') return true;
  if (length + 1 >= size) return false;
  folder[length] = '\\';
  folder[length + 1] = 0;
  return true;
}

TVXFileTime FileTimeParts(const FILETIME& when) {
  SYSTEMTIME utc;
  VXMemFill(&utc, 0, sizeof utc);
  FileTimeToSystemTime(&when, &utc);
  return TVXFileTime{utc.wMilliseconds, utc.wSecond, utc.wMinute, utc.wHour,
                     utc.wDay,          utc.wMonth,  utc.wYear};
}

uint8_t InfoFlags(uint8_t callerFlags, DWORD attributes) {
  uint8_t flags = callerFlags & 0xF0;  // bits 4 to 7 stay as the caller had them
  if (attributes & FILE_ATTRIBUTE_DIRECTORY) flags |= kInfoFolder;
  if (attributes & FILE_ATTRIBUTE_READONLY) flags |= kInfoReadOnly;
  if (attributes & FILE_ATTRIBUTE_SYSTEM) flags |= kInfoSystem;
  if (attributes & FILE_ATTRIBUTE_HIDDEN) flags |= kInfoHidden;
  return flags;
}

int16_t LastErrorCode() { return TranslatePlatformError(GetLastError()); }

// After a call that failed by its own answer (nothing copied, or a path cut
// at the buffer's end) the platform may have set no error: it is a failure
// all the same.
int16_t FailedCallCode() {
  const int16_t code = LastErrorCode();
  return code != kFileOk ? code : kFileOtherError;
}

}  // namespace

int16_t TranslatePlatformError(DWORD error) {
  switch (error) {
    case ERROR_SUCCESS: return kFileOk;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_NO_MORE_FILES: return kFileNotFound;
    case ERROR_ACCESS_DENIED:
    case ERROR_READ_FAULT: return kFileReadError;
    case ERROR_INVALID_HANDLE: return kFileInvalid;
    case ERROR_WRITE_PROTECT:
    case ERROR_WRITE_FAULT: return kFileWriteError;
    case ERROR_ALREADY_EXISTS: return kFileExists;
    default: return kFileOtherError;  // ERROR_FILE_EXISTS among them
  }
}

TVXFile::TVXFile()
    : fileHandle_(INVALID_HANDLE_VALUE), searchHandle_(INVALID_HANDLE_VALUE), openMode_(kModeReadWrite) {
  name_[0] = 0;
  VXMemFill(&foundEntry_, 0, sizeof foundEntry_);
  DWORD written = GetCurrentDirectoryA(kFolderSize, folder_);
  if (written == 0 || written >= static_cast<DWORD>(kFolderSize) || !EndWithBackslash(folder_, kFolderSize))
    folder_[0] = 0;
}

TVXFile::~TVXFile() {
  Close();
  if (IsOpen(searchHandle_)) FindClose(searchHandle_);
}

bool TVXFile::FullPath(char* path, const char* name) const {
  const int32_t folderLength = Length(folder_);
  const int32_t nameLength = name != nullptr ? Length(name) : 0;
  if (folderLength + nameLength > MAX_PATH - 1) return false;
  VXMemCopy(path, folder_, static_cast<uint32_t>(folderLength));
  VXMemCopy(path + folderLength, name, static_cast<uint32_t>(nameLength));
  path[folderLength + nameLength] = 0;
  return true;
}

void TVXFile::SetName(const char* name) {
  if (name == nullptr) name_[0] = 0;
  else VXStrCopy(name_, name, kFileNameSize - 1);
}

int16_t TVXFile::Create() {
  if (name_[0] == 0) return kFileNoName;
  char path[MAX_PATH];
  if (!FullPath(path, name_)) return kFileInvalid;
  HANDLE created = CreateFileA(path, GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_NEW,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
  if (!IsOpen(created)) return LastErrorCode();
  CloseHandle(created);
  return kFileOk;
}

int16_t TVXFile::Delete() {
  Close();
  char path[MAX_PATH];
  if (!FullPath(path, name_)) return kFileInvalid;
  return DeleteFileA(path) ? kFileOk : LastErrorCode();
}

int16_t TVXFile::GetInfo(TVXFileInfo* info) {
  const bool openedHere = !IsOpen(fileHandle_);
  const int32_t savedMode = openMode_;
  if (openedHere) {
    openMode_ = kModeReadOnly;
    int16_t code = Open();
    openMode_ = savedMode;
    if (code != kFileOk) return code;
  }
  int16_t code = kFileOk;
  if (GetFileInformationByHandle(fileHandle_, &info->raw)) {
    VXStrCopy(info->name, name_, 255);
    info->size = info->raw.nFileSizeLow;
    info->created = FileTimeParts(info->raw.ftCreationTime);
    info->modified = FileTimeParts(info->raw.ftLastWriteTime);
    info->flags = InfoFlags(info->flags, info->raw.dwFileAttributes);
  } else {
    code = LastErrorCode();
  }
  if (openedHere) Close();  // also after a failure, so Open works again
  return code;
}

int16_t TVXFile::SetInfo(const TVXFileInfo* info) {
  if (info->flags & kInfoFolder) return kFileInvalid;
  char path[MAX_PATH];
  if (!FullPath(path, name_)) return kFileInvalid;
  DWORD attributes = GetFileAttributesA(path);
  if (attributes == INVALID_FILE_ATTRIBUTES) return LastErrorCode();
  attributes &= ~(FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);
  if (info->flags & kInfoReadOnly) attributes |= FILE_ATTRIBUTE_READONLY;
  if (info->flags & kInfoHidden) attributes |= FILE_ATTRIBUTE_HIDDEN;
  // "Normal" is only valid alone: it gives way to any other attribute.
  if (attributes != FILE_ATTRIBUTE_NORMAL) attributes &= ~FILE_ATTRIBUTE_NORMAL;
  return SetFileAttributesA(path, attributes) ? kFileOk : LastErrorCode();
}

int16_t TVXFile::Exists() {
  if (IsOpen(fileHandle_)) return 1;
  if (Open() != kFileOk) return 0;
  Close();
  return 1;
}

void TVXFile::GetPath(char* buffer) {
  if (buffer == nullptr) return;
  if (name_[0] == 0 || !FullPath(buffer, name_)) buffer[0] = 0;
}

void TVXFile::GetFolder(char* buffer) {
  if (buffer != nullptr) VXMemCopy(buffer, folder_, kFolderSize);
}

void TVXFile::SetMode(int32_t mode) { openMode_ = mode; }

int16_t TVXFile::Open() {
  if (name_[0] == 0) return kFileNoName;
  char path[MAX_PATH];
  if (!FullPath(path, name_)) return kFileInvalid;
  const DWORD access = openMode_ <= kModeReadOnly ? GENERIC_READ : (GENERIC_READ | GENERIC_WRITE);
  HANDLE opened = CreateFileA(path, access, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  if (!IsOpen(opened)) return LastErrorCode();
  fileHandle_ = opened;
  return kFileOk;
}

int16_t TVXFile::Close() {
  if (IsOpen(fileHandle_)) {
    FlushFileBuffers(fileHandle_);
    CloseHandle(fileHandle_);
    fileHandle_ = INVALID_HANDLE_VALUE;
  }
  return kFileOk;
}

int16_t TVXFile::Read(void* buffer, int32_t* length) {
  if (!IsOpen(fileHandle_)) return kFileNotFound;
  DWORD delivered = 0;
  if (*length < 0 || !ReadFile(fileHandle_, buffer, static_cast<DWORD>(*length), &delivered, nullptr)) {
    *length = 0;
    return kFileReadError;
  }
  *length = static_cast<int32_t>(delivered);
  return delivered == 0 ? kFileEndOfFile : kFileOk;
}

int16_t TVXFile::Write(const void* buffer, int32_t length) {
  if (!IsOpen(fileHandle_)) return kFileNotFound;
  DWORD written = 0;
  if (length < 0 || !WriteFile(fileHandle_, buffer, static_cast<DWORD>(length), &written, nullptr))
    return kFileWriteError;
  return kFileOk;
}

void TVXFile::Flush() {
  if (IsOpen(fileHandle_)) FlushFileBuffers(fileHandle_);
}

int32_t TVXFile::GetSize() {
  TVXFileInfo info;
  VXMemFill(&info, 0, sizeof info);
  if (GetInfo(&info) != kFileOk) return -1;
  return static_cast<int32_t>(info.size);
}

int16_t TVXFile::Seek(char origin, int32_t distance) {
  if (!IsOpen(fileHandle_)) return kFileNotFound;
  int64_t move = distance;
  DWORD method;
  switch (origin) {
    case kSeekFromStart: method = FILE_BEGIN; break;
    case kSeekForward: method = FILE_CURRENT; break;
    case kSeekBackward: method = FILE_CURRENT, move = -move; break;
    case kSeekFromEnd: method = FILE_END; break;
    default: return kFileInvalid;
  }
  // Through the high half too, so that backwards from -2^31 does not wrap.
  LONG high = static_cast<LONG>(move >> 32);
  SetLastError(ERROR_SUCCESS);
  DWORD low = SetFilePointer(fileHandle_, static_cast<LONG>(move & 0xFFFFFFFF), &high, method);
  if (low == INVALID_SET_FILE_POINTER && GetLastError() != ERROR_SUCCESS) return LastErrorCode();
  return kFileOk;
}

int32_t TVXFile::Tell() {
  if (!IsOpen(fileHandle_)) return 0;
  SetLastError(ERROR_SUCCESS);
  DWORD at = SetFilePointer(fileHandle_, 0, nullptr, FILE_CURRENT);
  if (at == INVALID_SET_FILE_POINTER && GetLastError() != ERROR_SUCCESS) return LastErrorCode();
  return static_cast<int32_t>(at);
}

int16_t TVXFile::Rename(const char* newName) {
  int16_t closed = Close();
  if (closed != kFileOk) return closed;
  if (name_[0] == 0) return kFileNoName;
  if (newName == nullptr) return kFileInvalid;
  char from[MAX_PATH];
  char to[MAX_PATH];
  if (!FullPath(from, name_) || !FullPath(to, newName)) return kFileInvalid;
  if (!MoveFileA(from, to)) return LastErrorCode();
  SetName(newName);
  return kFileOk;
}

int16_t TVXFile::NoOp(intptr_t) { return kFileOk; }

uint32_t TVXFile::GetFreeSpace() {
  // The folder's own volume, which need not be its drive's root volume.
  const bool hasDrive = folder_[0] != 0 && folder_[1] == ':';
  DWORD sectorsPerCluster = 0, bytesPerSector = 0, freeClusters = 0, totalClusters = 0;
  if (!GetDiskFreeSpaceA(hasDrive ? folder_ : nullptr, &sectorsPerCluster, &bytesPerSector,
                         &freeClusters, &totalClusters))
    return 0;
  // In 64 bits: more than 4 GiB free answers the largest 32-bit value.
  const uint64_t bytes = static_cast<uint64_t>(freeClusters) * sectorsPerCluster * bytesPerSector;
  return bytes > 0xFFFFFFFFull ? 0xFFFFFFFFu : static_cast<uint32_t>(bytes);
}

int16_t TVXFile::ShellFolder(int csidl) {
  LPITEMIDLIST items = nullptr;
  if (!SUCCEEDED(SHGetSpecialFolderLocation(nullptr, csidl, &items)) || items == nullptr)
    return kFileNotFound;
  char path[MAX_PATH];
  const BOOL found = SHGetPathFromIDListA(items, path);
  LPMALLOC allocator = nullptr;
  if (SUCCEEDED(SHGetMalloc(&allocator)) && allocator != nullptr) {
    allocator->Free(items);
    allocator->Release();
  }
  if (!found) return kFileNotFound;
  VXStrCopy(folder_, path, kFolderSize - 1);
  return EndWithBackslash(folder_, kFolderSize) ? kFileOk : kFileInvalid;
}

int16_t TVXFile::TakeSystemPath(const char* path, uint32_t written, bool endWithBackslash) {
  if (written == 0 || written >= MAX_PATH) return FailedCallCode();
  VXStrCopy(folder_, path, kFolderSize - 1);
  if (!endWithBackslash) return kFileOk;
  return EndWithBackslash(folder_, kFolderSize) ? kFileOk : kFileInvalid;
}

// The root of the folder's drive, or of the current drive when the folder
// names none.
int16_t TVXFile::SetDriveRoot() {
  const bool hasDrive = folder_[0] != 0 && folder_[1] == ':';
  char root[4] = {folder_[0], ':', '\\', 0};
  VXStrCopy(folder_, hasDrive ? root : "\\", 3);
  return kFileOk;
}

// The host program's path up to and with its last backslash.
int16_t TVXFile::SetHostProgramFolder() {
  char path[MAX_PATH];
  const DWORD written = GetModuleFileNameA(nullptr, path, MAX_PATH);
  if (written == 0 || written >= MAX_PATH) return FailedCallCode();
  int32_t cut = 0;  // just after the last backslash
  for (int32_t i = 0; path[i] != 0; ++i) {
    if (path[i] == '\\') cut = i + 1;
  }
  path[cut] = 0;
  return TakeSystemPath(path, written, false);
}

int16_t TVXFile::SetSpecialFolder(char kind) {
  name_[0] = 0;
  Close();
  char path[MAX_PATH];
  switch (kind) {
    case kSystemFolder: return TakeSystemPath(path, GetSystemDirectoryA(path, MAX_PATH), true);
    case kWindowsFolder: return TakeSystemPath(path, GetWindowsDirectoryA(path, MAX_PATH), true);
    case kDriveRootFolder: return SetDriveRoot();
    case kHostProgramFolder: return SetHostProgramFolder();
    case kTemporaryFolder: return TakeSystemPath(path, GetTempPathA(MAX_PATH, path), false);
    case kApplicationDataFolder: return ShellFolder(CSIDL_APPDATA);
    case kRecycleBinFolder: return ShellFolder(CSIDL_BITBUCKET);
    case kDesktopFolder: return ShellFolder(CSIDL_DESKTOP);
    default: return kFileOk;  // the folder stays as it was
  }
}

int16_t TVXFile::SetFolder(const char* path) {
  if (path == nullptr) return kFileInvalid;
  Close();
  name_[0] = 0;
  // Room for a folder, a path and the drive: whatever the lengths, nothing overruns.
  char candidate[kFolderSize + MAX_PATH + 4];
  const int32_t pathLength = Length(path);
  if (pathLength > MAX_PATH) return kFileInvalid;
  if (path[0] == '\\') {
    // The folder's drive ("C:"), if it has one: a folder of the root
    // alone ("\\") has none, and its backslash must not be doubled.
    const int32_t drive = folder_[0] != 0 && folder_[1] == ':' ? 2 : 0;
    VXMemCopy(candidate, folder_, static_cast<uint32_t>(drive));
    VXStrCopy(candidate + drive, path, pathLength);
  } else if (path[0] != 0 && path[1] == ':') {
    VXStrCopy(candidate, path, pathLength);
  } else {
    VXStrCopy(candidate, folder_, kFolderSize - 1);
    VXStrAppend(candidate, path, static_cast<int32_t>(sizeof candidate));
  }
  int32_t length = Length(candidate);
  if (length > 0 && candidate[length - 1] == '\\') candidate[--length] = 0;
  if (length + 1 > kFolderSize - 1) return kFileInvalid;  // no room for the backslash
  DWORD attributes = GetFileAttributesA(candidate);
  if (attributes == INVALID_FILE_ATTRIBUTES) return LastErrorCode();
  if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) return kFileNoName;
  candidate[length] = '\\';
  candidate[length + 1] = 0;
  VXStrCopy(folder_, candidate, kFolderSize - 1);
  return kFileOk;
}

int16_t TVXFile::Unsupported() { return kFileInvalid; }

int16_t TVXFile::CreateFolder(const char* name) {
  char path[MAX_PATH];
  if (name == nullptr || !FullPath(path, name)) return kFileInvalid;
  return CreateDirectoryA(path, nullptr) ? kFileOk : LastErrorCode();
}

int16_t TVXFile::RemoveFolder(const char* name) {
  char path[MAX_PATH];
  if (name == nullptr || !FullPath(path, name)) return kFileInvalid;
  return RemoveDirectoryA(path) ? kFileOk : LastErrorCode();
}

int16_t TVXFile::FindFirst() {
  if (IsOpen(searchHandle_)) {
    FindClose(searchHandle_);
    searchHandle_ = INVALID_HANDLE_VALUE;
  }
  char pattern[MAX_PATH];
  if (!FullPath(pattern, "*.*")) return kFileInvalid;
  searchHandle_ = FindFirstFileA(pattern, &foundEntry_);
  return IsOpen(searchHandle_) ? kFileOk : LastErrorCode();
}

int16_t TVXFile::Unavailable() { return kFileOtherError; }

int16_t TVXFile::FindNext() {
  if (!IsOpen(searchHandle_)) return kFileNotFound;
  return FindNextFileA(searchHandle_, &foundEntry_) ? kFileOk : LastErrorCode();
}

void TVXFile::GetFoundInfo(TVXFileInfo* info) {
  VXStrCopy(info->name, foundEntry_.cFileName, 255);
  info->size = foundEntry_.nFileSizeLow;
  info->created = FileTimeParts(foundEntry_.ftCreationTime);
  info->modified = FileTimeParts(foundEntry_.ftLastWriteTime);
  info->flags = InfoFlags(info->flags, foundEntry_.dwFileAttributes);
}

void TVXFile::CopyFoundTo(TVXFile* other) {
  if (other == nullptr) return;
  other->SetFolder(folder_);
  other->SetName(foundEntry_.cFileName);
}

int16_t TVXFile::WriteLocation(TVXFile* other) {
  // The folder as 261 bytes: its 260 and a terminating 0 of our own.
  char folderBlock[kFolderSize + 1];
  VXMemCopy(folderBlock, folder_, kFolderSize);
  folderBlock[kFolderSize] = 0;
  int16_t code = other->Write(folderBlock, kFolderSize + 1);
  if (code != kFileOk) return code;
  return other->Write(name_, kFileNameSize);
}

int16_t TVXFile::ReadLocation(TVXFile* other) {
  char folderBlock[kFolderSize + 1];  // the 261st byte lands here, not past the field
  int32_t length = kFolderSize + 1;
  int16_t code = other->Read(folderBlock, &length);
  if (code != kFileOk) return code;
  // A short or damaged block still leaves each field terminated within
  // itself, at the end of what arrived.
  VXMemCopy(folder_, folderBlock, static_cast<uint32_t>(length < kFolderSize ? length : kFolderSize));
  folder_[length < kFolderSize ? length : kFolderSize - 1] = 0;
  length = kFileNameSize;
  code = other->Read(name_, &length);
  if (code == kFileOk) name_[length < kFileNameSize ? length : kFileNameSize - 1] = 0;
  return code;
}
