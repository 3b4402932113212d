#include <gtest/gtest.h>

#include "fpgeom/polygon/FPPolygon.h"
#include "polygon/PolygonTesting.h"

using fpgeom::testing::AppendAll;
using fpgeom::testing::Coordinates;
using fpgeom::testing::PointsFromCursor;

namespace {

const CFPPoint kV0(0, 0);
const CFPPoint kV1(1, 0);
const CFPPoint kMissing(5, 5);

// V0, V1, V0, V1: every value occurs twice, so each search has a choice.
CFPPolygon Doubled() {
  CFPPolygon polygon;
  AppendAll(polygon, {{0, 0}, {1, 0}, {0, 0}, {1, 0}});
  return polygon;
}

}  // namespace

TEST(Polygon, SearchesStopAtTheFirstMatchInTheirDirection) {
  const CFPPolygon polygon = Doubled();
  EXPECT_EQ(polygon.Find(kV1), 1);
  EXPECT_EQ(PointsFromCursor(polygon), (Coordinates{{1, 0}, {0, 0}, {1, 0}}));
  EXPECT_EQ(polygon.ReverseFind(kV0), 1);
  EXPECT_EQ(PointsFromCursor(polygon), (Coordinates{{0, 0}, {1, 0}}));
}

TEST(Polygon, NextSearchesExamineThePointAtTheCursorFirst) {
  const CFPPolygon polygon = Doubled();
  polygon.Find(kV1);
  EXPECT_EQ(polygon.FindNext(kV1), 1);
  EXPECT_EQ(PointsFromCursor(polygon), (Coordinates{{1, 0}, {0, 0}, {1, 0}}));

  polygon.Find(kV1);
  polygon.getNextNode();
  EXPECT_EQ(polygon.FindNext(kV1), 1);
  EXPECT_EQ(PointsFromCursor(polygon), (Coordinates{{1, 0}}));

  polygon.ReverseFind(kV0);
  polygon.getPrevNode();
  EXPECT_EQ(polygon.ReverseFindNext(kV0), 1);
  EXPECT_EQ(PointsFromCursor(polygon), (Coordinates{{0, 0}, {1, 0}, {0, 0}, {1, 0}}));
}

TEST(Polygon, SearchesThatFindNothingLeaveTheCursorAtTheEnd) {
  const CFPPolygon polygon = Doubled();
  polygon.BeginIteration(0);
  EXPECT_EQ(polygon.Find(kMissing), 0);
  EXPECT_EQ(polygon.isIterationFinished(), 1);
  polygon.BeginIteration(DIR_BACKWARD);
  EXPECT_EQ(polygon.ReverseFind(kMissing), 0);
  EXPECT_EQ(polygon.isIterationFinished(), 1);

  // Starting at the end, the Next forms find nothing even where a match exists.
  EXPECT_EQ(polygon.FindNext(kV0), 0);
  EXPECT_EQ(polygon.ReverseFindNext(kV0), 0);
  EXPECT_EQ(polygon.isIterationFinished(), 1);

  // Past the last occurrence in the direction of travel.
  polygon.BeginIteration(DIR_BACKWARD);
  EXPECT_EQ(polygon.FindNext(kV0), 0);
  polygon.BeginIteration(DIR_FORWARD);
  EXPECT_EQ(polygon.ReverseFindNext(kV1), 0);

  const CFPPolygon empty;
  EXPECT_EQ(empty.Find(kV0), 0);
  EXPECT_EQ(empty.ReverseFind(kV0), 0);
  EXPECT_EQ(empty.isIterationFinished(), 1);
}

TEST(Polygon, MatchingAllowsTwoToTheMinus23InEachCoordinateInclusive) {
  const double epsilon = 1.1920928955078125e-07;
  struct Case {
    CFPPoint stored;
    CFPPoint searched;
    int found;
  };
  // 1 + 2^-23 and 2 - 2^-23 are exact, so their differences from 1 and 2 are the bound itself.
  const Case cases[] = {
      {CFPPoint(1 + 1e-7, 2), CFPPoint(1, 2), 1},
      {CFPPoint(1 + 2e-7, 2), CFPPoint(1, 2), 0},
      {CFPPoint(1, 2), CFPPoint(1 + epsilon, 2 - epsilon), 1},
      {CFPPoint(1, 2), CFPPoint(1 + 2 * epsilon, 2), 0},
      {CFPPoint(1, 2), CFPPoint(1, 2 - 2 * epsilon), 0},
  };
  for (const Case& c : cases) {
    CFPPolygon polygon;
    polygon.AddTailNode(c.stored);
    EXPECT_EQ(polygon.Find(c.searched), c.found) << c.stored.x << " against " << c.searched.x;
    EXPECT_EQ(polygon.ReverseFind(c.searched), c.found) << c.stored.x << " against " << c.searched.x;
  }
}
