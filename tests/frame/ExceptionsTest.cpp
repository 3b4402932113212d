#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "fpgeom/frame/Exceptions.h"

namespace {

// The numeric causes are the framework's, so they are written as numbers.
TEST(Exceptions, ArchiveExceptionsCarryTheirCauseAndFile) {
  const std::pair<int, const char*> cases[] = {
      {0, "no error"},
      {1, "archive error"},
      {2, "storing into an archive opened for loading"},
      {3, "the archive ends early"},
      {4, "loading from an archive opened for storing"},
      {5, "bad object or class index"},
      {6, "unknown or unexpected class"},
      {7, "schema mismatch"},
      {99, "unknown archive error"},
  };
  for (const auto& [cause, text] : cases) {
    const CArchiveException error(cause, "doc.bin");
    EXPECT_EQ(error.m_cause, cause);
    EXPECT_EQ(error.m_strFileName, "doc.bin");
    EXPECT_EQ(std::string(error.what()), std::string(text) + " (doc.bin)");
  }
  EXPECT_STREQ(CArchiveException(CArchiveException::badIndex).what(), "bad object or class index");
  EXPECT_EQ(CArchiveException().m_cause, CArchiveException::none);
}

TEST(Exceptions, AllAreStandardExceptionsWithAMessage) {
  EXPECT_STREQ(static_cast<const CException&>(CInvalidArgException("list is empty")).what(), "list is empty");
  const CFileException file(CFileException::fileNotFound, 28, "missing.bin");
  EXPECT_EQ(std::string(static_cast<const std::exception&>(file).what()), "file error 2 (os error 28) (missing.bin)");
}

}  // namespace
