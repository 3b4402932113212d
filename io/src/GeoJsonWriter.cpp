#include <nlohmann/json.hpp>

#include "fpgeom/io/GeoJson.h"

namespace fpgeom::io {
namespace {

using nlohmann::json;

json Position(const CFPPoint& point) { return json::array({point.x, point.y}); }

// Closed by repeating the head, as GeoJSON asks of every ring.
json ClosedRing(const CFPPolygon& ring) {
  json positions = json::array();
  const std::vector<CFPPoint> points = PointsOf(ring);
  for (const CFPPoint& point : points) positions.push_back(Position(point));
  if (!points.empty()) positions.push_back(Position(points.front()));
  return positions;
}

json Feature(json geometry, json properties) {
  return {{"type", "Feature"}, {"properties", std::move(properties)}, {"geometry", std::move(geometry)}};
}

}  // namespace

// One feature a line, so that the file stays readable without growing a line
// for every number.
std::string WriteGeoJson(const Document& document) {
  std::vector<json> features;
  const std::vector<CFPPolygon> rings = RingsOf(document.rings);
  for (std::size_t i = 0; i < rings.size(); ++i) {
    json polygon = {{"type", "Polygon"}, {"coordinates", json::array({ClosedRing(rings[i])})}};
    features.push_back(Feature(std::move(polygon), {{"ring", i}}));
  }
  if (!document.points.empty()) {
    json positions = json::array();
    for (const CFPPoint& point : document.points) positions.push_back(Position(point));
    features.push_back(Feature({{"type", "MultiPoint"}, {"coordinates", std::move(positions)}}, json::object()));
  }
  std::string text = "{\"type\":\"FeatureCollection\",\"features\":[";
  for (std::size_t i = 0; i < features.size(); ++i) text += (i == 0 ? "\n" : ",\n") + features[i].dump();
  text += "\n]}\n";
  return text;
}

}  // namespace fpgeom::io
