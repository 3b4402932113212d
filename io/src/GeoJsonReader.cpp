#include <memory>
#include <string>

#include <nlohmann/json.hpp>

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
    } else if (type == "Point") {
      m_document.points.push_back(ReadPosition(coordinates, at));
    } else if (type == "MultiPoint") {
      RequireArray(coordinates, at, "an array of positions");
      for (std::size_t i = 0; i < coordinates.size(); ++i) {
        m_document.points.push_back(ReadPosition(coordinates[i], Index(at, i)));
      }
    } else {
      Fail(pointer + "/type",
           "expected a Polygon, MultiPolygon, Point, MultiPoint, GeometryCollection, Feature or FeatureCollection, "
           "found \"" + type + "\"");
    }
  }

  void ReadPolygon(const json& rings, const std::string& pointer) {
    RequireArray(rings, pointer, "an array of rings");
    for (std::size_t i = 0; i < rings.size(); ++i) m_document.rings.AddPolygon(ReadRing(rings[i], Index(pointer, i)).release());
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
};

// nlohmann's message after its "[json.exception...] parse error at line L,
// column C: " prefix; the position is reported separately.
std::string SyntaxComplaint(const std::string& what) {
  const auto column = what.find("column ");
  const auto colon = what.find(": ", column == std::string::npos ? 0 : column);
  return colon == std::string::npos ? what : what.substr(colon + 2);
}

}  // namespace

Document ReadGeoJson(const std::string& text, const std::string& source) {
  json root;
  try {
    root = json::parse(text);
  } catch (const json::parse_error& error) {
    const std::size_t offset = error.byte > 0 ? error.byte - 1 : 0;
    throw ReadError(source, LineAndColumn(text, offset), SyntaxComplaint(error.what()));
  }
  Document document;
  GeoJsonWalker(source, document).ReadObject(root, "");
  return document;
}

}  // namespace fpgeom::io
