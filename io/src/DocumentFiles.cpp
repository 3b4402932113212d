#include "fpgeom/io/DocumentFiles.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "fpgeom/io/ArchiveRecord.h"
#include "fpgeom/io/GeoJson.h"
#include "fpgeom/io/IoErrors.h"
#include "fpgeom/io/Wkt.h"

namespace fpgeom::io {

std::string ReadWholeFile(const std::string& path) {
  std::error_code error;
  if (std::filesystem::is_directory(path, error)) throw ReadError(path, "", "expected a file, found a folder");
  std::ifstream file(path, std::ios::binary);
  if (!file) throw ReadError(path, "", std::string("cannot open: ") + std::strerror(errno));
  std::ostringstream bytes;
  bytes << file.rdbuf();
  if (file.bad()) throw ReadError(path, "", std::string("cannot read: ") + std::strerror(errno));
  return bytes.str();
}

Document ReadDocumentFile(const std::string& path, std::optional<Format> format) {
  const std::string bytes = ReadWholeFile(path);
  return ReadDocumentText(bytes, path, format ? format : FormatFromExtension(path));
}

Document ReadDocumentText(const std::string& text, const std::string& source, std::optional<Format> format) {
  switch (format.value_or(FormatFromContent(text))) {
    case Format::Wkt: return ReadWkt(text, source);
    case Format::GeoJson: return ReadGeoJson(text, source);
    case Format::Archive: return ReadArchive(text, source);
  }
  throw ReadError(source, "", "unknown format");
}

std::string EncodeDocument(const Document& document, Format format, const std::string& target) {
  switch (format) {
    case Format::Wkt: return WriteWkt(document);
    case Format::GeoJson: return WriteGeoJson(document);
    case Format::Archive:
      if (!document.points.empty()) {
        throw WriteError(target, "an archive holds rings only; the document also has " +
                                     std::to_string(document.points.size()) + " points");
      }
      return WriteArchive(document.rings);
  }
  throw WriteError(target, "unknown format");
}

}  // namespace fpgeom::io
