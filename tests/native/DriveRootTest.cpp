// The root of the current folder's drive ('G'): "X:\" for a folder on drive
// X, a lone backslash for a folder without a drive. The stand-ins give every
// folder the drive C:, so the folder without one is made as a file object
// makes it when the working folder cannot be read: its folder starts empty,
// and a folder path from the root is taken as it is.
#include <gtest/gtest.h>

#include <string>

#include "StandInFileFaults.h"
#include "FolderOf.h"
#include "file/TVXFile.h"

namespace {

TEST(DriveRoot, OfAFolderWithAndWithoutADrive) {
  TVXFile onDrive;
  ASSERT_EQ(onDrive.SetFolder("C:\\tmp\\"), kFileOk);
  ASSERT_EQ(onDrive.SetSpecialFolder('G'), kFileOk);
  EXPECT_EQ(FolderOf(onDrive), "C:\\");

  InjectFileFaults(1, FileFaultMode::NthOnly);  // the working folder cannot be read
  TVXFile driveless;
  InjectFileFaults(0, FileFaultMode::NthOnly);
  ASSERT_EQ(FolderOf(driveless), "");
  ASSERT_EQ(driveless.SetFolder("\\tmp\\"), kFileOk);
  ASSERT_EQ(FolderOf(driveless), "\\tmp\\");
  ASSERT_EQ(driveless.SetSpecialFolder('G'), kFileOk);
  EXPECT_EQ(FolderOf(driveless), "\\") << "no drive letter to keep";
  ASSERT_EQ(driveless.SetSpecialFolder('G'), kFileOk);
  EXPECT_EQ(FolderOf(driveless), "\\") << "the root's root is itself";
}

}  // namespace
