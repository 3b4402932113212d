#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "fpgeom/frame/File.h"

namespace {

std::string Contents(const CMemFile& file) {
  return std::string(reinterpret_cast<const char*>(file.GetBuffer()), static_cast<std::size_t>(file.GetLength()));
}

}  // namespace

TEST(MemFile, GrowsAsItIsWritten) {
  CMemFile file(4);
  std::string expected;
  for (int i = 0; i < 100; ++i) {
    const std::string piece = std::to_string(i);
    file.Write(piece.data(), static_cast<UINT>(piece.size()));
    expected += piece;
  }
  EXPECT_EQ(file.GetLength(), expected.size());
  EXPECT_EQ(Contents(file), expected);

  file.SeekToBegin();
  std::vector<char> read(expected.size() + 10);
  EXPECT_EQ(file.Read(read.data(), static_cast<UINT>(read.size())), expected.size());
  EXPECT_EQ(std::string(read.data(), expected.size()), expected);
  EXPECT_EQ(file.Read(read.data(), 1), 0u);
}

TEST(MemFile, SeeksAndOverwrites) {
  CMemFile file;
  file.Write("abcdef", 6);
  EXPECT_EQ(file.Seek(-4, CFile::end), 2u);
  file.Write("XY", 2);
  EXPECT_EQ(file.GetPosition(), 4u);
  EXPECT_EQ(Contents(file), "abXYef");
  EXPECT_EQ(file.Seek(1, CFile::current), 5u);
  char c = 0;
  EXPECT_EQ(file.Read(&c, 1), 1u);
  EXPECT_EQ(c, 'f');
  // A write past the end fills the gap with zeros.
  EXPECT_EQ(file.Seek(8, CFile::begin), 8u);
  file.Write("z", 1);
  EXPECT_EQ(Contents(file), std::string("abXYef\0\0z", 9));
  EXPECT_THROW(file.Seek(-1, CFile::begin), CFileException);
  EXPECT_EQ(file.GetPosition(), 9u);
}

TEST(MemFile, WorksInPlaceOnCallerBytesWithoutGrowing) {
  BYTE bytes[6] = {'a', 'b', 'c', 'd', 'e', 'f'};
  {
    CMemFile file(bytes, sizeof bytes);
    EXPECT_EQ(file.GetLength(), 6u);
    char read[3] = {};
    EXPECT_EQ(file.Read(read, 2), 2u);
    EXPECT_EQ(std::string(read, 2), "ab");
    file.Write("XY", 2);
    EXPECT_EQ(file.GetBuffer(), bytes);
    file.Write("Z", 1);
    try {
      file.Write("12", 2);
      ADD_FAILURE() << "no exception";
    } catch (const CFileException& error) {
      EXPECT_EQ(error.m_cause, CFileException::diskFull);
    }
    EXPECT_EQ(file.GetLength(), 6u);
    EXPECT_EQ(file.GetPosition(), 5u);
    file.Write("!", 1);
  }
  EXPECT_EQ(std::string(reinterpret_cast<char*>(bytes), 6), "abXYZ!");
}

TEST(MemFile, DetachHandsOverItsBufferAndTheFileGrowsAfresh) {
  CMemFile file;
  file.Write("payload", 7);
  BYTE* buffer = file.Detach();
  ASSERT_NE(buffer, nullptr);
  EXPECT_EQ(std::memcmp(buffer, "payload", 7), 0);
  std::free(buffer);
  EXPECT_EQ(file.GetLength(), 0u);
  EXPECT_EQ(file.GetPosition(), 0u);
  file.Write("again", 5);
  EXPECT_EQ(Contents(file), "again");

  BYTE bytes[3] = {1, 2, 3};
  CMemFile onCallerBytes(bytes, sizeof bytes);
  EXPECT_EQ(onCallerBytes.Detach(), bytes);
  onCallerBytes.Write("more", 4);
  EXPECT_EQ(Contents(onCallerBytes), "more");
  EXPECT_NE(onCallerBytes.GetBuffer(), bytes);
}

TEST(MemFile, TakesOverAMallocBufferWhenAllowedToGrow) {
  auto* buffer = static_cast<BYTE*>(std::malloc(4));
  ASSERT_NE(buffer, nullptr);
  CMemFile file(buffer, 4, 16);
  EXPECT_EQ(file.GetLength(), 0u);
  file.Write("0123456789", 10);
  EXPECT_EQ(Contents(file), "0123456789");
}

TEST(MemFile, HasNoNameToOpenAndEmptiesOnClose) {
  CMemFile file;
  CFileException error(CFileException::none, 0, std::string());
  EXPECT_FALSE(file.Open("anything", CFile::modeRead, &error));
  EXPECT_EQ(error.m_cause, CFileException::genericException);
  file.Write("abc", 3);
  file.Close();
  EXPECT_EQ(file.GetLength(), 0u);
  EXPECT_EQ(file.GetBuffer(), nullptr);
  EXPECT_EQ(file.GetFilePath(), "");
}
