#include <gtest/gtest.h>

#include "IoTesting.h"
#include "fpgeom/io/GeoJson.h"

namespace fpgeom::io {
namespace {

using testing::PointsAsPairs;
using testing::Ring;
using testing::RingsAsPairs;

TEST(GeoJsonReader, ReadsRingsAndPointsFromFeaturesAndCollectionsInOrder) {
  const Document document = ReadGeoJson(R"({"type": "FeatureCollection", "features": [
      {"type": "Feature", "properties": {}, "geometry":
        {"type": "Polygon", "coordinates": [[[0,0],[0,4],[4,4],[4,0],[0,0]], [[1,1],[2,1],[2,2],[1,1]]]}},
      {"type": "Feature", "properties": null, "geometry": null},
      {"type": "Feature", "geometry": {"type": "GeometryCollection", "geometries": [
        {"type": "MultiPolygon", "coordinates": [[[[5,5,1],[5,6,1],[6,6,1],[5,5,1]]]]},
        {"type": "Point", "coordinates": [0.1, 7]},
        {"type": "MultiPoint", "coordinates": [[8, 9], [10, 11]]}]}}]})",
                                        "test");
  const std::vector<Ring> rings = {{{0, 0}, {0, 4}, {4, 4}, {4, 0}}, {{1, 1}, {2, 1}, {2, 2}}, {{5, 5}, {5, 6}, {6, 6}}};
  EXPECT_EQ(RingsAsPairs(document), rings);
  const Ring points = {{0.1, 7}, {8, 9}, {10, 11}};
  EXPECT_EQ(PointsAsPairs(document), points);
  EXPECT_EQ(document.notes, std::vector<std::string>{"test: dropped the coordinates beyond x and y (altitude); fpgeom keeps x and y"});
}

TEST(GeoJsonReader, ReadsClosedLineStringsAsRings) {
  const Document document = ReadGeoJson(R"({"type": "GeometryCollection", "geometries": [
      {"type": "LineString", "coordinates": [[0,0],[0,1],[1,1],[0,0]]},
      {"type": "MultiLineString", "coordinates": [[[5,5],[5,6],[6,6],[5,5]]]}]})",
                                        "test");
  const std::vector<Ring> rings = {{{0, 0}, {0, 1}, {1, 1}}, {{5, 5}, {5, 6}, {6, 6}}};
  EXPECT_EQ(RingsAsPairs(document), rings);
  EXPECT_TRUE(document.notes.empty());
}

TEST(GeoJsonReader, BadInputNamesTheSourceThePositionAndWhatWasExpected) {
  const std::pair<const char*, const char*> cases[] = {
      {"{\"type\": \"Polygon\",\n \"coordinates\": [[[0,0],[0,1]]}",
       "doc.json: line 2, column 31: syntax error while parsing array - unexpected '}'; expected ']'"},
      {R"({"type": "Circle", "coordinates": []})",
       "doc.json: at /type: expected a Point, LineString, Polygon, MultiPoint, MultiLineString, MultiPolygon, "
       "GeometryCollection, Feature or FeatureCollection, found \"Circle\""},
      {R"({"type": "LineString", "coordinates": [[0,0],[0,1],[1,1]]})",
       "doc.json: at /coordinates: expected a closed LineString (its last position repeating its first) to read as "
       "a ring"},
      {"{\"type\": \"Point\", \"name\": \"1e999\\\"\",\n \"coordinates\": [1e308, -1e400]}",
       "doc.json: line 2, column 25: number out of range: '-1e400'"},
      {R"({"type": "FeatureCollection", "features": [{"type": "Feature", "geometry":
          {"type": "Polygon", "coordinates": [[[0,0],[0,"1"]]]}}]})",
       "doc.json: at /features/0/geometry/coordinates/0/1: expected a position: an array of at least two numbers"},
      {R"({"coordinates": []})", "doc.json: at /: expected a member \"type\""},
      {R"({"type": "MultiPoint", "coordinates": 5})", "doc.json: at /coordinates: expected an array of positions"},
  };
  for (const auto& [text, message] : cases) {
    EXPECT_EQ(testing::ReadErrorOf([&] { ReadGeoJson(text, "doc.json"); }), message) << text;
  }
}

}  // namespace
}  // namespace fpgeom::io
