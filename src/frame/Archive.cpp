#include "fpgeom/frame/Archive.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <memory>
#include <new>
#include <utility>
#include <vector>

#include "frame/DeletionWatch.h"

namespace {

constexpr WORD kNullTag = 0x0000;
constexpr WORD kNewClassTag = 0xFFFF;
constexpr WORD kClassTag = 0x8000;
constexpr DWORD kBigClassTag = 0x80000000;
constexpr WORD kBigObjectTag = 0x7FFF;
constexpr DWORD kMaxMapCount = 0x3FFFFFFE;
// Registered class names are short; a longer name cannot name one, so it is
// refused before its bytes are read, and never written.
constexpr WORD kMaxClassNameLength = 64;

}  // namespace

CArchive::CArchive(CFile* pFile, UINT nMode, int nBufSize)
    : m_strFileName(pFile != nullptr ? pFile->GetFilePath() : std::string()),
      m_pFile(pFile),
      m_nMode(nMode),
      m_buffer(static_cast<std::size_t>(std::max(nBufSize, 128))) {
  if (pFile == nullptr) throw CInvalidArgException("an archive needs a file");
  m_loadArray.push_back(LoadedEntry{nullptr, nullptr});
}

CArchive::~CArchive() {
  if (m_pFile == nullptr || IsLoading() || (m_nMode & bNoFlushOnDelete) != 0) return;
  try {
    Flush();
  } catch (...) {
    // A destructor cannot report; Close() is the way to learn of the error.
  }
}

void CArchive::Fail(int cause) const { throw CArchiveException(cause, m_strFileName); }

void CArchive::RequireOpen() const {
  if (m_pFile == nullptr) Fail(CArchiveException::genericException);
}

void CArchive::RequireStoring() const {
  RequireOpen();
  if (IsLoading()) Fail(CArchiveException::readOnly);
}

void CArchive::RequireLoading() const {
  RequireOpen();
  if (IsStoring()) Fail(CArchiveException::writeOnly);
}

// Storing: hands the buffered bytes to the file. Loading: gives the bytes
// read ahead back to the file, so that it stands where the archive does.
void CArchive::Flush() {
  RequireOpen();
  if (IsStoring()) {
    if (m_nBufCur > 0) {
      const std::size_t pending = m_nBufCur;
      m_nBufCur = 0;
      m_pFile->Write(m_buffer.data(), static_cast<UINT>(pending));
    }
    m_pFile->Flush();
    return;
  }
  if (m_nBufMax > m_nBufCur) {
    m_pFile->Seek(-static_cast<LONGLONG>(m_nBufMax - m_nBufCur), CFile::current);
  }
  m_nBufCur = m_nBufMax = 0;
}

void CArchive::Close() {
  if (m_pFile == nullptr) return;
  Flush();
  m_pFile = nullptr;
}

void CArchive::Abort() {
  m_pFile = nullptr;
  m_nBufCur = m_nBufMax = 0;
}

// Loading: makes at least nBytesNeeded bytes available in the buffer, or
// throws endOfFile when the file has fewer.
void CArchive::FillBuffer(std::size_t nBytesNeeded) {
  const std::size_t unread = m_nBufMax - m_nBufCur;
  std::memmove(m_buffer.data(), m_buffer.data() + m_nBufCur, unread);
  m_nBufCur = 0;
  m_nBufMax = unread;
  while (m_nBufMax < nBytesNeeded) {
    const UINT read = m_pFile->Read(m_buffer.data() + m_nBufMax, static_cast<UINT>(m_buffer.size() - m_nBufMax));
    if (read == 0) Fail(CArchiveException::endOfFile);
    m_nBufMax += read;
  }
}

void CArchive::ReadExactly(void* lpBuf, std::size_t nBytes) {
  RequireLoading();
  if (nBytes > m_buffer.size()) {
    // Large reads bypass the buffer, in buffer-sized steps.
    BYTE* target = static_cast<BYTE*>(lpBuf);
    while (nBytes > 0) {
      const std::size_t step = std::min(nBytes, m_buffer.size());
      ReadExactly(target, step);
      target += step;
      nBytes -= step;
    }
    return;
  }
  if (m_nBufMax - m_nBufCur < nBytes) FillBuffer(nBytes);
  std::memcpy(lpBuf, m_buffer.data() + m_nBufCur, nBytes);
  m_nBufCur += nBytes;
}

UINT CArchive::Read(void* lpBuf, UINT nMax) {
  RequireLoading();
  BYTE* target = static_cast<BYTE*>(lpBuf);
  UINT copied = 0;
  while (copied < nMax) {
    if (m_nBufCur == m_nBufMax) {
      m_nBufCur = m_nBufMax = 0;
      const UINT read = m_pFile->Read(m_buffer.data(), static_cast<UINT>(m_buffer.size()));
      if (read == 0) break;
      m_nBufMax = read;
    }
    const std::size_t step = std::min<std::size_t>(nMax - copied, m_nBufMax - m_nBufCur);
    std::memcpy(target + copied, m_buffer.data() + m_nBufCur, step);
    m_nBufCur += step;
    copied += static_cast<UINT>(step);
  }
  return copied;
}

void CArchive::WriteBytes(const void* lpBuf, std::size_t nBytes) {
  RequireStoring();
  const BYTE* source = static_cast<const BYTE*>(lpBuf);
  while (nBytes > 0) {
    if (m_nBufCur == m_buffer.size()) {
      m_nBufCur = 0;
      m_pFile->Write(m_buffer.data(), static_cast<UINT>(m_buffer.size()));
    }
    const std::size_t step = std::min(nBytes, m_buffer.size() - m_nBufCur);
    std::memcpy(m_buffer.data() + m_nBufCur, source, step);
    m_nBufCur += step;
    source += step;
    nBytes -= step;
  }
}

void CArchive::Write(const void* lpBuf, UINT nMax) { WriteBytes(lpBuf, nMax); }

template <class Unsigned>
void CArchive::WriteLittleEndian(Unsigned value) {
  BYTE bytes[sizeof(Unsigned)];
  for (std::size_t i = 0; i < sizeof(Unsigned); ++i) bytes[i] = static_cast<BYTE>(value >> (8 * i));
  WriteBytes(bytes, sizeof bytes);
}

template <class Unsigned>
Unsigned CArchive::ReadLittleEndian() {
  BYTE bytes[sizeof(Unsigned)];
  ReadExactly(bytes, sizeof bytes);
  Unsigned value = 0;
  for (std::size_t i = 0; i < sizeof(Unsigned); ++i) value |= static_cast<Unsigned>(static_cast<Unsigned>(bytes[i]) << (8 * i));
  return value;
}

CArchive& CArchive::operator<<(BYTE by) { WriteLittleEndian<BYTE>(by); return *this; }
CArchive& CArchive::operator<<(WORD w) { WriteLittleEndian<WORD>(w); return *this; }
CArchive& CArchive::operator<<(DWORD dw) { WriteLittleEndian<DWORD>(dw); return *this; }
CArchive& CArchive::operator<<(std::int32_t l) { WriteLittleEndian<DWORD>(static_cast<DWORD>(l)); return *this; }
CArchive& CArchive::operator<<(ULONGLONG qw) { WriteLittleEndian<ULONGLONG>(qw); return *this; }

CArchive& CArchive::operator<<(double d) {
  ULONGLONG bits;
  std::memcpy(&bits, &d, sizeof bits);
  WriteLittleEndian<ULONGLONG>(bits);
  return *this;
}

CArchive& CArchive::operator>>(BYTE& by) { by = ReadLittleEndian<BYTE>(); return *this; }
CArchive& CArchive::operator>>(WORD& w) { w = ReadLittleEndian<WORD>(); return *this; }
CArchive& CArchive::operator>>(DWORD& dw) { dw = ReadLittleEndian<DWORD>(); return *this; }
CArchive& CArchive::operator>>(std::int32_t& l) { l = static_cast<std::int32_t>(ReadLittleEndian<DWORD>()); return *this; }
CArchive& CArchive::operator>>(ULONGLONG& qw) { qw = ReadLittleEndian<ULONGLONG>(); return *this; }

CArchive& CArchive::operator>>(double& d) {
  const ULONGLONG bits = ReadLittleEndian<ULONGLONG>();
  std::memcpy(&d, &bits, sizeof d);
  return *this;
}

void CArchive::WriteCount(DWORD_PTR dwCount) {
  if (dwCount < 0xFFFF) {
    *this << static_cast<WORD>(dwCount);
    return;
  }
  *this << static_cast<WORD>(0xFFFF);
  if (dwCount < 0xFFFFFFFF) {
    *this << static_cast<DWORD>(dwCount);
    return;
  }
  *this << static_cast<DWORD>(0xFFFFFFFF);
  *this << static_cast<ULONGLONG>(dwCount);
}

DWORD_PTR CArchive::ReadCount() {
  const WORD shortCount = ReadLittleEndian<WORD>();
  if (shortCount != 0xFFFF) return shortCount;
  const DWORD count = ReadLittleEndian<DWORD>();
  if (count != 0xFFFFFFFF) return count;
  return static_cast<DWORD_PTR>(ReadLittleEndian<ULONGLONG>());
}

DWORD CArchive::NextIndex() {
  if (m_nMapCount > kMaxMapCount) Fail(CArchiveException::badIndex);
  return m_nMapCount++;
}

void CArchive::WriteClass(const CRuntimeClass* pClassRef) {
  RequireStoring();
  // A class without a schema could never be read back.
  if (pClassRef == nullptr || pClassRef->m_wSchema == 0xFFFF) Fail(CArchiveException::badClass);
  const auto known = m_storeMap.find(pClassRef);
  if (known != m_storeMap.end()) {
    if (known->second < kBigObjectTag) {
      *this << static_cast<WORD>(kClassTag | known->second);
    } else {
      *this << kBigObjectTag << static_cast<DWORD>(kBigClassTag | known->second);
    }
    return;
  }
  const std::size_t length = std::strlen(pClassRef->m_lpszClassName);
  if (length > kMaxClassNameLength) Fail(CArchiveException::badClass);
  *this << kNewClassTag << static_cast<WORD>(pClassRef->m_wSchema) << static_cast<WORD>(length);
  WriteBytes(pClassRef->m_lpszClassName, length);
  m_storeMap.emplace(pClassRef, NextIndex());
}

void CArchive::WriteObject(const CObject* pOb) {
  RequireStoring();
  if (pOb == nullptr) {
    *this << kNullTag;
    return;
  }
  const auto known = m_storeMap.find(pOb);
  if (known != m_storeMap.end()) {
    if (known->second < kBigObjectTag) {
      *this << static_cast<WORD>(known->second);
    } else {
      *this << kBigObjectTag << known->second;
    }
    return;
  }
  WriteClass(pOb->GetRuntimeClass());
  m_storeMap.emplace(pOb, NextIndex());
  // The record is the object's own; the framework's interface is not const.
  const_cast<CObject*>(pOb)->Serialize(*this);
}

const CRuntimeClass* CArchive::ReadClass(const CRuntimeClass* pClassRefRequested, UINT* pSchema, DWORD* pObTag) {
  RequireLoading();
  const WORD tag = ReadLittleEndian<WORD>();
  const DWORD obTag = tag == kBigObjectTag ? ReadLittleEndian<DWORD>()
                                           : (static_cast<DWORD>(tag & kClassTag) << 16) | (tag & ~kClassTag);
  if ((obTag & kBigClassTag) == 0) {
    if (pObTag == nullptr) Fail(CArchiveException::badIndex);
    *pObTag = obTag;
    return nullptr;
  }

  const CRuntimeClass* pClassRef = nullptr;
  UINT schema = 0;
  if (tag == kNewClassTag) {
    const WORD storedSchema = ReadLittleEndian<WORD>();
    const WORD nameLength = ReadLittleEndian<WORD>();
    if (nameLength > kMaxClassNameLength) Fail(CArchiveException::badClass);
    char name[kMaxClassNameLength + 1] = {};
    ReadExactly(name, nameLength);
    // A zero byte would cut the name short and let it pass for another.
    if (std::memchr(name, '\0', nameLength) != nullptr) Fail(CArchiveException::badClass);
    pClassRef = CRuntimeClass::FromName(name);
    if (pClassRef == nullptr || pClassRef->m_pfnCreateObject == nullptr) Fail(CArchiveException::badClass);
    if (pClassRef->m_wSchema != storedSchema) Fail(CArchiveException::badSchema);
    schema = storedSchema;
    m_loadArray.push_back(LoadedEntry{pClassRef, nullptr});
    NextIndex();
  } else {
    const DWORD classIndex = obTag & ~kBigClassTag;
    if (classIndex == 0 || classIndex >= m_loadArray.size() || m_loadArray[classIndex].pClass == nullptr) {
      Fail(CArchiveException::badIndex);
    }
    pClassRef = m_loadArray[classIndex].pClass;
    schema = pClassRef->m_wSchema;
  }
  if (pClassRefRequested != nullptr && !pClassRef->IsDerivedFrom(pClassRefRequested)) {
    Fail(CArchiveException::badClass);
  }
  if (pSchema != nullptr) *pSchema = schema;
  if (pObTag != nullptr) *pObTag = 0;
  return pClassRef;
}

namespace {

// The objects a failed record made, sorted, each marked once deleted.
class MadeObjects {
 public:
  template <class Entry>
  MadeObjects(const Entry* first, const Entry* last) {
    for (const Entry* entry = first; entry != last; ++entry) {
      if (entry->pObject != nullptr) m_objects.push_back(entry->pObject);
    }
    std::sort(m_objects.begin(), m_objects.end(), std::less<>());
    m_deleted.assign(m_objects.size(), false);
  }

  static void Hear(void* context, const CObject* deleted) {
    auto& made = *static_cast<MadeObjects*>(context);
    const std::size_t index = made.IndexOf(deleted);
    if (index < made.m_objects.size() && made.m_objects[index] == deleted) made.m_deleted[index] = true;
  }

  // For an object the record made.
  bool IsDeleted(const CObject* object) const { return m_deleted[IndexOf(object)]; }

 private:
  std::size_t IndexOf(const CObject* object) const {
    return static_cast<std::size_t>(std::lower_bound(m_objects.begin(), m_objects.end(), object, std::less<>()) -
                                    m_objects.begin());
  }

  std::vector<const CObject*> m_objects;
  std::vector<bool> m_deleted;
};

// Deletes the object a failed record was filling, then the objects made
// inside the record, each once and in the order made: an owner comes before
// what it owns and deletes that itself, and an object that only an object
// list held (a list does not own its elements) is deleted here. Every entry
// is cleared, so the indices are forgotten. Without the memory to keep count,
// only the filled object is deleted.
template <class Entry>
void DeleteFailedRecord(std::unique_ptr<CObject> filled, Entry* first, Entry* last) noexcept {
  try {
    MadeObjects made(first, last);
    const fpgeom::detail::DeletionWatch watch(&MadeObjects::Hear, &made);
    filled.reset();
    for (Entry* entry = first; entry != last; ++entry) {
      CObject* object = std::exchange(entry->pObject, nullptr);
      if (object != nullptr && !made.IsDeleted(object)) delete object;
    }
  } catch (const std::bad_alloc&) {
    for (Entry* entry = first; entry != last; ++entry) entry->pObject = nullptr;
  }
}

}  // namespace

// Creates and loads the object that follows a class reference. The object is
// indexed before its record is read, as the format numbers it. If the record
// fails the object is deleted, and so is every object read inside its record
// (by its owner or, held by no owner, here), so all of their indices are
// forgotten.
CObject* CArchive::CreateLoadedObject(const CRuntimeClass* pClassRef, UINT nSchema) {
  std::unique_ptr<CObject> object(pClassRef->CreateObject());
  if (!object) Fail(CArchiveException::badClass);
  const std::size_t objectIndex = m_loadArray.size();
  m_loadArray.push_back(LoadedEntry{nullptr, object.get()});
  NextIndex();
  const UINT savedSchema = m_nObjectSchema;
  m_nObjectSchema = nSchema;
  try {
    object->Serialize(*this);
  } catch (...) {
    m_nObjectSchema = savedSchema;
    m_loadArray[objectIndex].pObject = nullptr;
    DeleteFailedRecord(std::move(object), m_loadArray.data() + objectIndex + 1,
                       m_loadArray.data() + m_loadArray.size());
    throw;
  }
  m_nObjectSchema = savedSchema;
  return object.release();
}

CObject* CArchive::ReadObject(const CRuntimeClass* pClassRefRequested) {
  UINT schema = 0;
  DWORD obTag = 0;
  const CRuntimeClass* pClassRef = ReadClass(pClassRefRequested, &schema, &obTag);
  if (pClassRef != nullptr) return CreateLoadedObject(pClassRef, schema);

  if (obTag >= m_loadArray.size()) Fail(CArchiveException::badIndex);
  const LoadedEntry& entry = m_loadArray[obTag];
  if (entry.pClass != nullptr) Fail(CArchiveException::badIndex);
  if (obTag != 0 && entry.pObject == nullptr) Fail(CArchiveException::badIndex);
  if (entry.pObject != nullptr && pClassRefRequested != nullptr && !entry.pObject->IsKindOf(pClassRefRequested)) {
    Fail(CArchiveException::badClass);
  }
  return entry.pObject;
}

CArchive& operator<<(CArchive& ar, const CObject* pOb) {
  ar.WriteObject(pOb);
  return ar;
}

CArchive& operator>>(CArchive& ar, CObject*& pOb) {
  pOb = ar.ReadObject(nullptr);
  return ar;
}

CArchive& operator>>(CArchive& ar, const CObject*& pOb) {
  pOb = ar.ReadObject(nullptr);
  return ar;
}

namespace fpgeom {

std::unique_ptr<CObject> ReadOwnedObject(CArchive& ar, const CRuntimeClass* pClassRefRequested) {
  UINT schema = 0;
  DWORD obTag = 0;
  const CRuntimeClass* pClassRef = ar.ReadClass(pClassRefRequested, &schema, &obTag);
  if (pClassRef == nullptr) ar.Fail(CArchiveException::badIndex);
  return std::unique_ptr<CObject>(ar.CreateLoadedObject(pClassRef, schema));
}

}  // namespace fpgeom
