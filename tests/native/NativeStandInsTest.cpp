// The native build's stand-ins for Win32: paths, errors and dialog numbers
// behave as the plug-in expects of the real calls.
#include <gtest/gtest.h>

#include <cerrno>
#include <string>

#include "NativePaths.h"
#include "PlatformApi.h"

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

}  // namespace
