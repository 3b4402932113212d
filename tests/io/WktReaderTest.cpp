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
                                   {{3, 3}, {1e-300, -2.5}, {0.1, 0.30000000000000004}}};  // turned clockwise
  EXPECT_EQ(RingsAsPairs(document), rings);
  const Ring points = {{1, 2}, {3, 4}, {5, 6}, {7, 8}, {9, 10}};
  EXPECT_EQ(PointsAsPairs(document), points);
  EXPECT_TRUE(document.notes.empty());
}

TEST(WktReader, ReadsClosedLinesAndCollectionsAsRingsAndDropsZAndMWithANote) {
  const std::pair<const char*, const char*> cases[] = {
      {"LINESTRING(0 0,0 1,1 1,0 0)", ""},
      {"MULTILINESTRING((0 0,0 1,1 1,0 0),EMPTY)", ""},
      {"GEOMETRYCOLLECTION(POINT(5 6),GEOMETRYCOLLECTION(POLYGON((0 0,0 1,1 1,0 0))),LINESTRING EMPTY)", ""},
      {"POLYGON Z ((0 0 7,0 1 7,1 1 7,0 0 7)) POINT(5 6)", "doc.wkt: dropped the Z coordinates; fpgeom keeps x and y"},
      {"polygon m ((0 0 7,0 1 7,1 1 7,0 0 7)) POINT ZM (5 6 1 2)",
       "doc.wkt: dropped the Z and M coordinates; fpgeom keeps x and y"},
      {"POLYGON((0 0 7,0 1 7,1 1 7,0 0 7)) MULTIPOINT Z ((5 6 1))",
       "doc.wkt: dropped the Z coordinates; fpgeom keeps x and y"},
  };
  for (const auto& [text, note] : cases) {
    const Document document = ReadWkt(text, "doc.wkt");
    EXPECT_EQ(RingsAsPairs(document), (std::vector<Ring>{{{0, 0}, {0, 1}, {1, 1}}})) << text;
    const std::vector<std::string> notes = *note == '\0' ? std::vector<std::string>{} : std::vector<std::string>{note};
    EXPECT_EQ(document.notes, notes) << text;
  }
}

TEST(WktReader, BadInputNamesTheSourceThePositionAndWhatWasExpected) {
  const std::pair<const char*, const char*> cases[] = {
      {"POLYGON((0 0,0 1,1 1,0 0))\n\nPOLYGON((0 0,0 x,1 1))",
       "doc.wkt: line 3, column 16: expected a number, found 'x'"},
      {"POLYGON((0 0,0 1,1 1,0 0)", "doc.wkt: line 1, column 26: expected ',' or ')', found the end of the text"},
      {"  LINESTRING(0 0,1 1)",
       "doc.wkt: line 1, column 13: expected a closed LINESTRING (its last point repeating its first) to read as a "
       "ring"},
      {"CIRCLE(0 0)", "doc.wkt: line 1, column 1: expected a geometry type (POINT, LINESTRING, POLYGON, MULTIPOINT, "
                      "MULTILINESTRING, MULTIPOLYGON or GEOMETRYCOLLECTION), found 'CIRCLE'"},
      {"POINT(1 2) 7", "doc.wkt: line 1, column 12: expected a geometry type (POINT, LINESTRING, POLYGON, "
                       "MULTIPOINT, MULTILINESTRING, MULTIPOLYGON or GEOMETRYCOLLECTION), found '7'"},
      {"POINT(nan 2)", "doc.wkt: line 1, column 7: expected a number, found 'nan'"},
      {"POINT(1 -1e400)", "doc.wkt: line 1, column 9: number out of range: '-1e400'"},
      {"POINT Z (1 2)", "doc.wkt: line 1, column 10: expected a coordinate of 3 numbers, found 2"},
      {"POINT(1 2 3 4 5)", "doc.wkt: line 1, column 7: expected a coordinate of 2 to 4 numbers, found 5"},
      {"POLYGON 5", "doc.wkt: line 1, column 9: expected '(', found '5'"},
      {" \n ", "doc.wkt: expected a WKT geometry, found no text"},
  };
  for (const auto& [text, message] : cases) {
    EXPECT_EQ(testing::ReadErrorOf([&] { ReadWkt(text, "doc.wkt"); }), message) << text;
  }
}

}  // namespace
}  // namespace fpgeom::io
