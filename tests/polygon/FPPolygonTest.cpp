#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <limits>

#include "fpgeom/frame/Exceptions.h"
#include "fpgeom/polygon/FPPolygon.h"
#include "polygon/PolygonTesting.h"
#include "support/AllocationCounter.h"

using fpgeom::testing::Coordinates;
using fpgeom::testing::PointsFromCursor;
using fpgeom::testing::PointsOf;
using fpgeom::testing::PolygonOf;
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
  EXPECT_EQ(source.isIterationFinished(), 1);
  EXPECT_EQ(copy.isIterationFinished(), 1);
  EXPECT_EQ(PointsOf(copy), kSquare);

  CFPPolygon target = PolygonOf({{7, 7}, {8, 8}});
  target.BeginIteration(DIR_FORWARD);
  source.BeginIteration(DIR_BACKWARD);
  target = source;
  EXPECT_EQ(target.isIterationFinished(), 1);
  EXPECT_EQ(source.isIterationFinished(), 1);
  EXPECT_EQ(PointsOf(target), kSquare);

  // Assigning a polygon to itself changes nothing, not even the cursor.
  source.BeginIteration(2);
  const CFPPolygon& alias = source;
  source = alias;
  EXPECT_EQ(PointsFromCursor(source), (Coordinates{{1, 1}, {0, 1}}));
}

TEST(Polygon, BeginIterationPlacesTheCursorByDirectionIndexOrValue) {
  const CFPPolygon polygon = PolygonOf(kSquare);
  const struct {
    void (*begin)(const CFPPolygon&);
    Coordinates fromCursor;
  } cases[] = {
      {[](const CFPPolygon& p) { p.BeginIteration(DIR_FORWARD); }, kSquare},
      {[](const CFPPolygon& p) { p.BeginIteration(static_cast<TagDirection>(7)); }, {{0, 1}}},
      {[](const CFPPolygon& p) { p.BeginIteration(3); }, {{0, 1}}},
      {[](const CFPPolygon& p) { p.BeginIteration(4); }, {}},
      {[](const CFPPolygon& p) { p.BeginIteration(-1); }, {}},
      {[](const CFPPolygon& p) { p.BeginIteration(CFPPoint(1, 1)); }, {{1, 1}, {0, 1}}},
      {[](const CFPPolygon& p) { p.BeginIteration(CFPPoint(5, 5)); }, {}},
  };
  for (std::size_t index = 0; index < std::size(cases); ++index) {
    polygon.BeginIteration(1);
    cases[index].begin(polygon);
    EXPECT_EQ(PointsFromCursor(polygon), cases[index].fromCursor) << "case " << index;
  }
}

TEST(Polygon, NonConstAccessWritesThroughAndConstAccessCopies) {
  CFPPolygon polygon = PolygonOf(kSquare);
  polygon.BeginIteration(1);
  polygon.getCurrentNode().x = 9;
  polygon.getHeadNode().y = -1;
  polygon.getTailNode() = CFPPoint(-3, -3);
  polygon.BeginIteration(2);
  polygon.setCurrentNode(CFPPoint(5, 6));
  EXPECT_EQ(polygon.isPosValid(), 1);

  const CFPPolygon& view = polygon;
  view.BeginIteration(0);
  view.getCurrentNode() = CFPPoint(100, 100);
  view.getHeadNode() = CFPPoint(100, 100);
  view.getNextNode() = CFPPoint(100, 100);
  EXPECT_EQ(PointsOf(polygon), (Coordinates{{0, -1}, {9, 0}, {5, 6}, {-3, -3}}));
}

TEST(Polygon, AddingAtEitherEndKeepsTheCursorOnItsPoint) {
  CFPPolygon polygon = PolygonOf(kSquare);
  polygon.BeginIteration(1);
  polygon.AddHeadNode(-1, -1);
  polygon.AddTailNode(CFPPoint(2, 2));
  EXPECT_EQ(PointsFromCursor(polygon), (Coordinates{{1, 0}, {1, 1}, {0, 1}, {2, 2}}));
  polygon.AddHeadNode(4, 4);
  EXPECT_EQ(polygon.isIterationFinished(), 1);
  EXPECT_EQ(polygon.getHeadNode(), CFPPoint(4, 4));
}

TEST(Polygon, MisusedCursorAndEmptyEndsThrowAndChangeNothing) {
  CFPPolygon polygon = PolygonOf(kSquare);
  const CFPPolygon& view = polygon;
  polygon.BeginIteration(-1);
  EXPECT_THROW(polygon.getNextNode(), CInvalidArgException);
  EXPECT_THROW(polygon.getPrevNode(), CInvalidArgException);
  EXPECT_THROW(polygon.getCurrentNode(), CInvalidArgException);
  EXPECT_THROW(polygon.setCurrentNode(CFPPoint(9, 9)), CInvalidArgException);
  EXPECT_THROW(view.getNextNode(), CInvalidArgException);
  EXPECT_THROW(view.getPrevNode(), CInvalidArgException);
  EXPECT_THROW(view.getCurrentNode(), CInvalidArgException);
  EXPECT_EQ(polygon.isIterationFinished(), 1);
  EXPECT_EQ(PointsOf(polygon), kSquare);

  polygon.BeginIteration(2);
  polygon.RemoveAll();
  EXPECT_EQ(polygon.isIterationFinished(), 1);
  EXPECT_THROW(polygon.getHeadNode(), CInvalidArgException);
  EXPECT_THROW(polygon.getTailNode(), CInvalidArgException);
  EXPECT_THROW(view.getHeadNode(), CInvalidArgException);
  EXPECT_THROW(view.getTailNode(), CInvalidArgException);
  EXPECT_EQ(polygon.isEmpty(), 1);
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

TEST(Polygon, NodesComeTenToABlockAndAreAllReleasedWhenTheRingEmpties) {
  CFPPolygon polygon;
  const AllocationTally filling;
  for (int k = 0; k < 10; ++k) polygon.AddTailNode(k, k);
  EXPECT_EQ(filling.Allocations(), 1);
  polygon.AddTailNode(10, 10);
  EXPECT_EQ(filling.Allocations(), 2);

  const AllocationTally emptying;
  for (int k = 0; k < 10; ++k) polygon.RemoveHeadNode();
  EXPECT_EQ(emptying.Releases(), 0);
  polygon.RemoveTailNode();
  EXPECT_EQ(emptying.Releases(), 2);
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
