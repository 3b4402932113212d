#include "InputOptions.h"

#include <unistd.h>

#include <iostream>
#include <iterator>

#include "ToolErrors.h"
#include "fpgeom/io/DocumentFiles.h"

namespace fpgeom::tool {
namespace {

std::optional<io::Format> FormatOption(const std::string& name) {
  if (name.empty()) return std::nullopt;
  const auto format = io::FormatFromName(name);
  if (!format) throw UsageError("--from expects wkt, geojson or archive, got '" + name + "'");
  return format;
}

constexpr const char* kAcceptedInput =
    "Input: WKT POINT, LINESTRING, POLYGON, MULTIPOINT, MULTILINESTRING, MULTIPOLYGON and GEOMETRYCOLLECTION\n"
    "(one or more, EMPTY allowed); GeoJSON Point, LineString, Polygon, their Multi forms, GeometryCollection,\n"
    "Feature and FeatureCollection; or an fpgeom archive. Every ring becomes one ring of the map; a polygon's\n"
    "first ring is turned clockwise (an outer ring) and its holes counter-clockwise, whatever the file says;\n"
    "a LineString must be closed and counts as a ring as written; members of a collection are read in\n"
    "order; points are probe points. Z and M values are dropped, with a note on standard error.";

std::string StandardInput() {
  std::cin >> std::noskipws;
  return std::string(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
}

}  // namespace

void InputOptions::AddTo(CLI::App& command) {
  command.footer(kAcceptedInput);
  command.add_option("input", m_path, "Geometry file (WKT, GeoJSON or fpgeom archive); - for standard input");
  command.add_option("--wkt", m_wkt, "Geometry given as WKT text instead of a file");
  command.add_option("--from", m_format, "Format of the input: wkt, geojson or archive (default: by name, then content)");
}

io::Document InputOptions::Load() const {
  io::Document document = Read();
  for (const std::string& note : document.notes) std::cerr << "fpgeom: note: " << note << '\n';
  return document;
}

io::Document InputOptions::Read() const {
  const auto format = FormatOption(m_format);
  if (!m_wkt.empty() && !m_path.empty()) throw UsageError("give either an input file or --wkt, not both");
  if (!m_wkt.empty()) return io::ReadDocumentText(m_wkt, "--wkt", format.value_or(io::Format::Wkt));
  if (!m_path.empty() && m_path != "-") return io::ReadDocumentFile(m_path, format);
  if (m_path.empty() && ::isatty(STDIN_FILENO) != 0) {
    throw UsageError("no input: give a file, - for standard input, or --wkt TEXT");
  }
  return io::ReadDocumentText(StandardInput(), "standard input", format);
}

}  // namespace fpgeom::tool
