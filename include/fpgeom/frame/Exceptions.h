// The framework's exceptions. They are thrown by value and caught by
// reference; fpgeom itself never catches one.
#pragma once

#include <exception>
#include <string>

#include "fpgeom/frame/Export.h"

class FPGEOM_API CException : public std::exception {
 public:
  explicit CException(std::string message);
  const char* what() const noexcept override;

 private:
  std::string m_message;
};

// Misuse: reading or writing through a null list position, asking an empty
// list for its head or tail, removing an element that is not there.
class FPGEOM_API CInvalidArgException : public CException {
 public:
  explicit CInvalidArgException(const std::string& detail = "invalid argument");
};

class FPGEOM_API CArchiveException : public CException {
 public:
  enum {
    none = 0,
    genericException = 1,
    readOnly = 2,
    endOfFile = 3,
    writeOnly = 4,
    badIndex = 5,
    badClass = 6,
    badSchema = 7
  };

  explicit CArchiveException(int cause = none, std::string fileName = std::string());

  int m_cause;
  std::string m_strFileName;
};

class FPGEOM_API CFileException : public CException {
 public:
  enum { none = 0, genericException = 1, fileNotFound = 2, accessDenied = 5, diskFull = 13, endOfFile = 14 };

  CFileException(int cause, int osError, std::string fileName);

  int m_cause;
  int m_lOsError;
  std::string m_strFileName;
};
