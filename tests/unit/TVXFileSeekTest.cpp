// Seeks of the largest distances: 2^31 bytes forward and back again, past
// the end of the file, land exactly where they should, in 64 bits.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "file/TVXFile.h"

namespace {

TEST(TVXFileSeek, TheLargestDistancesBothWays) {
  TVXFile file;
  ASSERT_EQ(file.SetSpecialFolder('I'), kFileOk);
  file.SetName("kelv-seek-largest.bin");
  file.Delete();
  ASSERT_EQ(file.Create(), kFileOk);
  ASSERT_EQ(file.Open(), kFileOk);
  ASSERT_EQ(file.Write("abc", 3), kFileOk);
  struct Row { char origin; int32_t distance; } rows[] = {
      {'R', INT32_MIN},  // backwards by -2^31: forwards by 2^31
      {'Q', INT32_MIN},  // and back to the start
  };
  ASSERT_EQ(file.Seek('P', 0), kFileOk);
  for (const Row& r : rows) EXPECT_EQ(file.Seek(r.origin, r.distance), kFileOk) << r.origin;
  EXPECT_EQ(file.Tell(), 0);
  char byte = 0;
  int32_t length = 1;
  EXPECT_EQ(file.Read(&byte, &length), kFileOk);
  EXPECT_EQ(length, 1);
  EXPECT_EQ(byte, 'a') << "back at the first byte";
  file.Close();
  EXPECT_EQ(file.Delete(), kFileOk);
}

}  // namespace
