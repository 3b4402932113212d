#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <utility>

#include "fpgeom/polygon/FPPolygon.h"
#include "support/Shapes.h"

using namespace fpgeom::test;

TEST(Polygon, ConstructorsLeaveTheCursorAtTheEndAndTakeRectanglesClockwiseAndArraysInReverse) {
  const CFPPolygon rectangle(CFPRect(0, 2, 0, 1));
  EXPECT_EQ(rectangle.isIterationFinished(), 1);
  EXPECT_EQ(WalkedRing(rectangle), (Ring{{0, 0}, {0, 1}, {2, 1}, {2, 0}}));
  // An unnormalised rectangle is taken as it is stored.
  EXPECT_EQ(WalkedRing(CFPPolygon(CFPRect(2, 0, 0, 1))), (Ring{{2, 0}, {2, 1}, {0, 1}, {0, 0}}));

  const tagPOINT pts[] = {{0, 0}, {10, 0}, {10, 10}};
  const CFPPolygon fromArray(pts, 3);
  EXPECT_EQ(fromArray.isIterationFinished(), 1);
  EXPECT_EQ(WalkedRing(fromArray), (Ring{{10, 10}, {10, 0}, {0, 0}}));
  EXPECT_EQ(CFPPolygon(pts, -5).isEmpty(), 1);
}

TEST(Polygon, FillArrayRoundsEachPointOnlyWhenTheArrayHoldsThemAll) {
  const std::int32_t kInvalid = std::numeric_limits<std::int32_t>::min();
  CFPPolygon polygon = PolygonOf({{2.5, -2.5}, {-2.49, 0.5}, {3e9, -3e9}});
  tagPOINT written[4] = {{-9, -9}, {-9, -9}, {-9, -9}, {-9, -9}};
  polygon.BeginIteration(1);
  EXPECT_EQ(polygon.FillArray(written, 2), 0);
  EXPECT_EQ(PointsFromCursor(polygon), (Ring{{-2.49, 0.5}, {3e9, -3e9}}));
  for (const tagPOINT& point : written) EXPECT_EQ(CPoint(point), CPoint(-9, -9));

  polygon.BeginIteration(0);
  EXPECT_EQ(polygon.FillArray(written, 4), 1);
  EXPECT_EQ(polygon.isIterationFinished(), 1);
  const CPoint expected[] = {{3, -3}, {-2, 1}, {kInvalid, kInvalid}, {-9, -9}};
  for (int k = 0; k < 4; ++k) EXPECT_EQ(CPoint(written[k]), expected[k]) << "point " << k;
}

// The mass center averages every vertex, a closing repeat included, and needs
// three; with too few points the answer is left alone, and so is the cursor.
TEST(Polygon, MassCenterAveragesEveryVertexAndNeedsThree) {
  CFPPoint mass(-1, -1);
  EXPECT_EQ(PolygonOf({{0, 0}, {4, 0}, {4, 4}, {0, 4}, {0, 0}}).getMassCenter(mass), 1);
  EXPECT_EQ(std::make_pair(mass.x, mass.y), std::make_pair(1.6, 1.6));
  const CFPPolygon pair = PolygonOf({{1, 2}, {3, 6}});
  pair.BeginIteration(1);
  EXPECT_EQ(pair.getMassCenter(mass), 0);
  EXPECT_EQ(pair.isPosValid(), 1);
  EXPECT_EQ(std::make_pair(mass.x, mass.y), std::make_pair(1.6, 1.6));
}
