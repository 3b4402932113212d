#include "fpgeom/io/AreaFiles.h"

#include <algorithm>
#include <vector>

#include <nlohmann/json.hpp>

#include "fpgeom/io/NumberText.h"

namespace fpgeom::io {
namespace {

using nlohmann::json;
using Ring = std::vector<CFPPoint>;
// An outer ring and its holes.
using Polygon = std::vector<Ring>;

std::vector<Polygon> PolygonsOf(const CFPPolyRgn& region) {
  std::vector<Polygon> polygons;
  for (const CFPPolygon& ring : RingsOf(region)) {
    if (ring.getCount() == 0) continue;
    if (ring.Area() >= 0 || polygons.empty()) polygons.emplace_back();
    polygons.back().push_back(PointsOf(ring));
  }
  return polygons;
}

std::string WktRing(const Ring& ring) {
  std::string text = "(";
  for (std::size_t k = 0; k <= ring.size(); ++k) {
    const CFPPoint& point = ring[k % ring.size()];
    text += (k == 0 ? "" : ",") + NumberText(point.x) + " " + NumberText(point.y);
  }
  return text + ")";
}

std::string WktPolygon(const Polygon& polygon) {
  std::string text = "(";
  for (std::size_t k = 0; k < polygon.size(); ++k) text += (k == 0 ? "" : ",") + WktRing(polygon[k]);
  return text + ")";
}

json GeoJsonRing(Ring ring) {
  std::reverse(ring.begin(), ring.end());
  json positions = json::array();
  for (std::size_t k = 0; k <= ring.size(); ++k) {
    const CFPPoint& point = ring[k % ring.size()];
    positions.push_back(json::array({point.x, point.y}));
  }
  return positions;
}

}  // namespace

std::string WriteWktAreas(const Document& document) {
  std::string text;
  const std::vector<Polygon> polygons = PolygonsOf(document.rings);
  if (polygons.size() == 1) {
    text += "POLYGON" + WktPolygon(polygons.front()) + "\n";
  } else if (!polygons.empty()) {
    text += "MULTIPOLYGON(";
    for (std::size_t k = 0; k < polygons.size(); ++k) text += (k == 0 ? "" : ",") + WktPolygon(polygons[k]);
    text += ")\n";
  }
  if (!document.points.empty()) {
    text += "MULTIPOINT(";
    for (std::size_t k = 0; k < document.points.size(); ++k) {
      text += (k == 0 ? "(" : ",(") + NumberText(document.points[k].x) + " " + NumberText(document.points[k].y) + ")";
    }
    text += ")\n";
  }
  return text;
}

// One feature a line, as the ring-by-ring writer does.
std::string WriteGeoJsonAreas(const Document& document) {
  std::vector<json> features;
  const std::vector<Polygon> polygons = PolygonsOf(document.rings);
  for (std::size_t i = 0; i < polygons.size(); ++i) {
    json rings = json::array();
    for (const Ring& ring : polygons[i]) rings.push_back(GeoJsonRing(ring));
    features.push_back({{"type", "Feature"},
                        {"properties", {{"polygon", i}}},
                        {"geometry", {{"type", "Polygon"}, {"coordinates", std::move(rings)}}}});
  }
  if (!document.points.empty()) {
    json positions = json::array();
    for (const CFPPoint& point : document.points) positions.push_back(json::array({point.x, point.y}));
    features.push_back({{"type", "Feature"},
                        {"properties", json::object()},
                        {"geometry", {{"type", "MultiPoint"}, {"coordinates", std::move(positions)}}}});
  }
  std::string text = "{\"type\":\"FeatureCollection\",\"features\":[";
  for (std::size_t i = 0; i < features.size(); ++i) text += (i == 0 ? "\n" : ",\n") + features[i].dump();
  text += "\n]}\n";
  return text;
}

}  // namespace fpgeom::io
