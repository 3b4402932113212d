// CArchive reads or writes the framework's binary object format over a CFile:
// little-endian scalars, element counts, and object references that name each
// class once and each object once. Loading checks everything it reads and
// throws CArchiveException with the cause; it never allocates in proportion
// to a count before the data behind it has been read.
#pragma once

#include <memory>
#include <string>
#include <type_traits>
#include <unordered_map>
#include <vector>

#include "fpgeom/frame/Exceptions.h"
#include "fpgeom/frame/Export.h"
#include "fpgeom/frame/File.h"
#include "fpgeom/frame/Object.h"
#include "fpgeom/frame/WinTypes.h"

class CArchive;

namespace fpgeom {

// Reads an object reference that must introduce a new object of the expected
// class, and hands that object over. A null reference or a reference back to
// an object read before cannot be owned a second time: badIndex.
FPGEOM_API std::unique_ptr<CObject> ReadOwnedObject(CArchive& ar, const CRuntimeClass* pClassRefRequested);

}  // namespace fpgeom

class FPGEOM_API CArchive {
 public:
  enum Mode : UINT { store = 0, load = 1, bNoFlushOnDelete = 2 };

  CArchive(CFile* pFile, UINT nMode, int nBufSize = 4096);
  CArchive(const CArchive&) = delete;
  CArchive& operator=(const CArchive&) = delete;
  // A storing archive that was not closed flushes here; a write error at
  // this point cannot be reported, so call Close() to learn of it.
  ~CArchive();

  bool IsLoading() const { return (m_nMode & load) != 0; }
  bool IsStoring() const { return (m_nMode & load) == 0; }
  CFile* GetFile() const { return m_pFile; }
  UINT GetObjectSchema() const { return m_nObjectSchema; }

  // Raw bytes. Read returns how many bytes it could read.
  UINT Read(void* lpBuf, UINT nMax);
  void Write(const void* lpBuf, UINT nMax);
  void Flush();
  void Close();
  // Detaches from the file without writing what is buffered.
  void Abort();

  // Scalars, little-endian.
  CArchive& operator<<(BYTE by);
  CArchive& operator<<(WORD w);
  CArchive& operator<<(DWORD dw);
  CArchive& operator<<(std::int32_t l);
  CArchive& operator<<(ULONGLONG qw);
  CArchive& operator<<(double d);
  CArchive& operator>>(BYTE& by);
  CArchive& operator>>(WORD& w);
  CArchive& operator>>(DWORD& dw);
  CArchive& operator>>(std::int32_t& l);
  CArchive& operator>>(ULONGLONG& qw);
  CArchive& operator>>(double& d);

  // Element counts: a WORD below 0xFFFF, else a DWORD, else a QWORD.
  void WriteCount(DWORD_PTR dwCount);
  DWORD_PTR ReadCount();

  // Object references. ReadObject returns null for a null reference, an
  // object already read for a back reference (still owned by whoever took it
  // first), or a new object that the caller owns; expected (null accepts any
  // class) is checked before a new object is created.
  void WriteObject(const CObject* pOb);
  CObject* ReadObject(const CRuntimeClass* pClassRefRequested);
  void WriteClass(const CRuntimeClass* pClassRef);
  // Reads a class reference. With pObTag null an object reference in its
  // place is badIndex; otherwise its index goes to *pObTag and null is
  // returned.
  const CRuntimeClass* ReadClass(const CRuntimeClass* pClassRefRequested = nullptr,
                                 UINT* pSchema = nullptr, DWORD* pObTag = nullptr);

  std::string m_strFileName;

 private:
  // One entry of the loading index: a class or an object.
  struct LoadedEntry {
    const CRuntimeClass* pClass;
    CObject* pObject;
  };

  void RequireStoring() const;
  void RequireLoading() const;
  void RequireOpen() const;
  void FillBuffer(std::size_t nBytesNeeded);
  void ReadExactly(void* lpBuf, std::size_t nBytes);
  void WriteBytes(const void* lpBuf, std::size_t nBytes);
  template <class Unsigned>
  void WriteLittleEndian(Unsigned value);
  template <class Unsigned>
  Unsigned ReadLittleEndian();
  DWORD NextIndex();
  CObject* CreateLoadedObject(const CRuntimeClass* pClassRef, UINT nSchema);

  friend std::unique_ptr<CObject> fpgeom::ReadOwnedObject(CArchive&, const CRuntimeClass*);
  [[noreturn]] void Fail(int cause) const;

  CFile* m_pFile;
  UINT m_nMode;
  UINT m_nObjectSchema = 0xFFFF;
  std::vector<BYTE> m_buffer;
  std::size_t m_nBufCur = 0;  // next byte to read or write
  std::size_t m_nBufMax = 0;  // end of valid bytes when loading
  DWORD m_nMapCount = 1;      // index 0 is the null reference
  std::unordered_map<const void*, DWORD> m_storeMap;
  std::vector<LoadedEntry> m_loadArray;
};

FPGEOM_API CArchive& operator<<(CArchive& ar, const CObject* pOb);
FPGEOM_API CArchive& operator>>(CArchive& ar, CObject*& pOb);
FPGEOM_API CArchive& operator>>(CArchive& ar, const CObject*& pOb);

// Reading into a pointer of a derived class checks the class on the way in.
// (RUNTIME_CLASS cannot take a template parameter: it pastes the name.)
template <class T, class = std::enable_if_t<std::is_base_of<CObject, T>::value && !std::is_same<T, CObject>::value>>
CArchive& operator>>(CArchive& ar, T*& pOb) {
  pOb = static_cast<T*>(ar.ReadObject(T::GetThisClass()));
  return ar;
}
