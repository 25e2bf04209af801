// TVXFile: one file named as a folder plus a name, with folder selection,
// listing, information and attributes. Every operation reports a 16-bit code
// instead of raising: 0 success, else one of the codes below.
//
//   TVXFile file;
//   file.SetSpecialFolder(kHostProgramFolder);  // the host program's folder
//   file.SetName("DateTimePrefs.dtp");
//   if (file.Exists() == 0) file.Create();
//
// Folder and name are fixed fields; a path of the two that would exceed the
// platform's 260 bytes is refused (kFileInvalid), never cut or overrun.
#pragma once

#include <cstdint>

#include "PlatformApi.h"

constexpr int16_t kFileOk = 0;
constexpr int16_t kFileEndOfFile = 1001;   // a read delivered no bytes
constexpr int16_t kFileReadError = 1002;   // read failure or access denied
constexpr int16_t kFileWriteError = 1003;  // write failure or write-protected medium
constexpr int16_t kFileNotFound = 1004;    // file, path, entry or folder missing; not open; no listing
constexpr int16_t kFileInvalid = 1005;     // invalid argument, handle or request
constexpr int16_t kFileNoName = 1006;      // no name set, or a folder path that is no folder
constexpr int16_t kFileExists = 1007;
constexpr int16_t kFileOtherError = 1025;

// Where Seek counts from. The letters are the file object's own codes, the
// ones its callers pass as a character; an unknown letter is refused.
enum SeekOrigin : char {
  kSeekFromStart = 'P',
  kSeekForward = 'Q',   // from the current place
  kSeekBackward = 'R',  // backwards from the current place
  kSeekFromEnd = 'S',
};

// The folders SetSpecialFolder selects, by the file object's letter codes;
// an unknown letter leaves the folder as it was.
enum SpecialFolder : char {
  kSystemFolder = 'F',
  kDriveRootFolder = 'G',
  kHostProgramFolder = 'H',
  kTemporaryFolder = 'I',
  kApplicationDataFolder = 'J',
  kRecycleBinFolder = 'K',
  kDesktopFolder = 'L',
  kWindowsFolder = 'M',
};

constexpr int32_t kFileNameSize = 255;    // 254 characters and a terminator
constexpr int32_t kFolderSize = 260;      // 259 characters and a terminator
constexpr int32_t kLocationSize = 516;    // folder (261 bytes) then name (255 bytes)

// Open modes: 0 or 1 read only, 2 or more read and write.
constexpr int32_t kModeReadOnly = 1;
constexpr int32_t kModeReadWrite = 2;

struct TVXFileTime {
  uint16_t milliseconds;
  uint16_t second;
  uint16_t minute;
  uint16_t hour;
  uint16_t day;
  uint16_t month;
  uint16_t year;
};

// flags: bit 0 folder, bit 1 read-only, bit 2 system, bit 3 hidden.
enum : uint8_t { kInfoFolder = 1, kInfoReadOnly = 2, kInfoSystem = 4, kInfoHidden = 8 };

struct TVXFileInfo {
  char name[256];
  uint32_t size;  // low 32 bits
  TVXFileTime created;
  TVXFileTime modified;
  uint8_t flags;
  BY_HANDLE_FILE_INFORMATION raw;  // scratch space for GetInfo
};

// The code of the calling thread's last platform error.
int16_t TranslatePlatformError(DWORD error);

class TVXFile {
 public:
  TVXFile();
  // Not among the virtual operations: closes what is still open when an
  // object other than the plug-in's lifelong one goes away.
  ~TVXFile();

  virtual void SetName(const char* name);
  virtual int16_t Create();
  virtual int16_t Delete();
  virtual int16_t GetInfo(TVXFileInfo* info);
  virtual int16_t SetInfo(const TVXFileInfo* info);
  virtual int16_t Exists();  // 1 or 0
  virtual void GetPath(char* buffer);    // buffer of MAX_PATH bytes
  virtual void GetFolder(char* buffer);  // buffer of 260 bytes
  virtual void SetMode(int32_t mode);
  virtual int16_t Open();
  virtual int16_t Close();
  virtual int16_t Read(void* buffer, int32_t* length);
  virtual int16_t Write(const void* buffer, int32_t length);
  virtual void Flush();
  virtual int32_t GetSize();
  // origin: a SeekOrigin.
  virtual int16_t Seek(char origin, int32_t distance);
  virtual int32_t Tell();
  virtual int16_t Rename(const char* newName);
  virtual int16_t NoOp(intptr_t argument);
  virtual uint32_t GetFreeSpace();
  // kind: a SpecialFolder.
  virtual int16_t SetSpecialFolder(char kind);
  virtual int16_t SetFolder(const char* path);
  virtual int16_t Unsupported();
  virtual int16_t CreateFolder(const char* name);
  virtual int16_t RemoveFolder(const char* name);
  virtual int16_t FindFirst();
  virtual int16_t Unavailable();
  virtual int16_t FindNext();
  virtual void GetFoundInfo(TVXFileInfo* info);
  virtual void CopyFoundTo(TVXFile* other);
  virtual int16_t WriteLocation(TVXFile* other);
  virtual int16_t ReadLocation(TVXFile* other);

 private:
  // folder + name into path (MAX_PATH bytes); false when it does not fit.
  bool FullPath(char* path, const char* name) const;
  int16_t ShellFolder(int csidl);
  // The folder of a path a system call wrote into `path` (MAX_PATH bytes),
  // `written` its answer: 0 or MAX_PATH and more are failures.
  int16_t TakeSystemPath(const char* path, uint32_t written, bool endWithBackslash);
  int16_t SetDriveRoot();
  int16_t SetHostProgramFolder();

  char name_[kFileNameSize];
  char folder_[kFolderSize];
  HANDLE fileHandle_;
  HANDLE searchHandle_;
  int32_t openMode_;
  WIN32_FIND_DATAA foundEntry_;
};
