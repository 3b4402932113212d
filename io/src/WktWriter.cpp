#include <locale>
#include <sstream>

#include <boost/geometry/io/wkt/write.hpp>

#include "WktModel.h"
#include "fpgeom/io/NumberText.h"
#include "fpgeom/io/Wkt.h"

namespace fpgeom::io {
namespace {

using detail::WktMultiPoint;
using detail::WktMultiPolygon;
using detail::WktPoint;
using detail::WktPolygon;

// The writer streams coordinates with operator<<; this facet makes every
// double come out in its shortest exact form instead of the stream's
// six significant digits.
class ShortestNumberPut : public std::num_put<char> {
 protected:
  iter_type do_put(iter_type out, std::ios_base&, char, double value) const override {
    const std::string text = NumberText(value);
    return std::copy(text.begin(), text.end(), out);
  }
};

// Closed again by repeating the head, even when the ring's own tail already
// equals it: reading drops exactly one repeated point.
WktPolygon ClosedRing(const CFPPolygon& ring) {
  WktPolygon polygon;
  for (const CFPPoint& point : PointsOf(ring)) polygon.outer().emplace_back(point.x, point.y);
  if (!polygon.outer().empty()) polygon.outer().push_back(polygon.outer().front());
  return polygon;
}

}  // namespace

std::string WriteWkt(const Document& document) {
  std::ostringstream text;
  // The locale takes ownership of the facet.
  text.imbue(std::locale(std::locale::classic(), new ShortestNumberPut));
  const std::vector<CFPPolygon> rings = RingsOf(document.rings);
  if (rings.size() == 1) {
    text << boost::geometry::wkt(ClosedRing(rings.front())) << '\n';
  } else if (!rings.empty()) {
    WktMultiPolygon polygons;
    for (const CFPPolygon& ring : rings) polygons.push_back(ClosedRing(ring));
    text << boost::geometry::wkt(polygons) << '\n';
  }
  if (!document.points.empty()) {
    WktMultiPoint points;
    for (const CFPPoint& point : document.points) points.emplace_back(point.x, point.y);
    text << boost::geometry::wkt(points) << '\n';
  }
  // An empty file would not read back as a document.
  if (rings.empty() && document.points.empty()) text << "GEOMETRYCOLLECTION EMPTY\n";
  return text.str();
}

}  // namespace fpgeom::io
