// The document writers: rings as polygons with their holes, in the order and
// with the roles the readers give them back.
#include <vector>

#include <nlohmann/json.hpp>

#include "fpgeom/io/GeoJson.h"
#include "fpgeom/io/NumberText.h"
#include "fpgeom/io/Wkt.h"

namespace fpgeom::io {
namespace {

using nlohmann::json;
// An outer ring and its holes.
using Polygon = std::vector<CFPPolygon>;

// The rings as the readers will place them again: leading rings of negative
// area, which no outer ring holds, as lines (a line keeps its direction), the
// rest as polygons with holes. Rings without points are left out.
struct Layout {
  std::vector<CFPPolygon> lines;
  std::vector<Polygon> polygons;
};

Layout LayoutOf(const CFPPolyRgn& region) {
  Layout layout;
  const std::vector<CFPPolygon> rings = RingsOf(region);
  const std::vector<int> outer = OuterRingsOf(rings);
  for (std::size_t k = 0; k < rings.size(); ++k) {
    if (rings[k].getCount() == 0) continue;
    if (outer[k] == kNoOuterRing) {
      layout.lines.push_back(rings[k]);
    } else {
      if (outer[k] == static_cast<int>(k)) layout.polygons.emplace_back();
      layout.polygons.back().push_back(rings[k]);
    }
  }
  return layout;
}

// Closed again by repeating the head, even when the ring's own tail already
// equals it: reading drops exactly one repeated point.
std::string WktRing(const CFPPolygon& ring) {
  const std::vector<CFPPoint> points = PointsOf(ring);
  std::string text = "(";
  for (std::size_t k = 0; k <= points.size(); ++k) {
    const CFPPoint& point = points[k % points.size()];
    text += (k == 0 ? "" : ",") + NumberText(point.x) + " " + NumberText(point.y);
  }
  return text + ")";
}

std::string WktPolygon(const Polygon& polygon) {
  std::string text = "(";
  for (std::size_t k = 0; k < polygon.size(); ++k) text += (k == 0 ? "" : ",") + WktRing(polygon[k]);
  return text + ")";
}

json GeoJsonPositions(const CFPPolygon& ring) {
  const std::vector<CFPPoint> points = PointsOf(ring);
  json positions = json::array();
  for (std::size_t k = 0; k <= points.size(); ++k) {
    positions.push_back(json::array({points[k % points.size()].x, points[k % points.size()].y}));
  }
  return positions;
}

// RFC 7946 runs outer rings counter-clockwise and holes clockwise, against
// fpgeom's directions. A ring is turned round only when that gives its
// turned area the sign the reader turns back from, so that a ring too thin
// for its area's sign to survive the turn reads back as it was.
json GeoJsonRing(const CFPPolygon& ring, bool outer) {
  CFPPolygon turned(ring);
  turned.Revert();
  const bool turnsBack = outer ? turned.Area() < 0 : turned.Area() > 0;
  return GeoJsonPositions(turnsBack ? turned : ring);
}

json Feature(json geometry, json properties) {
  return {{"type", "Feature"}, {"properties", std::move(properties)}, {"geometry", std::move(geometry)}};
}

}  // namespace

std::string WriteWkt(const Document& document) {
  const Layout layout = LayoutOf(document.rings);
  std::string text;
  for (const CFPPolygon& line : layout.lines) text += "LINESTRING" + WktRing(line) + "\n";
  if (layout.polygons.size() == 1) {
    text += "POLYGON" + WktPolygon(layout.polygons.front()) + "\n";
  } else if (!layout.polygons.empty()) {
    text += "MULTIPOLYGON(";
    for (std::size_t k = 0; k < layout.polygons.size(); ++k) {
      text += (k == 0 ? "" : ",") + WktPolygon(layout.polygons[k]);
    }
    text += ")\n";
  }
  if (!document.points.empty()) {
    text += "MULTIPOINT(";
    for (std::size_t k = 0; k < document.points.size(); ++k) {
      text += (k == 0 ? "(" : ",(") + NumberText(document.points[k].x) + " " + NumberText(document.points[k].y) + ")";
    }
    text += ")\n";
  }
  // An empty file would not read back as a document.
  return text.empty() ? "GEOMETRYCOLLECTION EMPTY\n" : text;
}

// One feature a line, so that the file stays readable without growing a line
// for every number.
std::string WriteGeoJson(const Document& document) {
  const Layout layout = LayoutOf(document.rings);
  std::vector<json> features;
  for (const CFPPolygon& line : layout.lines) {
    features.push_back(Feature({{"type", "LineString"}, {"coordinates", GeoJsonPositions(line)}}, json::object()));
  }
  for (std::size_t i = 0; i < layout.polygons.size(); ++i) {
    json rings = json::array();
    for (std::size_t k = 0; k < layout.polygons[i].size(); ++k) {
      rings.push_back(GeoJsonRing(layout.polygons[i][k], k == 0));
    }
    features.push_back(Feature({{"type", "Polygon"}, {"coordinates", std::move(rings)}}, {{"polygon", i}}));
  }
  if (!document.points.empty()) {
    json positions = json::array();
    for (const CFPPoint& point : document.points) positions.push_back(json::array({point.x, point.y}));
    features.push_back(Feature({{"type", "MultiPoint"}, {"coordinates", std::move(positions)}}, json::object()));
  }
  std::string text = "{\"type\":\"FeatureCollection\",\"features\":[";
  for (std::size_t i = 0; i < features.size(); ++i) text += (i == 0 ? "\n" : ",\n") + features[i].dump();
  text += "\n]}\n";
  return text;
}

}  // namespace fpgeom::io
