#include <gtest/gtest.h>

#include "IoTesting.h"
#include "fpgeom/io/Wkt.h"

namespace fpgeom::io {
namespace {

using testing::AddRing;
using testing::RingsAsPairs;

TEST(WktWriter, ClosesEachRingWritesTheShortestExactNumbersAndReadsBackBitForBit) {
  Document document;
  AddRing(document, {{0, 0}, {0, 0.1}, {1.5, 1e21}});
  EXPECT_EQ(WriteWkt(document), "POLYGON((0 0,0 0.1,1.5 1e+21,0 0))\n");
  AddRing(document, {{2, 2}, {2, 3}, {3, 3}});
  document.points.emplace_back(-1, 0.30000000000000004);
  EXPECT_EQ(WriteWkt(document),
            "MULTIPOLYGON(((0 0,0 0.1,1.5 1e+21,0 0)),((2 2,2 3,3 3,2 2)))\n"
            "MULTIPOINT((-1 0.30000000000000004))\n");
  AddRing(document, {{0.1, 0.2}, {1.0 / 3, 2.0 / 3}, {-7e-310, 5}});
  AddRing(document, {{4, 4}, {5, 5}, {4, 4}});  // a ring whose tail repeats its head keeps both
  AddRing(document, {{9, 9}});
  EXPECT_EQ(RingsAsPairs(ReadWkt(WriteWkt(document), "written")), RingsAsPairs(document));
}

TEST(WktWriter, AnEmptyDocumentIsAnEmptyCollectionThatReadsBack) {
  EXPECT_EQ(WriteWkt(Document{}), "GEOMETRYCOLLECTION EMPTY\n");
  const Document read = ReadWkt(WriteWkt(Document{}), "written");
  EXPECT_EQ(read.rings.getCount(), 0);
  EXPECT_TRUE(read.points.empty());
}

}  // namespace
}  // namespace fpgeom::io
