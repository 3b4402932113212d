#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <utility>

#include "fpgeom/frame/File.h"

namespace {

std::string Contents(const CMemFile& file) {
  return std::string(reinterpret_cast<const char*>(file.GetBuffer()), static_cast<std::size_t>(file.GetLength()));
}

TEST(MemFile, SeeksFromEachOriginOverwritesAndFillsGapsWithZeros) {
  CMemFile file;
  file.Write("abcdef", 6);
  EXPECT_EQ(file.Seek(-4, CFile::end), 2u);
  file.Write("XY", 2);
  EXPECT_EQ(file.Seek(1, CFile::current), 5u);
  EXPECT_EQ(file.Seek(8, CFile::begin), 8u);
  file.Write("z", 1);
  EXPECT_EQ(Contents(file), std::string("abXYef\0\0z", 9));
  EXPECT_THROW(file.Seek(-1, CFile::begin), CFileException);
  EXPECT_EQ(file.GetPosition(), 9u);
}

// On the caller's bytes a file works in place and never writes past them;
// given a malloc buffer and leave to grow, it takes the buffer over.
TEST(MemFile, WorksInPlaceOnCallerBytesAndGrowsOnlyWhenAllowed) {
  BYTE bytes[6] = {'a', 'b', 'c', 'd', 'e', 'f'};
  CMemFile file(bytes, sizeof bytes);
  EXPECT_EQ(file.Seek(2, CFile::begin), 2u);
  file.Write("XYZ", 3);
  EXPECT_THROW(file.Write("12", 2), CFileException);
  EXPECT_EQ(std::make_pair(file.GetLength(), file.GetPosition()), std::make_pair(ULONGLONG{6}, ULONGLONG{5}));
  EXPECT_EQ(std::string(reinterpret_cast<char*>(bytes), 6), "abXYZf");

  auto* buffer = static_cast<BYTE*>(std::malloc(4));
  ASSERT_NE(buffer, nullptr);
  CMemFile growing(buffer, 4, 16);
  growing.Write("0123456789", 10);
  EXPECT_EQ(Contents(growing), "0123456789");
}

}  // namespace
