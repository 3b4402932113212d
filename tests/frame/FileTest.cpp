#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <string>

#include "fpgeom/frame/File.h"

namespace fpgeom::test {
namespace {

// A path of the test's own, by process and test name, removed afterwards.
struct TempPath {
  const std::string path = ::testing::TempDir() + "fpgeom-" + std::to_string(getpid()) + "-" +
                           ::testing::UnitTest::GetInstance()->current_test_info()->name();
  ~TempPath() { std::filesystem::remove(path); }
};

TEST(File, ReportsAMissingFileWithoutCreatingItAndTruncatesOnlyWhenAsked) {
  const TempPath temp;
  const std::string& path = temp.path;
  CFileException error(CFileException::none, 0, std::string());
  EXPECT_FALSE(CFile().Open(path.c_str(), CFile::modeRead, &error));
  EXPECT_EQ(std::make_pair(error.m_cause, error.m_strFileName), std::make_pair(+CFileException::fileNotFound, path));
  EXPECT_FALSE(std::filesystem::exists(path));

  for (const std::string text : {"hello, ", "world"}) {
    CFile file(path.c_str(), CFile::modeCreate | CFile::modeNoTruncate | CFile::modeReadWrite);
    file.SeekToEnd();
    file.Write(text.data(), static_cast<UINT>(text.size()));
  }
  CFile file(path.c_str(), CFile::modeReadWrite);
  EXPECT_EQ(file.Seek(-5, CFile::end), 7u);
  EXPECT_EQ(file.Seek(-2, CFile::current), 5u);
  file.Write(";", 1);
  file.SeekToBegin();
  char text[16] = {};
  EXPECT_EQ(std::string(text, file.Read(text, 16)), "hello; world");
  EXPECT_THROW(CFile(path.c_str(), CFile::modeRead).Write("e", 1), CFileException);
  EXPECT_EQ(CFile(path.c_str(), CFile::modeCreate | CFile::modeWrite).GetLength(), 0u);
}

}  // namespace
}  // namespace fpgeom::test
