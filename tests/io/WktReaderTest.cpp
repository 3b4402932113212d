#include <gtest/gtest.h>

#include "IoTesting.h"
#include "fpgeom/io/IoErrors.h"
#include "fpgeom/io/Wkt.h"

namespace fpgeom::io {
namespace {

using testing::PointsAsPairs;
using testing::Ring;
using testing::RingsAsPairs;

TEST(WktReader, EveryRingBecomesOnePolygonWithoutItsClosingPointAndPointsJoinInOrder) {
  const Document document = ReadWkt(
      "POLYGON((0 0,0 4,4 4,4 0,0 0),(1 1,2 1,2 2,1 1))\n"
      "point(1 2) MULTIPOLYGON(((5 5,5 6,6 6,5 5)),((7 7,7 8,8 8))) POLYGON EMPTY\n"
      "MULTIPOINT((3 4),(5 6))\tMULTIPOINT(7 8, 9 10) POLYGON((\n  0.1 0.30000000000000004,\n  1e-300 -2.5,\n  3 3\n))",
      "test");
  const std::vector<Ring> rings = {{{0, 0}, {0, 4}, {4, 4}, {4, 0}},
                                   {{1, 1}, {2, 1}, {2, 2}},
                                   {{5, 5}, {5, 6}, {6, 6}},
                                   {{7, 7}, {7, 8}, {8, 8}},  // not closed in the text: kept whole
                                   {{0.1, 0.30000000000000004}, {1e-300, -2.5}, {3, 3}}};
  EXPECT_EQ(RingsAsPairs(document), rings);
  const Ring points = {{1, 2}, {3, 4}, {5, 6}, {7, 8}, {9, 10}};
  EXPECT_EQ(PointsAsPairs(document), points);
}

TEST(WktReader, BadInputNamesTheSourceThePositionAndWhatWasExpected) {
  const std::pair<const char*, const char*> cases[] = {
      {"POLYGON((0 0,0 1,1 1,0 0))\n\nPOLYGON((0 0,0 x,1 1))", "doc.wkt: line 3, column 1: expected a number at 'x'"},
      {"POLYGON((0 0,0 1,1 1,0 0)", "doc.wkt: line 1, column 1: Expected ')'"},
      {"  LINESTRING(0 0,1 1)", "doc.wkt: line 1, column 3: expected POLYGON, MULTIPOLYGON, POINT or MULTIPOINT, "
                                "found 'LINESTRING'"},
      {"POINT(1 2) 7", "doc.wkt: line 1, column 1: Too many tokens at '7'"},
      {"POINT(nan 2)", "doc.wkt: line 1, column 1: expected finite coordinates in the POINT"},
      {" \n ", "doc.wkt: expected a WKT geometry, found no text"},
  };
  for (const auto& [text, message] : cases) {
    EXPECT_EQ(testing::ReadErrorOf([&] { ReadWkt(text, "doc.wkt"); }), message) << text;
  }
}

}  // namespace
}  // namespace fpgeom::io
