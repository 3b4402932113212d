#include <cctype>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "PolygonRoles.h"
#include "fpgeom/io/GeoJson.h"
#include "fpgeom/io/IoErrors.h"

namespace fpgeom::io {
namespace {

using nlohmann::json;

// Walks the parsed document; every complaint names the JSON pointer of the
// member that is not what was expected.
class GeoJsonWalker {
 public:
  GeoJsonWalker(const std::string& source, Document& document) : m_source(source), m_document(document) {}

  void ReadObject(const json& node, const std::string& pointer) {
    const std::string type = TypeOf(node, pointer);
    if (type == "FeatureCollection") {
      const json& features = Member(node, pointer, "features");
      RequireArray(features, pointer + "/features", "an array of features");
      for (std::size_t i = 0; i < features.size(); ++i) ReadFeature(features[i], Index(pointer + "/features", i));
    } else if (type == "Feature") {
      ReadFeature(node, pointer);
    } else {
      ReadGeometry(node, pointer);
    }
  }

  // Whether a position held more than x and y.
  bool DroppedExtra() const { return m_droppedExtra; }

 private:
  void ReadFeature(const json& node, const std::string& pointer) {
    if (TypeOf(node, pointer) != "Feature") Fail(pointer + "/type", "expected \"Feature\"");
    const json& geometry = Member(node, pointer, "geometry");
    if (!geometry.is_null()) ReadGeometry(geometry, pointer + "/geometry");
  }

  void ReadGeometry(const json& node, const std::string& pointer) {
    const std::string type = TypeOf(node, pointer);
    if (type == "GeometryCollection") {
      const json& geometries = Member(node, pointer, "geometries");
      RequireArray(geometries, pointer + "/geometries", "an array of geometries");
      for (std::size_t i = 0; i < geometries.size(); ++i) {
        ReadGeometry(geometries[i], Index(pointer + "/geometries", i));
      }
      return;
    }
    const json& coordinates = Member(node, pointer, "coordinates");
    const std::string at = pointer + "/coordinates";
    if (type == "Polygon") {
      ReadPolygon(coordinates, at);
    } else if (type == "MultiPolygon") {
      RequireArray(coordinates, at, "an array of polygons");
      for (std::size_t i = 0; i < coordinates.size(); ++i) ReadPolygon(coordinates[i], Index(at, i));
    } else if (type == "LineString") {
      ReadClosedLine(coordinates, at);
    } else if (type == "MultiLineString") {
      RequireArray(coordinates, at, "an array of line strings");
      for (std::size_t i = 0; i < coordinates.size(); ++i) ReadClosedLine(coordinates[i], Index(at, i));
    } else if (type == "Point") {
      m_document.points.push_back(ReadPosition(coordinates, at));
    } else if (type == "MultiPoint") {
      RequireArray(coordinates, at, "an array of positions");
      for (std::size_t i = 0; i < coordinates.size(); ++i) {
        m_document.points.push_back(ReadPosition(coordinates[i], Index(at, i)));
      }
    } else {
      Fail(pointer + "/type",
           "expected a Point, LineString, Polygon, MultiPoint, MultiLineString, MultiPolygon, GeometryCollection, "
           "Feature or FeatureCollection, found \"" + type + "\"");
    }
  }

  void ReadPolygon(const json& rings, const std::string& pointer) {
    RequireArray(rings, pointer, "an array of rings");
    std::vector<std::unique_ptr<CFPPolygon>> polygon;
    for (std::size_t i = 0; i < rings.size(); ++i) polygon.push_back(ReadRing(rings[i], Index(pointer, i)));
    detail::AddPolygonByRole(std::move(polygon), m_document.rings);
  }

  // A map holds rings, so a line counts only when it closes on itself. A
  // line has no role, so it keeps its direction.
  void ReadClosedLine(const json& positions, const std::string& pointer) {
    RequireArray(positions, pointer, "a line string: an array of positions");
    if (positions.size() < 2 || positions.front() != positions.back()) {
      Fail(pointer, "expected a closed LineString (its last position repeating its first) to read as a ring");
    }
    m_document.rings.AddPolygon(ReadRing(positions, pointer).release());
  }

  // The closing position repeats the first; it is dropped.
  std::unique_ptr<CFPPolygon> ReadRing(const json& positions, const std::string& pointer) {
    RequireArray(positions, pointer, "a ring: an array of positions");
    auto ring = std::make_unique<CFPPolygon>();
    std::size_t count = positions.size();
    if (count >= 2 && positions.front() == positions.back()) --count;
    for (std::size_t i = 0; i < count; ++i) ring->AddTailNode(ReadPosition(positions[i], Index(pointer, i)));
    return ring;
  }

  CFPPoint ReadPosition(const json& position, const std::string& pointer) {
    if (!position.is_array() || position.size() < 2 || !position[0].is_number() || !position[1].is_number()) {
      Fail(pointer, "expected a position: an array of at least two numbers");
    }
    m_droppedExtra = m_droppedExtra || position.size() > 2;
    return CFPPoint(position[0].get<double>(), position[1].get<double>());
  }

  std::string TypeOf(const json& node, const std::string& pointer) {
    if (!node.is_object()) Fail(pointer, "expected a GeoJSON object");
    const json& type = Member(node, pointer, "type");
    if (!type.is_string()) Fail(pointer + "/type", "expected a string");
    return type.get<std::string>();
  }

  const json& Member(const json& node, const std::string& pointer, const char* name) {
    const auto member = node.find(name);
    if (member == node.end()) Fail(pointer.empty() ? "/" : pointer, std::string("expected a member \"") + name + "\"");
    return *member;
  }

  void RequireArray(const json& node, const std::string& pointer, const char* what) {
    if (!node.is_array()) Fail(pointer, std::string("expected ") + what);
  }

  static std::string Index(const std::string& pointer, std::size_t i) { return pointer + "/" + std::to_string(i); }

  [[noreturn]] void Fail(const std::string& pointer, const std::string& message) {
    throw ReadError(m_source, "at " + pointer, message);
  }

  const std::string& m_source;
  Document& m_document;
  bool m_droppedExtra = false;
};

// nlohmann's message after its "[json.exception...] parse error at line L,
// column C: " prefix; the position is reported separately.
std::string SyntaxComplaint(const std::string& what) {
  const auto column = what.find("column ");
  const auto colon = what.find(": ", column == std::string::npos ? 0 : column);
  return colon == std::string::npos ? what : what.substr(colon + 2);
}

std::size_t NumberLiteralEnd(const std::string& text, std::size_t at) {
  while (at < text.size() && text[at] != '\0' && std::strchr("+-.eE0123456789", text[at]) != nullptr) ++at;
  return at;
}

// The parser stops at the first number that overflows a double but does
// not say where it is. The text before it is well-formed JSON, so the first
// number literal outside a string that reads as infinite is the one.
std::size_t FirstOverflowingNumber(const std::string& text) {
  bool inString = false;
  for (std::size_t at = 0; at < text.size(); ++at) {
    const char c = text[at];
    if (inString) {
      if (c == '\\') ++at;
      else if (c == '"') inString = false;
    } else if (c == '"') {
      inString = true;
    } else if (c == '-' || std::isdigit(static_cast<unsigned char>(c)) != 0) {
      const std::size_t end = NumberLiteralEnd(text, at);
      if (std::isinf(std::strtod(text.substr(at, end - at).c_str(), nullptr))) return at;
      at = end - 1;
    }
  }
  return text.size();
}

}  // namespace

Document ReadGeoJson(const std::string& text, const std::string& source) {
  json root;
  try {
    root = json::parse(text);
  } catch (const json::parse_error& error) {
    const std::size_t offset = error.byte > 0 ? error.byte - 1 : 0;
    throw ReadError(source, LineAndColumn(text, offset), SyntaxComplaint(error.what()));
  } catch (const json::out_of_range&) {
    const std::size_t offset = FirstOverflowingNumber(text);
    const std::string number = text.substr(offset, NumberLiteralEnd(text, offset) - offset);
    throw ReadError(source, LineAndColumn(text, offset), "number out of range: '" + number + "'");
  }
  Document document;
  GeoJsonWalker walker(source, document);
  walker.ReadObject(root, "");
  if (walker.DroppedExtra()) {
    document.notes.push_back(source + ": dropped the coordinates beyond x and y (altitude); fpgeom keeps x and y");
  }
  return document;
}

}  // namespace fpgeom::io
