// The native build's stand-ins for Win32: paths, errors and dialog numbers
// behave as the plug-in expects of the real calls.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <climits>

#include <cerrno>
#include <cstdlib>
#include <string>
#include <vector>

#include "NativePaths.h"
#include "PlatformApi.h"
#include "StandInFileFaults.h"
#include "file/TVXFile.h"
#include "prefs/PrefsDialog.h"

namespace {

TEST(NativePaths, WindowsFormToNative) {
  struct Case { const char* path; bool ok; const char* native; } cases[] = {
      {"C:\\tmp\\x.dtp", true, "/tmp/x.dtp"}, {"c:\\", true, "/"},        {"C:", true, "/"},
      {"sub\\file", true, "sub/file"},        {"\\tmp", true, "/tmp"},    {"D:\\tmp", false, ""},
      {"", true, ""},
  };
  for (const Case& c : cases) {
    std::string native;
    EXPECT_EQ(NativePath(c.path, &native), c.ok) << c.path;
    EXPECT_EQ(native, c.native) << c.path;
  }
  EXPECT_EQ(WindowsPath("/tmp/a"), "C:\\tmp\\a");
  EXPECT_EQ(WindowsPath("rel/a"), "rel\\a");
}

TEST(NativePaths, CopyOutAsWin32Does) {
  char buffer[8];
  EXPECT_EQ(CopyOutPath("C:\\tmp", buffer, sizeof buffer), 6u);
  EXPECT_STREQ(buffer, "C:\\tmp");
  EXPECT_EQ(CopyOutPath("C:\\longer", buffer, sizeof buffer), 10u) << "the size needed, terminator included";
}

TEST(NativePaths, ErrorsFromErrno) {
  struct Case { int error; const char* path; DWORD expected; } cases[] = {
      {ENOENT, "/tmp/surely-not-here.kelv", ERROR_FILE_NOT_FOUND},
      {ENOENT, "/no-such-folder/x", ERROR_PATH_NOT_FOUND},
      {EACCES, "", ERROR_ACCESS_DENIED}, {EEXIST, "", ERROR_FILE_EXISTS},
      {EROFS, "", ERROR_WRITE_PROTECT}, {ENOTDIR, "", ERROR_PATH_NOT_FOUND},
  };
  for (const Case& c : cases) {
    SetErrorFromErrno(c.error, c.path);
    EXPECT_EQ(GetLastError(), c.expected) << c.error << " " << c.path;
  }
}

TEST(StandInFiles, CreateNewAndSharing) {
  char temp[MAX_PATH];
  ASSERT_GT(GetTempPathA(MAX_PATH, temp), 0u);
  std::string path = std::string(temp) + "kelv-standin-share.bin";
  DeleteFileA(path.c_str());
  HANDLE writer = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_NEW, 0, nullptr);
  ASSERT_NE(writer, INVALID_HANDLE_VALUE);
  EXPECT_EQ(CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_NEW, 0, nullptr),
            INVALID_HANDLE_VALUE);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_EXISTS));
  // The writer shares reading only: a second writer is refused, a reader not.
  EXPECT_EQ(CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0,
                        nullptr),
            INVALID_HANDLE_VALUE);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SHARING_VIOLATION));
  HANDLE reader = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
  EXPECT_NE(reader, INVALID_HANDLE_VALUE);
  CloseHandle(reader);
  CloseHandle(writer);
  EXPECT_TRUE(DeleteFileA(path.c_str()));
}

// Read-only holds for root as well: Windows refuses an administrator too.
TEST(StandInFiles, ReadOnlyRefusesWritingWhoeverRuns) {
  char temp[MAX_PATH];
  ASSERT_GT(GetTempPathA(MAX_PATH, temp), 0u);
  std::string path = std::string(temp) + "kelv-standin-ro.bin";
  std::string native;
  ASSERT_TRUE(NativePath(path.c_str(), &native));
  chmod(native.c_str(), 0644);
  DeleteFileA(path.c_str());
  HANDLE made = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
  ASSERT_NE(made, INVALID_HANDLE_VALUE);
  CloseHandle(made);
  ASSERT_EQ(chmod(native.c_str(), 0444), 0);
  for (DWORD access : {static_cast<DWORD>(GENERIC_WRITE), static_cast<DWORD>(GENERIC_READ | GENERIC_WRITE)}) {
    EXPECT_EQ(CreateFileA(path.c_str(), access, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr),
              INVALID_HANDLE_VALUE) << access;
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED)) << access;
  }
  HANDLE reader = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  EXPECT_NE(reader, INVALID_HANDLE_VALUE) << "reading stays allowed";
  CloseHandle(reader);
  EXPECT_FALSE(DeleteFileA(path.c_str()));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));

  // The preference file's view of it: missing in mode 2, present in mode 1.
  TVXFile file;
  std::string folder(temp);
  ASSERT_EQ(file.SetFolder(folder.c_str()), kFileOk);
  file.SetName("kelv-standin-ro.bin");
  EXPECT_EQ(file.Exists(), 0);
  EXPECT_EQ(file.Create(), kFileOtherError);
  file.SetMode(kModeReadOnly);
  EXPECT_EQ(file.Exists(), 1);
  chmod(native.c_str(), 0644);
  EXPECT_TRUE(DeleteFileA(path.c_str()));
}

// A special folder whose path does not fit answers an error, never success
// with the folder left as it was.
TEST(StandInFiles, TemporaryFolderTooLongIsAnError) {
  const char* saved = std::getenv("TMPDIR");
  const std::string keep = saved != nullptr ? saved : "";
  setenv("TMPDIR", ("/tmp/" + std::string(300, 't')).c_str(), 1);
  TVXFile file;
  char before[kFolderSize], after[kFolderSize];
  file.GetFolder(before);
  EXPECT_NE(file.SetSpecialFolder('I'), kFileOk);
  file.GetFolder(after);
  EXPECT_STREQ(after, before);
  if (saved != nullptr) setenv("TMPDIR", keep.c_str(), 1);
  else unsetenv("TMPDIR");
}

// The application data folder ('J', the configuration folder here) of 258
// characters (Windows form) is taken with its backslash; one of 259 leaves
// no room for it and is refused as invalid; one of 260 is more than the
// shell's path query holds, a folder not found.
TEST(StandInFiles, ShellFolderAtTheLimit) {
  const char* saved = std::getenv("XDG_CONFIG_HOME");
  const std::string keep = saved != nullptr ? saved : "";
  struct Case { size_t length; int16_t code; } cases[] = {{258, kFileOk}, {259, kFileInvalid}, {260, kFileNotFound}};
  for (const Case& c : cases) {
    std::string native = "/tmp/";
    native += std::string(c.length - WindowsPath(native).size(), 'c');
    ASSERT_EQ(WindowsPath(native).size(), c.length);
    setenv("XDG_CONFIG_HOME", native.c_str(), 1);
    TVXFile file;
    EXPECT_EQ(file.SetSpecialFolder('J'), c.code) << c.length;
    if (c.code == kFileOk) {
      char folder[kFolderSize];
      file.GetFolder(folder);
      EXPECT_EQ(std::string(folder), WindowsPath(native) + "\\") << c.length;
    }
  }
  if (saved != nullptr) setenv("XDG_CONFIG_HOME", keep.c_str(), 1);
  else unsetenv("XDG_CONFIG_HOME");
}

// A new file object starts in the working folder with a backslash added: a
// working folder of 258 characters (Windows form) becomes 259 with it, one of
// 259 leaves no room for the backslash and the folder starts empty, and so
// does one of 260 or more, which the folder's 260 bytes cannot take at all.
TEST(StandInFiles, WorkingFolderAtTheLimit) {
  char saved[PATH_MAX];
  ASSERT_NE(getcwd(saved, sizeof saved), nullptr);
  char base[] = "/tmp/kelv-cwd-XXXXXX";
  ASSERT_NE(mkdtemp(base), nullptr);
  struct Case { size_t length; const char* folder; } cases[] = {{258, "itself and a backslash"}, {259, ""}, {260, ""}, {300, ""}};
  std::vector<std::string> made;
  for (const Case& c : cases) {
    std::string native = base;
    while (WindowsPath(native).size() < c.length) {
      const size_t remaining = c.length - WindowsPath(native).size() - 1;  // after the next "/"
      native += "/" + std::string(remaining <= 120 ? remaining : 100, 'w');
      if (mkdir(native.c_str(), 0700) == 0) made.push_back(native);
    }
    ASSERT_EQ(WindowsPath(native).size(), c.length);
    ASSERT_EQ(chdir(native.c_str()), 0);
    TVXFile file;
    char folder[kFolderSize];
    file.GetFolder(folder);
    const std::string expected = c.folder[0] != 0 ? WindowsPath(native) + "\\" : "";
    EXPECT_EQ(std::string(folder), expected) << c.length;
    if (c.folder[0] == 0) {
      // With no folder to take a drive from, a lone backslash names none.
      EXPECT_NE(file.SetFolder("\\"), kFileOk);
      file.GetFolder(folder);
      EXPECT_STREQ(folder, "");
    }
  }
  ASSERT_EQ(chdir(saved), 0);
  for (auto it = made.rbegin(); it != made.rend(); ++it) rmdir(it->c_str());
  EXPECT_EQ(rmdir(base), 0) << "every folder made is gone";
}

// Free space is that of the folder's own file system, not of the root's:
// /proc has none, the root some. A folder without a drive letter measures
// the current drive instead, so the same /proc named from the root, in an
// object with no drive to take, answers the root's figure.
TEST(StandInFiles, FreeSpaceOfTheFolderItself) {
  TVXFile file;
  ASSERT_EQ(file.SetFolder("C:\\proc\\"), kFileOk);
  EXPECT_EQ(file.GetFreeSpace(), 0u);
  file.SetSpecialFolder('G');
  EXPECT_GT(file.GetFreeSpace(), 0u);

  InjectFileFaults(1, FileFaultMode::NthOnly);  // the working folder cannot be read: no drive
  TVXFile driveless;
  InjectFileFaults(0, FileFaultMode::NthOnly);
  ASSERT_EQ(driveless.SetFolder("\\proc"), kFileOk);
  char folder[kFolderSize];
  driveless.GetFolder(folder);
  ASSERT_STREQ(folder, "\\proc\\");
  EXPECT_GT(driveless.GetFreeSpace(), 0u) << "the current drive's space, not the folder's own";
}

// A listing begun again lets the one under way go: no search handle stays
// open behind the object, and none once the object is gone.
TEST(StandInFiles, ListingBegunAgainLetsTheFirstGo) {
  const int64_t before = OpenStandInHandles();
  {
    TVXFile file;
    file.SetSpecialFolder('I');
    ASSERT_EQ(file.FindFirst(), kFileOk);
    ASSERT_EQ(file.FindFirst(), kFileOk);
    EXPECT_EQ(OpenStandInHandles(), before + 1);
  }
  EXPECT_EQ(OpenStandInHandles(), before);
}

// Free space counts clusters, sectors and bytes in 64 bits: a disk with more
// than 4 GiB free answers the largest 32-bit value, not the product wrapped.
TEST(StandInFiles, FreeSpaceAboveFourGiB) {
  struct Case { StandInDisk disk; uint32_t bytes; } cases[] = {
      {{8, 512, 4096, 8192}, 16777216u},
      {{8, 512, 1048575, 2000000}, 4294963200u},       // 4 GiB less one cluster
      {{8, 512, 1048576, 2000000}, 0xFFFFFFFFu},       // 4 GiB exactly
      {{8, 512, 20000000, 60000000}, 0xFFFFFFFFu},     // 82 GB, which wraps to 315621376
      {{128, 4096, 0xFFFFFFFFu, 0xFFFFFFFFu}, 0xFFFFFFFFu},
      {{1, 512, 0, 100}, 0u},
  };
  TVXFile file;
  file.SetSpecialFolder('G');
  for (const Case& c : cases) {
    SetStandInDisk(&c.disk);
    EXPECT_EQ(file.GetFreeSpace(), c.bytes) << c.disk.freeClusters << " clusters of " << c.disk.sectorsPerCluster;
  }
  SetStandInDisk(nullptr);
  EXPECT_GT(file.GetFreeSpace(), 0u) << "the file system's own figures again";
}

// The dialog's procedure handles its opening and its controls' commands,
// and leaves every other message, and a command of no control of its own,
// to the system.
TEST(PrefsDialogProc, LeavesWhatIsNotItsOwnToTheSystem) {
  const UINT message = WM_COMMAND + 1;
  EXPECT_EQ(PrefsDialogProc(nullptr, message, kIdOk, 0), FALSE);
  EXPECT_EQ(PrefsDialogProc(nullptr, WM_COMMAND, kIdOverflowMessage + 1, 0), FALSE);
  EXPECT_EQ(PrefsDialogProc(nullptr, WM_COMMAND, 0, 0), FALSE);
}

}  // namespace
