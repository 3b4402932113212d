#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <new>

#include "fpgeom/frame/File.h"

CMemFile::CMemFile(UINT nGrowBytes) : m_nGrowBytes(nGrowBytes == 0 ? 1024 : nGrowBytes) {}

CMemFile::CMemFile(BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes)
    : m_nGrowBytes(nGrowBytes),
      m_lpBuffer(lpBuffer),
      m_nBufferSize(lpBuffer != nullptr ? nBufferSize : 0),
      m_nFileSize(nGrowBytes == 0 ? m_nBufferSize : 0),
      m_bAutoDelete(nGrowBytes != 0) {}

CMemFile::~CMemFile() { ReleaseBuffer(); }

void CMemFile::ReleaseBuffer() {
  if (m_bAutoDelete) std::free(m_lpBuffer);
  m_lpBuffer = nullptr;
  m_nBufferSize = m_nFileSize = m_nPosition = 0;
}

bool CMemFile::Open(const char*, UINT, CFileException* pError) {
  // A memory file has no name to open.
  if (pError != nullptr) *pError = CFileException(CFileException::genericException, 0, std::string());
  return false;
}

UINT CMemFile::Read(void* lpBuf, UINT nCount) {
  if (m_nPosition >= m_nFileSize) return 0;
  const std::size_t read = std::min<std::size_t>(nCount, m_nFileSize - m_nPosition);
  std::memcpy(lpBuf, m_lpBuffer + m_nPosition, read);
  m_nPosition += read;
  return static_cast<UINT>(read);
}

void CMemFile::Write(const void* lpBuf, UINT nCount) {
  if (nCount == 0) return;
  const std::size_t end = m_nPosition + nCount;
  if (end > m_nBufferSize) GrowTo(end);
  // A write after a seek past the end leaves no undefined bytes behind.
  if (m_nPosition > m_nFileSize) std::memset(m_lpBuffer + m_nFileSize, 0, m_nPosition - m_nFileSize);
  std::memcpy(m_lpBuffer + m_nPosition, lpBuf, nCount);
  m_nPosition = end;
  m_nFileSize = std::max(m_nFileSize, end);
}

void CMemFile::GrowTo(std::size_t nNewSize) {
  if (!m_bAutoDelete || m_nGrowBytes == 0) {
    throw CFileException(CFileException::diskFull, 0, std::string());
  }
  const std::size_t steps = (nNewSize + m_nGrowBytes - 1) / m_nGrowBytes;
  const std::size_t capacity = std::max(steps * m_nGrowBytes, m_nBufferSize * 2);
  void* grown = std::realloc(m_lpBuffer, capacity);
  if (grown == nullptr) throw std::bad_alloc();
  m_lpBuffer = static_cast<BYTE*>(grown);
  m_nBufferSize = capacity;
}

ULONGLONG CMemFile::Seek(LONGLONG lOff, UINT nFrom) {
  const LONGLONG base = nFrom == current ? static_cast<LONGLONG>(m_nPosition)
                        : nFrom == end   ? static_cast<LONGLONG>(m_nFileSize)
                                         : 0;
  if (lOff < -base || lOff > std::numeric_limits<LONGLONG>::max() - base) {
    throw CFileException(CFileException::genericException, EINVAL, std::string());
  }
  m_nPosition = static_cast<std::size_t>(base + lOff);
  return m_nPosition;
}

ULONGLONG CMemFile::GetPosition() const { return m_nPosition; }

ULONGLONG CMemFile::GetLength() const { return m_nFileSize; }

void CMemFile::Flush() {}

void CMemFile::Close() { ReleaseBuffer(); }

BYTE* CMemFile::Detach() {
  BYTE* buffer = m_lpBuffer;
  m_lpBuffer = nullptr;
  m_nBufferSize = m_nFileSize = m_nPosition = 0;
  m_bAutoDelete = true;
  if (m_nGrowBytes == 0) m_nGrowBytes = 1024;
  return buffer;
}
