#include "fpgeom/io/ArchiveRecord.h"

#include <vector>

#include "fpgeom/frame/Archive.h"
#include "fpgeom/frame/File.h"
#include "fpgeom/io/IoErrors.h"

namespace fpgeom::io {
namespace {

std::string ArchiveComplaint(int cause) {
  switch (cause) {
    case CArchiveException::endOfFile: return "the archive ends inside the region record";
    case CArchiveException::badIndex: return "expected a new polygon, found a reference to an unknown or earlier object";
    case CArchiveException::badClass: return "expected polygons of class CFPPolygon, found another class";
    case CArchiveException::badSchema: return "expected CFPPolygon with schema 1, found another schema";
    default: return "the archive is not a region record (cause " + std::to_string(cause) + ")";
  }
}

}  // namespace

Document ReadArchive(const std::string& bytes, const std::string& source) {
  std::vector<BYTE> buffer(bytes.begin(), bytes.end());
  CMemFile file(buffer.data(), static_cast<UINT>(buffer.size()));
  CArchive archive(&file, CArchive::load);
  Document document;
  try {
    document.rings.Serialize(archive);
  } catch (const CArchiveException& error) {
    throw ReadError(source, "", ArchiveComplaint(error.m_cause));
  }
  BYTE extra = 0;
  if (archive.Read(&extra, 1) != 0) throw ReadError(source, "", "expected the end of the file after the region record");
  return document;
}

std::string WriteArchive(const CFPPolyRgn& rings) {
  CFPPolyRgn stored(rings);  // storing walks the polygons with their cursors
  CMemFile file;
  CArchive archive(&file, CArchive::store);
  stored.Serialize(archive);
  archive.Close();
  const auto* bytes = reinterpret_cast<const char*>(file.GetBuffer());
  return std::string(bytes, bytes + file.GetLength());
}

}  // namespace fpgeom::io
