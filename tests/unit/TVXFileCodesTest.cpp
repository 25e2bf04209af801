// The file object's codes and information flags are numbers its callers
// compare against and store: each keeps its documented value, and no two
// codes share one.
#include <gtest/gtest.h>

#include <set>

#include "file/TVXFile.h"

namespace {

TEST(TVXFileCodes, EachCodeKeepsItsNumber) {
  struct Row { int16_t code; int number; const char* meaning; } rows[] = {
      {kFileOk, 0, "success"},
      {kFileEndOfFile, 1001, "a read delivered no bytes"},
      {kFileReadError, 1002, "read failure or access denied"},
      {kFileWriteError, 1003, "write failure or write-protected medium"},
      {kFileNotFound, 1004, "missing or not open"},
      {kFileInvalid, 1005, "invalid argument, handle or request"},
      {kFileNoName, 1006, "no name, or a folder path that is no folder"},
      {kFileExists, 1007, "exists"},
      {kFileOtherError, 1025, "any other failure"},
  };
  std::set<int> seen;
  for (const Row& r : rows) {
    EXPECT_EQ(r.code, r.number) << r.meaning;
    EXPECT_TRUE(seen.insert(r.code).second) << r.meaning << ": a code shared with another";
  }
}

TEST(TVXFileCodes, InformationFlagsAreSingleBits) {
  struct Row { uint8_t flag; int bit; const char* meaning; } rows[] = {
      {kInfoFolder, 0, "folder"}, {kInfoReadOnly, 1, "read-only"},
      {kInfoSystem, 2, "system"}, {kInfoHidden, 3, "hidden"},
  };
  for (const Row& r : rows) EXPECT_EQ(r.flag, 1 << r.bit) << r.meaning;
}

}  // namespace
