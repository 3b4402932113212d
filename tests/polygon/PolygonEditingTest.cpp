#include <gtest/gtest.h>

#include "fpgeom/frame/Exceptions.h"
#include "fpgeom/polygon/FPPolygon.h"
#include "polygon/PolygonTesting.h"

using fpgeom::testing::Coordinates;
using fpgeom::testing::PointsFromCursor;
using fpgeom::testing::PointsOf;
using fpgeom::testing::PolygonOf;

namespace {

const CFPPoint kV0(0, 0);
const CFPPoint kV1(1, 0);
const CFPPoint kV2(1, 1);
const CFPPoint kQ(9, 9);
const CFPPoint kMissing(5, 5);
const Coordinates kSquare = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
const Coordinates kPair = {{0, 0}, {1, 0}};

}  // namespace

TEST(Polygon, InsertBetweenSplitsEveryEdgeJoiningTheTwoEndsOnce) {
  struct Case {
    const char* what;
    Coordinates ring;
    CFPPoint p1, p2, pt;
    Coordinates expected;
  };
  // When the inserted point itself matches an end, only the edges of the
  // ring as it was are split.
  const Case cases[] = {
      {"inner edge, ends swapped", kSquare, kV2, kV1, kQ, {{0, 0}, {1, 0}, {9, 9}, {1, 1}, {0, 1}}},
      {"closing edge from the head", kSquare, kV0, CFPPoint(0, 1), kQ, {{9, 9}, {0, 0}, {1, 0}, {1, 1}, {0, 1}}},
      {"closing edge from the tail", kSquare, CFPPoint(0, 1), kV0, kQ, {{0, 0}, {1, 0}, {1, 1}, {0, 1}, {9, 9}}},
      {"ends not neighbours", kSquare, kV0, kV2, kQ, kSquare},
      {"first end missing", kSquare, kMissing, kV0, kQ, kSquare},
      {"both edges of a two-point ring", kPair, kV0, kV1, kQ, {{9, 9}, {0, 0}, {9, 9}, {1, 0}}},
      {"repeated first end", {{0, 0}, {1, 0}, {0, 0}, {1, 1}}, kV0, kV1, kQ,
       {{0, 0}, {9, 9}, {1, 0}, {9, 9}, {0, 0}, {1, 1}}},
      {"inserted point matches the second end", kSquare, kV1, kV2, kV2, {{0, 0}, {1, 0}, {1, 1}, {1, 1}, {0, 1}}},
      {"two-point ring, inserted matches the first end", kPair, kV0, kV1, kV0, {{0, 0}, {0, 0}, {0, 0}, {1, 0}}},
      {"two-point ring, inserted matches the second end", kPair, kV0, kV1, kV1, {{1, 0}, {0, 0}, {1, 0}, {1, 0}}},
      {"one point, all equal", {{0, 0}}, kV0, kV0, kV0, {{0, 0}, {0, 0}}},
      {"empty ring", {}, kV0, kV1, kQ, {}},
  };
  for (const Case& c : cases) {
    CFPPolygon polygon = PolygonOf(c.ring);
    polygon.BeginIteration(0);
    polygon.InsertBetween(c.p1, c.p2, c.pt);
    EXPECT_EQ(polygon.isIterationFinished(), 1) << c.what;
    EXPECT_EQ(PointsOf(polygon), c.expected) << c.what;
  }
}

// InsertBefore leaves the cursor on the found point, InsertAfter on the
// inserted one; a missing point makes a new head or tail.
TEST(Polygon, InsertBeforeAndAfterPlaceTheCursorByTheirOwnRules) {
  CFPPolygon polygon = PolygonOf(kSquare);
  polygon.InsertBefore(kV2, kQ);
  EXPECT_EQ(PointsFromCursor(polygon), (Coordinates{{1, 1}, {0, 1}}));
  polygon.InsertBefore(kMissing, CFPPoint(-1, -1));
  EXPECT_EQ(polygon.isIterationFinished(), 1);
  EXPECT_EQ(PointsOf(polygon), (Coordinates{{-1, -1}, {0, 0}, {1, 0}, {9, 9}, {1, 1}, {0, 1}}));

  polygon = PolygonOf(kSquare);
  polygon.InsertAfter(kV1, kQ);
  EXPECT_EQ(PointsFromCursor(polygon), (Coordinates{{9, 9}, {1, 1}, {0, 1}}));
  polygon.InsertAfter(kMissing, CFPPoint(-1, -1));
  EXPECT_EQ(PointsFromCursor(polygon), (Coordinates{{-1, -1}}));
  EXPECT_EQ(PointsOf(polygon), (Coordinates{{0, 0}, {1, 0}, {9, 9}, {1, 1}, {0, 1}, {-1, -1}}));
}

TEST(Polygon, RemovalsReturnEndsAndKeepOnlyACursorThatWasOnAnotherPoint) {
  CFPPolygon polygon = PolygonOf({{0, 0}, {1, 0}, {1, 1}, {1, 0}});
  polygon.BeginIteration(0);
  polygon.RemoveNode(kV1);
  EXPECT_EQ(polygon.isIterationFinished(), 1);
  EXPECT_EQ(PointsOf(polygon), (Coordinates{{0, 0}, {1, 1}, {1, 0}}));
  polygon.BeginIteration(1);
  polygon.RemoveCurrentNode();
  EXPECT_EQ(polygon.isIterationFinished(), 1);
  EXPECT_EQ(PointsOf(polygon), (Coordinates{{0, 0}, {1, 0}}));

  polygon = PolygonOf(kSquare);
  polygon.BeginIteration(1);
  polygon.RemoveNodeByIndex(3);
  EXPECT_EQ(polygon.RemoveHeadNode(), kV0);
  EXPECT_EQ(PointsFromCursor(polygon), (Coordinates{{1, 0}, {1, 1}}));
  polygon.BeginIteration(1);
  polygon.RemoveNodeByIndex(1);
  EXPECT_EQ(polygon.isIterationFinished(), 1);
  polygon.BeginIteration(DIR_BACKWARD);
  EXPECT_EQ(polygon.RemoveTailNode(), kV1);
  EXPECT_EQ(polygon.isIterationFinished(), 1);
  EXPECT_EQ(polygon.isEmpty(), 1);
}

TEST(Polygon, MisusedRemovalsThrowAndLeaveTheRingAndCursorAsTheyWere) {
  CFPPolygon polygon = PolygonOf(kSquare);
  polygon.BeginIteration(2);
  EXPECT_THROW(polygon.RemoveNodeByIndex(4), CInvalidArgException);
  EXPECT_THROW(polygon.RemoveNodeByIndex(-1), CInvalidArgException);
  EXPECT_EQ(PointsFromCursor(polygon), (Coordinates{{1, 1}, {0, 1}}));
  EXPECT_THROW(polygon.RemoveCurrentNode(), CInvalidArgException);
  EXPECT_EQ(PointsOf(polygon), kSquare);

  CFPPolygon empty;
  EXPECT_THROW(empty.RemoveHeadNode(), CInvalidArgException);
  EXPECT_THROW(empty.RemoveTailNode(), CInvalidArgException);
}

TEST(Polygon, RevertExchangesValuesSoTheCursorKeepsItsPosition) {
  CFPPolygon polygon = PolygonOf({{0, 0}, {1, 0}, {1, 1}, {0, 1}, {2, 2}});
  polygon.BeginIteration(1);
  polygon.Revert();
  EXPECT_EQ(PointsFromCursor(polygon), (Coordinates{{0, 1}, {1, 1}, {1, 0}, {0, 0}}));
  EXPECT_EQ(PointsOf(polygon), (Coordinates{{2, 2}, {0, 1}, {1, 1}, {1, 0}, {0, 0}}));
}
