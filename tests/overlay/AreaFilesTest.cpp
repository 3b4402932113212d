// Areas written as polygons with holes come back with the same area, and
// both formats bring back the very rings (GeoJSON turns them round in the file).
#include <algorithm>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "fpgeom/io/AreaFiles.h"
#include "fpgeom/io/GeoJson.h"
#include "fpgeom/io/Wkt.h"
#include "overlay/OverlayTesting.h"

namespace fpgeom::test {
namespace {

Ring Square(double left, double bottom, double size) {
  return {{left, bottom}, {left, bottom + size}, {left + size, bottom + size}, {left + size, bottom}};
}

TEST(AreaFiles, PolygonsWithHolesRoundTrip) {
  // A frame with an island in its hole, and a square apart: two polygons,
  // the first with one hole.
  io::Document document;
  document.rings = Normalize(RegionOf({Square(0, 0, 10), Square(2, 2, 6), Square(4, 4, 2), Square(20, 0, 1.5)}));
  document.points = {CFPPoint(0.1, -3)};
  ASSERT_EQ(document.rings.getCount(), 4);

  const io::Document fromWkt = io::ReadWkt(io::WriteWktAreas(document), "areas.wkt");
  EXPECT_TRUE(io::SameRings(fromWkt.rings, document.rings));
  ASSERT_EQ(fromWkt.points.size(), 1u);
  EXPECT_EQ(fromWkt.points[0], document.points[0]);

  const std::string geoJson = io::WriteGeoJsonAreas(document);
  const auto features = nlohmann::json::parse(geoJson)["features"];
  ASSERT_EQ(features.size(), 4u);  // three polygons and the points
  std::vector<std::size_t> ringsPerPolygon;
  for (std::size_t k = 0; k < 3; ++k) ringsPerPolygon.push_back(features[k]["geometry"]["coordinates"].size());
  std::sort(ringsPerPolygon.begin(), ringsPerPolygon.end());
  EXPECT_EQ(ringsPerPolygon, (std::vector<std::size_t>{1, 1, 2}));

  const io::Document fromGeoJson = io::ReadGeoJson(geoJson, "areas.geojson");
  EXPECT_TRUE(io::SameRings(fromGeoJson.rings, document.rings));
  for (const FillRule rule : {FillRule::kEvenOdd, FillRule::kNonZero}) {
    EXPECT_EQ(Normalize(fromGeoJson.rings, rule).Area(), document.rings.Area());
  }
}

}  // namespace
}  // namespace fpgeom::test
