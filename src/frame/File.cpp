#include "fpgeom/frame/File.h"

#include <cerrno>
#include <cstdio>
#include <limits>

namespace {

int FileCauseFromErrno(int error) {
  switch (error) {
    case ENOENT: return CFileException::fileNotFound;
    case EACCES:
    case EPERM:
    case EROFS: return CFileException::accessDenied;
    case ENOSPC: return CFileException::diskFull;
    default: return CFileException::genericException;
  }
}

// The stdio mode for the framework's open flags.
const char* StdioMode(UINT flags) {
  const bool create = (flags & CFile::modeCreate) != 0;
  const bool keep = (flags & CFile::modeNoTruncate) != 0;
  if ((flags & CFile::modeReadWrite) != 0) return create && !keep ? "w+b" : "r+b";
  if ((flags & CFile::modeWrite) != 0) return create && !keep ? "wb" : "r+b";
  return "rb";
}

}  // namespace

void CFile::Closer::operator()(std::FILE* file) const { std::fclose(file); }

CFile::CFile() = default;

CFile::CFile(const char* lpszFileName, UINT nOpenFlags) {
  CFileException error(CFileException::none, 0, std::string());
  if (!Open(lpszFileName, nOpenFlags, &error)) throw error;
}

CFile::~CFile() = default;

bool CFile::Open(const char* lpszFileName, UINT nOpenFlags, CFileException* pError) {
  Close();
  const std::string name = lpszFileName != nullptr ? lpszFileName : "";
  std::FILE* file = std::fopen(name.c_str(), StdioMode(nOpenFlags));
  if (file == nullptr && (nOpenFlags & modeCreate) != 0 && (nOpenFlags & modeNoTruncate) != 0) {
    file = std::fopen(name.c_str(), (nOpenFlags & modeReadWrite) != 0 ? "w+b" : "wb");
  }
  if (file == nullptr) {
    const int error = errno;
    if (pError != nullptr) *pError = CFileException(FileCauseFromErrno(error), error, name);
    return false;
  }
  m_file.reset(file);
  m_strFileName = name;
  return true;
}

void CFile::RequireOpen() const {
  if (!m_file) throw CFileException(CFileException::genericException, 0, m_strFileName);
}

void CFile::ThrowLastError() const {
  const int error = errno;
  throw CFileException(FileCauseFromErrno(error), error, m_strFileName);
}

UINT CFile::Read(void* lpBuf, UINT nCount) {
  RequireOpen();
  const std::size_t read = std::fread(lpBuf, 1, nCount, m_file.get());
  if (read < nCount && std::ferror(m_file.get()) != 0) ThrowLastError();
  return static_cast<UINT>(read);
}

void CFile::Write(const void* lpBuf, UINT nCount) {
  RequireOpen();
  if (std::fwrite(lpBuf, 1, nCount, m_file.get()) != nCount) ThrowLastError();
}

ULONGLONG CFile::Seek(LONGLONG lOff, UINT nFrom) {
  RequireOpen();
  const int origin = nFrom == current ? SEEK_CUR : nFrom == end ? SEEK_END : SEEK_SET;
  if (lOff < std::numeric_limits<long>::min() || lOff > std::numeric_limits<long>::max() ||
      std::fseek(m_file.get(), static_cast<long>(lOff), origin) != 0) {
    ThrowLastError();
  }
  return GetPosition();
}

void CFile::SeekToBegin() { Seek(0, begin); }

ULONGLONG CFile::SeekToEnd() { return Seek(0, end); }

ULONGLONG CFile::GetPosition() const {
  RequireOpen();
  const long position = std::ftell(m_file.get());
  if (position < 0) ThrowLastError();
  return static_cast<ULONGLONG>(position);
}

ULONGLONG CFile::GetLength() const {
  RequireOpen();
  std::FILE* file = m_file.get();
  const long position = std::ftell(file);
  if (position < 0 || std::fseek(file, 0, SEEK_END) != 0) ThrowLastError();
  const long length = std::ftell(file);
  if (length < 0 || std::fseek(file, position, SEEK_SET) != 0) ThrowLastError();
  return static_cast<ULONGLONG>(length);
}

void CFile::Flush() {
  if (m_file && std::fflush(m_file.get()) != 0) ThrowLastError();
}

void CFile::Close() {
  if (!m_file) return;
  std::FILE* file = m_file.release();
  if (std::fclose(file) != 0) ThrowLastError();
}

std::string CFile::GetFilePath() const { return m_strFileName; }
