#include <gtest/gtest.h>

#include "fpgeom/polygon/FPPolygon.h"
#include "fpgeom/values/Tolerance.h"
#include "polygon/PolygonTesting.h"

using fpgeom::testing::Coordinates;
using fpgeom::testing::PointsFromCursor;
using fpgeom::testing::PolygonOf;

namespace {

const CFPPoint kV0(0, 0);
const CFPPoint kV1(1, 0);

// V0, V1, V0, V1: every value occurs twice, so each search has a choice.
const Coordinates kDoubled = {{0, 0}, {1, 0}, {0, 0}, {1, 0}};

}  // namespace

TEST(Polygon, SearchesStopAtTheFirstMatchInTheirDirectionAndNextSearchesExamineTheCursorFirst) {
  const CFPPolygon polygon = PolygonOf(kDoubled);
  EXPECT_EQ(polygon.Find(kV1), 1);
  EXPECT_EQ(polygon.FindNext(kV1), 1);
  EXPECT_EQ(PointsFromCursor(polygon), (Coordinates{{1, 0}, {0, 0}, {1, 0}}));
  EXPECT_EQ(polygon.ReverseFind(kV0), 1);
  EXPECT_EQ(PointsFromCursor(polygon), (Coordinates{{0, 0}, {1, 0}}));

  polygon.Find(kV1);
  polygon.getNextNode();
  EXPECT_EQ(polygon.FindNext(kV1), 1);
  EXPECT_EQ(PointsFromCursor(polygon), (Coordinates{{1, 0}}));

  polygon.ReverseFind(kV0);
  polygon.getPrevNode();
  EXPECT_EQ(polygon.ReverseFindNext(kV0), 1);
  EXPECT_EQ(PointsFromCursor(polygon), kDoubled);
}

TEST(Polygon, SearchesThatFindNothingLeaveTheCursorAtTheEnd) {
  const CFPPolygon polygon = PolygonOf(kDoubled);
  polygon.BeginIteration(0);
  EXPECT_EQ(polygon.Find(CFPPoint(5, 5)), 0);
  EXPECT_EQ(polygon.isIterationFinished(), 1);
  // Starting at the end, the Next forms find nothing even where a match exists.
  EXPECT_EQ(polygon.FindNext(kV0), 0);
  EXPECT_EQ(polygon.ReverseFindNext(kV0), 0);
  // Past the last occurrence in the direction of travel.
  polygon.BeginIteration(DIR_BACKWARD);
  EXPECT_EQ(polygon.FindNext(kV0), 0);
  EXPECT_EQ(polygon.isIterationFinished(), 1);
  polygon.BeginIteration(DIR_FORWARD);
  EXPECT_EQ(polygon.ReverseFindNext(kV1), 0);
}

TEST(Polygon, MatchingAllowsTwoToTheMinus23InEachCoordinateInclusive) {
  // 1 + 2^-23 and 2 - 2^-23 are exact, so their differences from 1 and 2 are the bound itself.
  const double eps = fpgeom::kPointEpsilon;
  const CFPPolygon polygon = PolygonOf({{1, 2}});
  EXPECT_EQ(polygon.Find(CFPPoint(1 + eps, 2 - eps)), 1);
  EXPECT_EQ(polygon.ReverseFind(CFPPoint(1 + 2 * eps, 2)), 0);
  EXPECT_EQ(polygon.Find(CFPPoint(1, 2 - 2 * eps)), 0);
}
