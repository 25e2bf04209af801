// A special folder whose query fails (the program's path, the temporary
// folder) answers a failure code and leaves the folder as it was.
#include <gtest/gtest.h>

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

}  // namespace
