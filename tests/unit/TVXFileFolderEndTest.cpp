// A special folder taken after a longer one ends with its backslash and
// nothing of the longer folder after it; a new folder, special or not,
// leaves the object without a name.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "FolderOf.h"
#include "file/TVXFile.h"

namespace {

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

TEST(TVXFileFolderEnd, ANewFolderClearsTheName) {
  TVXFile temp;
  ASSERT_EQ(temp.SetSpecialFolder('I'), kFileOk);
  const std::string folder = FolderOf(temp);
  for (int how = 0; how < 2; ++how) {
    TVXFile file;
    file.SetName("kelv-named.txt");
    ASSERT_EQ(how == 0 ? file.SetFolder(folder.c_str()) : file.SetSpecialFolder('I'), kFileOk);
    char path[MAX_PATH];
    file.GetPath(path);
    EXPECT_STREQ(path, "") << (how == 0 ? "SetFolder" : "SetSpecialFolder");
    EXPECT_EQ(file.Open(), kFileNoName) << (how == 0 ? "SetFolder" : "SetSpecialFolder");
  }
}

}  // namespace
