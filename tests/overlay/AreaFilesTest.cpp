// Areas written as polygons with holes: both formats bring back the very
// rings (GeoJSON turns them round in the file), each outer ring grouped with
// its holes.
#include <algorithm>
#include <memory>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "fpgeom/io/GeoJson.h"
#include "fpgeom/io/Wkt.h"
#include "fpgeom/overlay.h"
#include "region/RegionTestSupport.h"

namespace fpgeom::test {
namespace {

TEST(AreaFiles, PolygonsWithHolesRoundTrip) {
  // A frame with an island in its hole, and a square apart: three polygons,
  // the first with one hole.
  CFPPolyRgn rings;
  for (const CFPRect& rect : {CFPRect(0, 10, 0, 10), CFPRect(2, 8, 2, 8), CFPRect(4, 6, 4, 6), CFPRect(20, 21.5, 0, 1.5)}) {
    rings.AddPolygon(std::make_unique<CFPPolygon>(rect).release());
  }
  io::Document document;
  document.rings = Normalize(rings);
  document.points = {CFPPoint(0.1, -3)};

  const io::Document fromWkt = io::ReadWkt(io::WriteWkt(document), "areas.wkt");
  EXPECT_TRUE(io::SameRings(fromWkt.rings, document.rings));
  EXPECT_EQ(fromWkt.points, document.points);

  const std::string geoJson = io::WriteGeoJson(document);
  const auto parsed = nlohmann::json::parse(geoJson);
  std::vector<std::size_t> ringsPerFeature;
  for (const auto& feature : parsed["features"]) {
    ringsPerFeature.push_back(feature["geometry"]["coordinates"].size());  // the points: one position
  }
  std::sort(ringsPerFeature.begin(), ringsPerFeature.end());
  EXPECT_EQ(ringsPerFeature, (std::vector<std::size_t>{1, 1, 1, 2}));
  EXPECT_TRUE(io::SameRings(io::ReadGeoJson(geoJson, "areas.geojson").rings, document.rings));
}

}  // namespace
}  // namespace fpgeom::test
