// Archive bytes written by hand, and objects stored into memory or loaded from
// it, for the tests that compare exact bytes or feed the loader bad ones.
#pragma once

#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "fpgeom/frame/Archive.h"
#include "fpgeom/frame/File.h"

namespace fpgeom::test {

using Bytes = std::vector<BYTE>;

// Built independently of the archive's own writing: little-endian integers,
// doubles by their bits.
class ArchiveBytes {
 public:
  ArchiveBytes& Le(std::uint64_t value, int size) {
    for (int i = 0; i < size; ++i) m_bytes.push_back(static_cast<BYTE>(value >> (8 * i)));
    return *this;
  }
  ArchiveBytes& Word(std::uint64_t value) { return Le(value, 2); }
  ArchiveBytes& Dword(std::uint64_t value) { return Le(value, 4); }
  ArchiveBytes& Double(double value) {
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return Le(bits, 8);
  }
  ArchiveBytes& NewClass(unsigned schema, const std::string& name) {
    return Word(0xFFFF).Word(schema).Word(name.size()).Append(Bytes(name.begin(), name.end()));
  }
  // A polygon's own record: the count (below 0xFFFF here), then x and y of
  // each point.
  template <class Ring>
  ArchiveBytes& PolygonRecord(const Ring& ring) {
    return Word(ring.size()).Points(ring);
  }
  template <class Ring>
  ArchiveBytes& Points(const Ring& ring) {
    for (const auto& [x, y] : ring) Double(x).Double(y);
    return *this;
  }
  ArchiveBytes& Append(const Bytes& bytes) {
    m_bytes.insert(m_bytes.end(), bytes.begin(), bytes.end());
    return *this;
  }
  Bytes bytes() const { return m_bytes; }

 private:
  Bytes m_bytes;
};

template <class Write>
Bytes Stored(Write write) {
  CMemFile file;
  CArchive archive(&file, CArchive::store);
  write(archive);
  archive.Close();
  return Bytes(file.GetBuffer(), file.GetBuffer() + file.GetLength());
}

inline Bytes StoreRecord(CObject& object) {
  return Stored([&](CArchive& archive) { object.Serialize(archive); });
}

inline Bytes StoreObject(const CObject& object) {
  return Stored([&](CArchive& archive) { archive.WriteObject(&object); });
}

// A loading archive over bytes that it does not own.
struct LoadingArchive {
  explicit LoadingArchive(std::vector<BYTE>& bytes)
      : file(bytes.data(), static_cast<UINT>(bytes.size())), archive(&file, CArchive::load) {}
  CMemFile file;
  CArchive archive;
};

inline void LoadRecord(CObject& object, Bytes bytes) {
  LoadingArchive loading(bytes);
  object.Serialize(loading.archive);
}

inline std::unique_ptr<CObject> LoadObject(Bytes bytes, const CRuntimeClass* requested) {
  LoadingArchive loading(bytes);
  return std::unique_ptr<CObject>(loading.archive.ReadObject(requested));
}

// The cause of the archive exception the action throws, or none.
template <class Action>
int ArchiveCause(Action action) {
  try {
    action();
  } catch (const CArchiveException& error) {
    return error.m_cause;
  }
  return CArchiveException::none;
}

// Loads the bytes with read(archive): the cause of the archive exception it
// throws, or none.
template <class Read>
int LoadingCause(Bytes bytes, Read read) {
  LoadingArchive loading(bytes);
  return ArchiveCause([&] { read(loading.archive); });
}

}  // namespace fpgeom::test
