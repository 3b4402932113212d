#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "fpgeom/polygon/FPPolygon.h"
#include "polygon/PolygonTesting.h"
#include "support/AllocationCounter.h"
#include "values/RectExpectations.h"

using namespace fpgeom::testing;
using fpgeom::test::AllocationTally;

namespace {

const Coordinates kSquare = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};

}  // namespace

TEST(Polygon, ConstructorsLeaveTheCursorAtTheEndAndTakeRectanglesClockwiseAndArraysInReverse) {
  const CFPPolygon rectangle(CFPRect(0, 2, 0, 1));
  EXPECT_EQ(rectangle.isIterationFinished(), 1);
  EXPECT_EQ(PointsOf(rectangle), (Coordinates{{0, 0}, {0, 1}, {2, 1}, {2, 0}}));
  // An unnormalised rectangle is taken as it is stored.
  EXPECT_EQ(PointsOf(CFPPolygon(CFPRect(2, 0, 0, 1))), (Coordinates{{2, 0}, {2, 1}, {0, 1}, {0, 0}}));

  const tagPOINT pts[] = {{0, 0}, {10, 0}, {10, 10}};
  const CFPPolygon fromArray(pts, 3);
  EXPECT_EQ(fromArray.isIterationFinished(), 1);
  EXPECT_EQ(PointsOf(fromArray), (Coordinates{{10, 10}, {10, 0}, {0, 0}}));
  EXPECT_EQ(CFPPolygon(pts, -5).isEmpty(), 1);
}

TEST(Polygon, CopyWalksTheSourceWithItsCursorAndLeavesBothAtTheEnd) {
  CFPPolygon source = PolygonOf(kSquare);
  source.BeginIteration(1);
  const CFPPolygon copy(source);
  EXPECT_EQ(source.isIterationFinished() + copy.isIterationFinished(), 2);
  EXPECT_EQ(PointsOf(copy), kSquare);

}

TEST(Polygon, FillArrayRoundsEachPointOnlyWhenTheArrayHoldsThemAll) {
  const std::int32_t kInvalid = std::numeric_limits<std::int32_t>::min();
  CFPPolygon polygon = PolygonOf({{2.5, -2.5}, {-2.49, 0.5}, {3e9, -3e9}});
  tagPOINT written[4] = {{-9, -9}, {-9, -9}, {-9, -9}, {-9, -9}};
  polygon.BeginIteration(1);
  EXPECT_EQ(polygon.FillArray(written, 2), 0);
  EXPECT_EQ(PointsFromCursor(polygon), (Coordinates{{-2.49, 0.5}, {3e9, -3e9}}));
  for (const tagPOINT& point : written) EXPECT_EQ(CPoint(point), CPoint(-9, -9));

  polygon.BeginIteration(0);
  EXPECT_EQ(polygon.FillArray(written, 4), 1);
  EXPECT_EQ(polygon.isIterationFinished(), 1);
  const CPoint expected[] = {{3, -3}, {-2, 1}, {kInvalid, kInvalid}, {-9, -9}};
  for (int k = 0; k < 4; ++k) EXPECT_EQ(CPoint(written[k]), expected[k]) << "point " << k;
}

// The bounds hold every point; the mass center averages the vertices and
// needs three, the center point takes the bounds' center and needs two;
// with too few points the answer is left alone, and so is the cursor.
TEST(Polygon, BoundsAndCentersNeedEnoughPoints) {
  CFPPolygon polygon = PolygonOf({{1, 5}, {-2, 3}, {4, 7}, {0, -6}});
  polygon.BeginIteration(0);
  ExpectRect(polygon.getBoundsRect(), -2, -6, 4, 7);
  EXPECT_EQ(polygon.isIterationFinished(), 1);
  ExpectRect(CFPPolygon().getBoundsRect(), 0, 0, 0, 0);

  CFPPoint mass(-1, -1), center(-1, -1);
  const CFPPolygon closed = PolygonOf({{0, 0}, {4, 0}, {4, 4}, {0, 4}, {0, 0}});
  closed.BeginIteration(0);
  EXPECT_EQ(closed.getMassCenter(mass), 1);
  EXPECT_EQ(closed.isIterationFinished(), 1);
  EXPECT_EQ(closed.GetCenterPoint(center), 1);
  EXPECT_EQ((Coordinates{{mass.x, mass.y}, {center.x, center.y}}), (Coordinates{{1.6, 1.6}, {2, 2}}));

  const CFPPolygon pair = PolygonOf({{1, 2}, {3, 6}});
  pair.BeginIteration(1);
  EXPECT_EQ(pair.getMassCenter(mass), 0);
  EXPECT_EQ(PolygonOf({{1, 2}}).GetCenterPoint(center), 0);
  EXPECT_EQ(pair.isPosValid(), 1);
  EXPECT_EQ((Coordinates{{mass.x, mass.y}, {center.x, center.y}}), (Coordinates{{1.6, 1.6}, {2, 2}}));
}

TEST(Polygon, WalksSearchesMeasuresAndEditsOnTheFreeChainAllocateNothing) {
  // Three points in a block of ten: the insertion takes a node from the free chain.
  CFPPolygon polygon = PolygonOf({{0, 0}, {1, 0}, {1, 1}});
  tagPOINT written[4];
  CFPPoint center(0, 0);

  const AllocationTally tally;
  polygon.FillArray(written, 4);
  polygon.Find(CFPPoint(1, 1));
  polygon.ReverseFind(CFPPoint(5, 5));
  polygon.Area();
  polygon.getBoundsRect();
  polygon.getMassCenter(center);
  polygon.Revert();
  polygon.rotate(0.5, center);
  polygon.InsertBetween(polygon.getHeadNode(), polygon.getTailNode(), CFPPoint(-1, -1));
  EXPECT_EQ(tally.Allocations(), 0);
  EXPECT_EQ(polygon.getCount(), 4);
}
