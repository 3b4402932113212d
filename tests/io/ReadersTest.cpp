// Reading WKT and GeoJSON documents: what each geometry adds, in order, and
// how bad input is reported. Polygons with holes are PolygonRolesTest's.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "IoTesting.h"
#include "fpgeom/io/GeoJson.h"
#include "fpgeom/io/IoErrors.h"
#include "fpgeom/io/Wkt.h"

namespace fpgeom::io {
namespace {

using test::Ring;

const Ring kTriangle = {{0, 0}, {0, 1}, {1, 1}};

TEST(Readers, ReadEveryGeometryInOrderAndNoteDroppedCoordinates) {
  const std::string dropped = "t: dropped the ";
  const struct {
    bool geoJson;
    const char* text;
    std::vector<Ring> rings;
    Ring points;
    std::string note;
  } cases[] = {
      {false, "point(1 2) MULTIPOLYGON(((0 0,0 1,1 1,0 0)),((7 7,7 8,8 8))) POLYGON EMPTY\nMULTIPOINT((3 4),(5 6))\t"
              "MULTIPOINT(7 8, 9 10) POLYGON((\n  0.1 0.30000000000000004,\n  3 3,\n  1e-300 -2.5\n))",
       {kTriangle, {{7, 7}, {7, 8}, {8, 8}}, {{0.1, 0.30000000000000004}, {3, 3}, {1e-300, -2.5}}},
       {{1, 2}, {3, 4}, {5, 6}, {7, 8}, {9, 10}},
       ""},
      {false, "GEOMETRYCOLLECTION(POINT(5 6),GEOMETRYCOLLECTION(LINESTRING(0 0,0 1,1 1,0 0)),LINESTRING EMPTY)"
              " MULTILINESTRING((0 0,0 1,1 1,0 0),EMPTY)",
       {kTriangle, kTriangle}, {{5, 6}}, ""},
      {false, "polygon m ((0 0 7,0 1 7,1 1 7,0 0 7)) POINT ZM (5 6 1 2)", {kTriangle}, {{5, 6}},
       dropped + "Z and M coordinates"},
      {true, R"({"type": "FeatureCollection", "features": [{"type": "Feature", "properties": null, "geometry": null},
          {"type": "Feature", "geometry": {"type": "GeometryCollection", "geometries": [
            {"type": "MultiPolygon", "coordinates": [[[[0,0,1],[0,1,1],[1,1,1],[0,0,1]]]]},
            {"type": "LineString", "coordinates": [[5,5],[6,5],[6,6],[5,5]]},
            {"type": "MultiLineString", "coordinates": [[[0,0],[0,1],[1,1],[0,0]]]},
            {"type": "Point", "coordinates": [0.1, 7]}, {"type": "MultiPoint", "coordinates": [[8, 9], [10, 11]]}]}}]})",
       {kTriangle, {{5, 5}, {6, 5}, {6, 6}}, kTriangle}, {{0.1, 7}, {8, 9}, {10, 11}},
       dropped + "coordinates beyond x and y (altitude)"},
  };
  for (const auto& c : cases) {
    const Document document = c.geoJson ? ReadGeoJson(c.text, "t") : ReadWkt(c.text, "t");
    EXPECT_EQ(test::WalkedRegion(document.rings), c.rings) << c.text;
    EXPECT_EQ(test::PointsAsPairs(document), c.points) << c.text;
    const auto notes = c.note.empty() ? std::vector<std::string>{} : std::vector{c.note + "; fpgeom keeps x and y"};
    EXPECT_EQ(document.notes, notes) << c.text;
  }
}

// Each message names the source, where (line and column, or the JSON pointer
// of the member) and what was expected there; the tool's error cases add
// syntax errors, unclosed lists and open lines.
TEST(Readers, BadInputIsReportedWithItsPosition) {
  const std::pair<const char*, const char*> cases[] = {
      {"\nCIRCLE(0 0)", "d: line 2, column 1: expected a geometry type (POINT, LINESTRING, POLYGON, MULTIPOINT, "
                        "MULTILINESTRING, MULTIPOLYGON or GEOMETRYCOLLECTION), found 'CIRCLE'"},
      {"POINT(nan 2)", "d: line 1, column 7: expected a number, found 'nan'"},
      {"POINT(1 -1e400)", "d: line 1, column 9: number out of range: '-1e400'"},
      {"POINT Z (1 2)", "d: line 1, column 10: expected a coordinate of 3 numbers, found 2"},
      {"POINT(1 2 3 4 5)", "d: line 1, column 7: expected a coordinate of 2 to 4 numbers, found 5"},
      {" \n ", "d: expected a WKT geometry, found no text"},
      {R"({"type": "Circle", "coordinates": []})",
       "d: at /type: expected a Point, LineString, Polygon, MultiPoint, MultiLineString, MultiPolygon, "
       "GeometryCollection, Feature or FeatureCollection, found \"Circle\""},
      {R"({"type": "LineString", "coordinates": [[0,0],[0,1],[1,1]]})",
       "d: at /coordinates: expected a closed LineString (its last position repeating its first) to read as a ring"},
      {"{\"type\": \"Point\", \"name\": \"1e999\\\"\",\n \"coordinates\": [1e308, -1e400]}",
       "d: line 2, column 25: number out of range: '-1e400'"},
      {R"({"type": "FeatureCollection", "features": [{"type": "Feature", "geometry":
          {"type": "Polygon", "coordinates": [[[0,0],[0,"1"]]]}}]})",
       "d: at /features/0/geometry/coordinates/0/1: expected a position: an array of at least two numbers"},
      {R"({"coordinates": []})", "d: at /: expected a member \"type\""},
      {R"({"type": "MultiPoint", "coordinates": 5})", "d: at /coordinates: expected an array of positions"},
  };
  for (const auto& [text, message] : cases) {
    const bool geoJson = *text == '{';
    EXPECT_THAT([&] { geoJson ? ReadGeoJson(text, "d") : ReadWkt(text, "d"); },
                ::testing::ThrowsMessage<ReadError>(::testing::StrEq(message)));
  }
}

}  // namespace
}  // namespace fpgeom::io
