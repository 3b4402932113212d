// CFile, a file on disk, and CMemFile, a file in memory: the byte streams
// that archives read and write. File names are UTF-8.
#pragma once

#include <cstdio>
#include <memory>
#include <string>

#include "fpgeom/frame/Exceptions.h"
#include "fpgeom/frame/Export.h"
#include "fpgeom/frame/Object.h"
#include "fpgeom/frame/WinTypes.h"

class FPGEOM_API CFile : public CObject {
 public:
  enum OpenFlags : UINT {
    modeRead = 0x0000,
    modeWrite = 0x0001,
    modeReadWrite = 0x0002,
    shareDenyNone = 0x0040,
    modeNoTruncate = 0x2000,
    modeCreate = 0x1000,
    typeBinary = 0x8000
  };
  enum SeekPosition : UINT { begin = 0, current = 1, end = 2 };

  CFile();
  // Opens the file or throws CFileException.
  CFile(const char* lpszFileName, UINT nOpenFlags);
  CFile(const CFile&) = delete;
  CFile& operator=(const CFile&) = delete;
  ~CFile() override;

  // Returns false and fills *pError (when given) if the file cannot be opened.
  virtual bool Open(const char* lpszFileName, UINT nOpenFlags, CFileException* pError = nullptr);
  // Reads up to nCount bytes and returns how many were read; 0 at the end.
  virtual UINT Read(void* lpBuf, UINT nCount);
  // Writes all nCount bytes or throws CFileException.
  virtual void Write(const void* lpBuf, UINT nCount);
  virtual ULONGLONG Seek(LONGLONG lOff, UINT nFrom);
  void SeekToBegin();
  ULONGLONG SeekToEnd();
  virtual ULONGLONG GetPosition() const;
  virtual ULONGLONG GetLength() const;
  virtual void Flush();
  virtual void Close();
  virtual std::string GetFilePath() const;

 protected:
  std::string m_strFileName;

 private:
  struct Closer {
    void operator()(std::FILE* file) const;
  };
  void RequireOpen() const;
  [[noreturn]] void ThrowLastError() const;

  std::unique_ptr<std::FILE, Closer> m_file;
};

// A growable buffer in memory. Built empty it owns its buffer and grows by
// nGrowBytes; Detach hands the buffer to the caller, who releases it with
// std::free. Built over caller bytes with nGrowBytes 0, the file holds those
// nSize bytes, reads and overwrites them in place and cannot grow (writing
// past the end throws CFileException diskFull); the bytes stay the caller's.
// With nGrowBytes > 0 the caller's buffer must come from std::malloc: the
// file starts empty, takes the buffer over and may reallocate it.
class FPGEOM_API CMemFile : public CFile {
 public:
  explicit CMemFile(UINT nGrowBytes = 1024);
  CMemFile(BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes = 0);
  ~CMemFile() override;

  bool Open(const char* lpszFileName, UINT nOpenFlags, CFileException* pError = nullptr) override;
  UINT Read(void* lpBuf, UINT nCount) override;
  void Write(const void* lpBuf, UINT nCount) override;
  ULONGLONG Seek(LONGLONG lOff, UINT nFrom) override;
  ULONGLONG GetPosition() const override;
  ULONGLONG GetLength() const override;
  void Flush() override;
  void Close() override;

  // Hands the buffer to the caller and leaves the file empty; the caller
  // releases a buffer the file owned with std::free.
  BYTE* Detach();
  // The bytes written so far (GetLength() of them).
  const BYTE* GetBuffer() const { return m_lpBuffer; }

 private:
  void GrowTo(std::size_t nNewSize);
  void ReleaseBuffer();

  UINT m_nGrowBytes;
  BYTE* m_lpBuffer = nullptr;
  std::size_t m_nBufferSize = 0;
  std::size_t m_nFileSize = 0;
  std::size_t m_nPosition = 0;
  bool m_bAutoDelete = true;
};
