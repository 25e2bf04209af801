// A special folder whose query fails (the program's path, the temporary
// folder) answers a failure code and leaves the folder as it was; an object
// made while the working folder cannot be read has no folder, and takes
// its folders from the root.
#include <gtest/gtest.h>

#include <unistd.h>

#include <string>

#include "StandInFileFaults.h"
#include "FolderOf.h"
#include "file/TVXFile.h"

namespace {

TEST(FolderQueryFault, FailedQueryKeepsTheFolder) {
  for (char kind : {'H', 'I'}) {
    TVXFile file;
    ASSERT_EQ(file.SetFolder("C:\\tmp\\"), kFileOk);
    InjectFileFaults(1, FileFaultMode::NthOnly);
    const int16_t code = file.SetSpecialFolder(kind);
    const int64_t calls = FileCallsMade();
    InjectFileFaults(0, FileFaultMode::NthOnly);
    EXPECT_GE(calls, 1) << kind;
    EXPECT_NE(code, kFileOk) << kind;
    EXPECT_EQ(FolderOf(file), "C:\\tmp\\") << kind;
    EXPECT_EQ(file.SetSpecialFolder(kind), kFileOk) << kind << " once the fault has passed";
  }
}

TEST(FolderQueryFault, NoWorkingFolderLeavesTheObjectWithoutOne) {
  InjectFileFaults(1, FileFaultMode::NthOnly);
  TVXFile file;
  InjectFileFaults(0, FileFaultMode::NthOnly);
  EXPECT_EQ(FolderOf(file), "");
  EXPECT_GT(file.GetFreeSpace(), 0u) << "the root's volume";
  EXPECT_NE(file.SetFolder(""), kFileOk) << "no folder and no path name no folder";
  EXPECT_EQ(file.SetFolder("\\tmp"), kFileOk);
  EXPECT_EQ(FolderOf(file), "\\tmp\\") << "a path from the root, with no drive to take";
  InjectFileFaults(1, FileFaultMode::NthOnly);
  TVXFile none;
  InjectFileFaults(0, FileFaultMode::NthOnly);
  EXPECT_EQ(none.SetSpecialFolder('G'), kFileOk);
  EXPECT_EQ(FolderOf(none), "\\");
  EXPECT_EQ(none.SetFolder("\\tmp"), kFileOk);
  EXPECT_EQ(FolderOf(none), "\\tmp\\") << "the root's backslash is not a drive to keep";
}

// In the root folder the working folder already ends in its backslash.
TEST(FolderQueryFault, WorkingFolderAtTheRoot) {
  char saved[4096];
  ASSERT_NE(getcwd(saved, sizeof saved), nullptr);
  ASSERT_EQ(chdir("/"), 0);
  TVXFile file;
  ASSERT_EQ(chdir(saved), 0);
  EXPECT_EQ(FolderOf(file), "C:\\");
  EXPECT_EQ(file.SetFolder("\\tmp"), kFileOk);
  EXPECT_EQ(FolderOf(file), "C:\\tmp\\") << "a path from the root keeps the folder's drive";
}

}  // namespace
