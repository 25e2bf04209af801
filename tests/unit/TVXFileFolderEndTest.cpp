// A special folder taken after a longer one ends with its backslash and
// nothing of the longer folder after it.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "file/TVXFile.h"

namespace {

std::string FolderOf(TVXFile& file) {
  char folder[kFolderSize];
  file.GetFolder(folder);
  return folder;
}

TEST(TVXFileFolderEnd, NothingOfTheLongerFolderBefore) {
  TVXFile temp;
  ASSERT_EQ(temp.SetSpecialFolder('I'), kFileOk);
  const std::string name = "kelv-folder-end-" + std::string(80, 'x');
  temp.RemoveFolder(name.c_str());
  ASSERT_EQ(temp.CreateFolder(name.c_str()), kFileOk);
  const std::string longFolder = FolderOf(temp) + name + "\\";
  for (char kind : {'F', 'M'}) {
    TVXFile file;
    ASSERT_EQ(file.SetFolder(longFolder.c_str()), kFileOk);
    ASSERT_EQ(FolderOf(file), longFolder);
    ASSERT_EQ(file.SetSpecialFolder(kind), kFileOk) << kind;
    const std::string folder = FolderOf(file);
    ASSERT_GT(folder.size(), 1u) << kind;
    EXPECT_EQ(folder.back(), '\\') << kind << ": " << folder;
    EXPECT_NE(folder[folder.size() - 2], '\\') << kind << ": " << folder;
    EXPECT_LT(folder.size(), longFolder.size()) << kind << ": " << folder;
  }
  EXPECT_EQ(temp.RemoveFolder(name.c_str()), kFileOk);
}

}  // namespace
