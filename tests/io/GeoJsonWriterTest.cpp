#include <gtest/gtest.h>

#include "IoTesting.h"
#include "fpgeom/io/GeoJson.h"

namespace fpgeom::io {
namespace {

using testing::AddRing;
using testing::PointsAsPairs;
using testing::RingsAsPairs;

TEST(GeoJsonWriter, WritesOneClosedPolygonFeaturePerRingAndOneMultiPoint) {
  Document document;
  AddRing(document, {{0, 0}, {0, 1}, {1, 1}});
  document.points.emplace_back(2, 3);
  EXPECT_EQ(WriteGeoJson(document),
            "{\"type\":\"FeatureCollection\",\"features\":[\n"
            "{\"geometry\":{\"coordinates\":[[[0.0,0.0],[0.0,1.0],[1.0,1.0],[0.0,0.0]]],\"type\":\"Polygon\"},"
            "\"properties\":{\"ring\":0},\"type\":\"Feature\"},\n"
            "{\"geometry\":{\"coordinates\":[[2.0,3.0]],\"type\":\"MultiPoint\"},\"properties\":{},"
            "\"type\":\"Feature\"}\n]}\n");
  // What it writes reads back bit for bit, a ring whose tail repeats its head included.
  AddRing(document, {{0.1, 0.2}, {1.0 / 3, 2.0 / 3}, {-7e-310, 5}, {0.1, 0.2}});
  document.points.emplace_back(1e300, -0.7);
  const Document reread = ReadGeoJson(WriteGeoJson(document), "written");
  EXPECT_EQ(RingsAsPairs(reread), RingsAsPairs(document));
  EXPECT_EQ(PointsAsPairs(reread), PointsAsPairs(document));
}

}  // namespace
}  // namespace fpgeom::io
