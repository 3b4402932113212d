// Stores an object's own record (its Serialize, without any object
// reference) or its whole object reference into memory and loads them back,
// so that tests can compare the exact bytes.
#pragma once

#include <memory>
#include <vector>

#include "fpgeom/frame/Archive.h"
#include "fpgeom/frame/File.h"

namespace fpgeom::testing {

inline std::vector<BYTE> StoreRecord(CObject& object) {
  CMemFile file;
  CArchive archive(&file, CArchive::store);
  object.Serialize(archive);
  archive.Close();
  return std::vector<BYTE>(file.GetBuffer(), file.GetBuffer() + file.GetLength());
}

inline void LoadRecord(CObject& object, std::vector<BYTE> bytes) {
  CMemFile file(bytes.data(), static_cast<UINT>(bytes.size()));
  CArchive archive(&file, CArchive::load);
  object.Serialize(archive);
}

// What WriteObject puts into an archive for one object.
inline std::vector<BYTE> StoreObject(const CObject& object) {
  CMemFile file;
  CArchive archive(&file, CArchive::store);
  archive.WriteObject(&object);
  archive.Close();
  return std::vector<BYTE>(file.GetBuffer(), file.GetBuffer() + file.GetLength());
}

// The object ReadObject creates from those bytes.
inline std::unique_ptr<CObject> LoadObject(std::vector<BYTE> bytes, const CRuntimeClass* requested) {
  CMemFile file(bytes.data(), static_cast<UINT>(bytes.size()));
  CArchive archive(&file, CArchive::load);
  return std::unique_ptr<CObject>(archive.ReadObject(requested));
}

}  // namespace fpgeom::testing
