#include "fpgeom/frame/Exceptions.h"

#include <utility>

namespace {

const char* ArchiveCauseText(int cause) {
  switch (cause) {
    case CArchiveException::none: return "no error";
    case CArchiveException::genericException: return "archive error";
    case CArchiveException::readOnly: return "storing into an archive opened for loading";
    case CArchiveException::endOfFile: return "the archive ends early";
    case CArchiveException::writeOnly: return "loading from an archive opened for storing";
    case CArchiveException::badIndex: return "bad object or class index";
    case CArchiveException::badClass: return "unknown or unexpected class";
    case CArchiveException::badSchema: return "schema mismatch";
    default: return "unknown archive error";
  }
}

std::string WithFile(const std::string& text, const std::string& fileName) {
  return fileName.empty() ? text : text + " (" + fileName + ")";
}

}  // namespace

CException::CException(std::string message) : m_message(std::move(message)) {}

const char* CException::what() const noexcept { return m_message.c_str(); }

CInvalidArgException::CInvalidArgException(const std::string& detail) : CException(detail) {}

CArchiveException::CArchiveException(int cause, std::string fileName)
    : CException(WithFile(ArchiveCauseText(cause), fileName)), m_cause(cause), m_strFileName(std::move(fileName)) {}

CFileException::CFileException(int cause, int osError, std::string fileName)
    : CException(WithFile("file error " + std::to_string(cause) + " (os error " + std::to_string(osError) + ")",
                          fileName)),
      m_cause(cause),
      m_lOsError(osError),
      m_strFileName(std::move(fileName)) {}
