#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "fpgeom/frame/File.h"

namespace {

std::string Contents(const CMemFile& file) {
  return std::string(reinterpret_cast<const char*>(file.GetBuffer()), static_cast<std::size_t>(file.GetLength()));
}

TEST(MemFile, GrowsAsItIsWrittenSeeksOverwritesAndFillsGapsWithZeros) {
  CMemFile file(4);
  std::string expected;
  for (int i = 0; i < 100; ++i) {
    const std::string piece = std::to_string(i);
    file.Write(piece.data(), static_cast<UINT>(piece.size()));
    expected += piece;
  }
  EXPECT_EQ(Contents(file), expected);
  file.SeekToBegin();
  std::vector<char> read(expected.size() + 10);
  EXPECT_EQ(file.Read(read.data(), static_cast<UINT>(read.size())), expected.size());
  EXPECT_EQ(std::string(read.data(), expected.size()), expected);
  EXPECT_EQ(file.Read(read.data(), 1), 0u);

  CMemFile small;
  small.Write("abcdef", 6);
  EXPECT_EQ(small.Seek(-4, CFile::end), 2u);
  small.Write("XY", 2);
  EXPECT_EQ(small.Seek(1, CFile::current), 5u);
  EXPECT_EQ(small.Seek(8, CFile::begin), 8u);
  small.Write("z", 1);
  EXPECT_EQ(Contents(small), std::string("abXYef\0\0z", 9));
  EXPECT_THROW(small.Seek(-1, CFile::begin), CFileException);
  EXPECT_EQ(small.GetPosition(), 9u);
}

TEST(MemFile, WorksInPlaceOnCallerBytesWithoutGrowing) {
  BYTE bytes[6] = {'a', 'b', 'c', 'd', 'e', 'f'};
  {
    CMemFile file(bytes, sizeof bytes);
    EXPECT_EQ(file.Seek(2, CFile::begin), 2u);
    file.Write("XYZ", 3);
    EXPECT_EQ(file.GetBuffer(), bytes);
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
  EXPECT_EQ(std::string(reinterpret_cast<char*>(buffer), 7), "payload");
  std::free(buffer);
  EXPECT_EQ(file.GetPosition(), 0u);
  file.Write("again", 5);
  EXPECT_EQ(Contents(file), "again");

  BYTE bytes[3] = {1, 2, 3};
  CMemFile onCallerBytes(bytes, sizeof bytes);
  EXPECT_EQ(onCallerBytes.Detach(), bytes);
  onCallerBytes.Write("more", 4);
  EXPECT_EQ(Contents(onCallerBytes), "more");
}

TEST(MemFile, TakesOverAMallocBufferWhenAllowedToGrowAndEmptiesOnClose) {
  auto* buffer = static_cast<BYTE*>(std::malloc(4));
  ASSERT_NE(buffer, nullptr);
  CMemFile file(buffer, 4, 16);
  EXPECT_EQ(file.GetLength(), 0u);
  file.Write("0123456789", 10);
  EXPECT_EQ(Contents(file), "0123456789");
  file.Close();
  EXPECT_EQ(file.GetLength(), 0u);
  EXPECT_EQ(file.GetBuffer(), nullptr);

  CFileException error(CFileException::none, 0, std::string());
  EXPECT_FALSE(file.Open("anything", CFile::modeRead, &error));
  EXPECT_EQ(error.m_cause, CFileException::genericException);
}

}  // namespace
