// Stores an object's own record (Serialize) or its whole object reference
// (WriteObject) into memory and loads them back, to compare exact bytes.
#pragma once

#include <memory>
#include <vector>

#include "fpgeom/frame/Archive.h"
#include "fpgeom/frame/File.h"

namespace fpgeom::testing {

template <class Write>
std::vector<BYTE> Stored(Write write) {
  CMemFile file;
  CArchive archive(&file, CArchive::store);
  write(archive);
  archive.Close();
  return std::vector<BYTE>(file.GetBuffer(), file.GetBuffer() + file.GetLength());
}

inline std::vector<BYTE> StoreRecord(CObject& object) {
  return Stored([&](CArchive& archive) { object.Serialize(archive); });
}

inline std::vector<BYTE> StoreObject(const CObject& object) {
  return Stored([&](CArchive& archive) { archive.WriteObject(&object); });
}

inline void LoadRecord(CObject& object, std::vector<BYTE> bytes) {
  CMemFile file(bytes.data(), static_cast<UINT>(bytes.size()));
  CArchive archive(&file, CArchive::load);
  object.Serialize(archive);
}

inline std::unique_ptr<CObject> LoadObject(std::vector<BYTE> bytes, const CRuntimeClass* requested) {
  CMemFile file(bytes.data(), static_cast<UINT>(bytes.size()));
  CArchive archive(&file, CArchive::load);
  return std::unique_ptr<CObject>(archive.ReadObject(requested));
}

}  // namespace fpgeom::testing
