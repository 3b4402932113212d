// Polygons with holes in both text formats: read by each ring's role, whatever
// its direction in the file, and written so that every document reads back
// ring for ring. The text the writers give is pinned by the tool's cases.
#include <gtest/gtest.h>

#include "IoTesting.h"
#include "fpgeom/io/GeoJson.h"
#include "fpgeom/io/Wkt.h"
#include "support/RandomRegions.h"

namespace fpgeom::io {
namespace {

using namespace test;

Document Read(bool geoJson, const std::string& text) { return geoJson ? ReadGeoJson(text, "t") : ReadWkt(text, "t"); }
std::string Write(bool geoJson, const Document& document) {
  return geoJson ? WriteGeoJson(document) : WriteWkt(document);
}

// The frame 0..10 around the hole 2..8, in fpgeom's directions: the outer ring
// clockwise (area 100), the hole counter-clockwise (area -36).
const Ring kOuter = {{0, 10}, {10, 10}, {10, 0}, {0, 0}};
const Ring kHole = {{8, 2}, {8, 8}, {2, 8}, {2, 2}};

TEST(PolygonRoles, RingsAreReadByRoleAndEveryFormatWritesThemBack) {
  const struct {
    bool geoJson;
    const char* text;
    std::vector<Ring> rings;
    std::vector<int> outer;
  } cases[] = {
      // RFC 7946: outer counter-clockwise, hole clockwise; both turned round.
      {true,
       R"({"type":"Polygon","coordinates":[[[0,0],[10,0],[10,10],[0,10],[0,0]],[[2,2],[2,8],[8,8],[8,2],[2,2]]]})",
       {kOuter, kHole},
       {0, 0}},
      {false, "POLYGON((0 10,10 10,10 0,0 0,0 10),(8 2,8 8,2 8,2 2,8 2))", {kOuter, kHole}, {0, 0}},
      {false, "MULTIPOLYGON(((0 0,10 0,10 10,0 10,0 0),(2 2,2 8,8 8,8 2,2 2)),((20 0,20 5,25 0,20 0)))",
       {kOuter, kHole, {{20, 0}, {20, 5}, {25, 0}}},
       {0, 0, 2}},
      // A hole touching its outer ring at (0, 10), both running clockwise.
      {true,
       R"({"type":"MultiPolygon","coordinates":[[[[0,0],[0,10],[10,10],[10,0],[0,0]],[[0,10],[5,9],[5,5],[0,10]]],
           [[[20,0],[25,0],[20,5],[20,0]]]]})",
       {{{0, 0}, {0, 10}, {10, 10}, {10, 0}}, {{5, 5}, {5, 9}, {0, 10}}, {{20, 5}, {25, 0}, {20, 0}}},
       {0, 0, 2}},
      // A line has no role: it keeps its direction, here a negative one.
      {false, "LINESTRING(0 0,1 0,1 1,0 0)", {{{0, 0}, {1, 0}, {1, 1}}}, {kNoOuterRing}},
  };
  for (const auto& c : cases) {
    const Document document = Read(c.geoJson, c.text);
    EXPECT_EQ(WalkedRegion(document.rings), c.rings) << c.text;
    EXPECT_EQ(OuterRingsOf(document.rings), c.outer) << c.text;
    for (const bool geoJson : {false, true}) {
      EXPECT_EQ(WalkedRegion(Read(geoJson, Write(geoJson, document)).rings), c.rings) << c.text << " " << geoJson;
    }
  }
}

// Rings in either direction that nest (an island in a hole among them), cross
// themselves and repeat, and rings too small to have a direction: each reads
// back bit for bit, in its place.
TEST(PolygonRoles, EveryDocumentReadsBackRingForRing) {
  test::RandomRegions random(23);
  for (int trial = 0; trial < 40; ++trial) {
    std::vector<Ring> rings = random.Rings(random.Uniform(1, 6));
    if (trial == 0) {
      rings.insert(rings.end(), {{{9, 9}}, {{4, 4}, {5, 5}, {4, 4}}, {{0.1, 0.2}, {1.0 / 3, 2.0 / 3}, {-7e-310, 5}}});
      // A frame with an island in its hole.
      rings.insert(rings.end(), {test::Square(0, 0, 10), test::Square(2, 2, 6, true), test::Square(4, 4, 2)});
    }
    const Document document = DocumentOf(rings, {{1e300, -0.7}, {0.1, 5e-324}});
    for (const bool geoJson : {false, true}) {
      const Document back = Read(geoJson, Write(geoJson, document));
      EXPECT_EQ(WalkedRegion(back.rings), rings) << Write(geoJson, document);
      EXPECT_EQ(test::PointsAsPairs(back), test::PointsAsPairs(document));
    }
  }
}

}  // namespace
}  // namespace fpgeom::io
