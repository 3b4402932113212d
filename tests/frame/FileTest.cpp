#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "fpgeom/frame/File.h"
#include "frame/TempDirectory.h"

namespace fpgeom::test {
namespace {

TEST(File, ReportsAMissingFileWithoutCreatingIt) {
  TempDirectory directory;
  const std::string missing = directory.File("missing.bin");
  CFile file;
  CFileException error(CFileException::none, 0, std::string());
  EXPECT_FALSE(file.Open(missing.c_str(), CFile::modeRead, &error));
  EXPECT_EQ(error.m_cause, CFileException::fileNotFound);
  EXPECT_EQ(error.m_strFileName, missing);
  EXPECT_THROW(file.GetLength(), CFileException);
  try {
    CFile opened(missing.c_str(), CFile::modeRead);
    ADD_FAILURE() << "no exception";
  } catch (const CFileException& thrown) {
    EXPECT_EQ(thrown.m_cause, CFileException::fileNotFound);
    EXPECT_EQ(thrown.m_strFileName, missing);
  }
  EXPECT_FALSE(std::filesystem::exists(missing));
}

TEST(File, WritesReadsSeeksAndMeasures) {
  TempDirectory directory;
  const std::string path = directory.File("data.bin");
  {
    CFile file(path.c_str(), CFile::modeCreate | CFile::modeWrite);
    EXPECT_EQ(file.GetFilePath(), path);
    file.Write("hello, world", 12);
    EXPECT_EQ(file.GetPosition(), 12u);
    file.Close();
    EXPECT_THROW(file.Write("x", 1), CFileException);
  }
  CFile file(path.c_str(), CFile::modeReadWrite);
  EXPECT_EQ(file.GetLength(), 12u);
  char text[16] = {};
  EXPECT_EQ(file.Seek(7, CFile::begin), 7u);
  EXPECT_EQ(file.Read(text, 16), 5u);
  EXPECT_EQ(std::string(text, 5), "world");
  EXPECT_EQ(file.Read(text, 16), 0u);
  EXPECT_EQ(file.Seek(-5, CFile::end), 7u);
  EXPECT_EQ(file.Seek(-2, CFile::current), 5u);
  file.Write(";", 1);
  file.SeekToBegin();
  EXPECT_EQ(file.Read(text, 12), 12u);
  EXPECT_EQ(std::string(text, 12), "hello; world");
  EXPECT_EQ(file.SeekToEnd(), 12u);
}

TEST(File, OpenFlagsTruncateOrKeep) {
  TempDirectory directory;
  const std::string path = directory.File("kept.bin");
  for (const char* text : {"a", "b"}) {
    CFile file(path.c_str(), CFile::modeCreate | CFile::modeNoTruncate | CFile::modeReadWrite);
    file.SeekToEnd();
    file.Write(text, 1);
  }
  {
    CFile file(path.c_str(), CFile::modeRead);
    EXPECT_EQ(file.GetLength(), 2u);
    EXPECT_THROW(file.Write("e", 1), CFileException);
  }
  CFile file(path.c_str(), CFile::modeCreate | CFile::modeWrite);
  EXPECT_EQ(file.GetLength(), 0u);
}

}  // namespace
}  // namespace fpgeom::test
