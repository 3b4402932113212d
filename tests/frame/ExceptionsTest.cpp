#include <gtest/gtest.h>

#include <string>

#include "fpgeom/frame/Exceptions.h"

// The numeric causes are the framework's, so they are written as numbers.
TEST(Exceptions, ArchiveExceptionsCarryTheirCauseAndFile) {
  struct Case {
    int cause;
    const char* text;
  };
  const Case cases[] = {
      {CArchiveException::none, "no error"},
      {CArchiveException::genericException, "archive error"},
      {2, "storing into an archive opened for loading"},
      {3, "the archive ends early"},
      {4, "loading from an archive opened for storing"},
      {5, "bad object or class index"},
      {6, "unknown or unexpected class"},
      {7, "schema mismatch"},
      {99, "unknown archive error"},
  };
  for (const Case& c : cases) {
    const CArchiveException error(c.cause, "doc.bin");
    EXPECT_EQ(error.m_cause, c.cause);
    EXPECT_EQ(error.m_strFileName, "doc.bin");
    EXPECT_EQ(std::string(error.what()), std::string(c.text) + " (doc.bin)");
  }
  EXPECT_STREQ(CArchiveException(CArchiveException::badIndex).what(), "bad object or class index");
  EXPECT_EQ(CArchiveException().m_cause, CArchiveException::none);
}

TEST(Exceptions, AllAreStandardExceptionsWithAMessage) {
  try {
    throw CInvalidArgException("list is empty");
  } catch (const CException& error) {
    EXPECT_STREQ(error.what(), "list is empty");
  }
  try {
    EXPECT_EQ(CFileException::fileNotFound, 2);
    throw CFileException(CFileException::fileNotFound, 2, "missing.bin");
  } catch (const std::exception& error) {
    EXPECT_EQ(std::string(error.what()), "file error 2 (os error 2) (missing.bin)");
  }
  const CFileException file(CFileException::diskFull, 28, "full.bin");
  EXPECT_EQ(file.m_cause, CFileException::diskFull);
  EXPECT_EQ(file.m_lOsError, 28);
  EXPECT_EQ(file.m_strFileName, "full.bin");
  EXPECT_FALSE(std::string(CInvalidArgException().what()).empty());
}
