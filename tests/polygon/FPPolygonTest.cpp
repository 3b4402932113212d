#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <limits>
#include <memory>
#include <new>

#include "fpgeom/frame/Exceptions.h"
#include "fpgeom/polygon/FPPolygon.h"
#include "polygon/PolygonTesting.h"

using fpgeom::testing::Coordinates;
using fpgeom::testing::PointsFromCursor;
using fpgeom::testing::PointsOf;
using fpgeom::testing::PolygonOf;

// Counts the allocations of the whole test program, so that the tests can
// see when the ring takes and gives back node blocks.
namespace {
std::size_t g_allocations = 0;
std::size_t g_releases = 0;
}  // namespace

void* operator new(std::size_t size) {
  ++g_allocations;
  if (void* memory = std::malloc(size != 0 ? size : 1)) return memory;
  throw std::bad_alloc();
}
void operator delete(void* memory) noexcept {
  if (memory != nullptr) ++g_releases;
  std::free(memory);
}
void operator delete(void* memory, std::size_t) noexcept { operator delete(memory); }

namespace {

const Coordinates kSquare = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};

}  // namespace

TEST(Polygon, EveryConstructorLeavesTheCursorAtTheEnd) {
  const tagPOINT pts[] = {{0, 0}, {10, 0}, {10, 10}};
  const CFPPolygon source = PolygonOf(kSquare);
  source.BeginIteration(DIR_FORWARD);
  const std::unique_ptr<CObject> created(CRuntimeClass::CreateObject("CFPPolygon"));
  const auto* byName = dynamic_cast<const CFPPolygon*>(created.get());
  ASSERT_NE(byName, nullptr);

  EXPECT_EQ(CFPPolygon(CFPRect(0, 2, 0, 1)).isIterationFinished(), 1);
  EXPECT_EQ(CFPPolygon(pts, 3).isIterationFinished(), 1);
  EXPECT_EQ(CFPPolygon(source).isIterationFinished(), 1);
  EXPECT_EQ(byName->isIterationFinished(), 1);
  EXPECT_EQ(byName->isEmpty(), 1);
}

TEST(Polygon, RectangleRingRunsFromLeftBottomClockwiseAndAnIntegerArrayInReverse) {
  EXPECT_EQ(PointsOf(CFPPolygon(CFPRect(0, 2, 0, 1))), (Coordinates{{0, 0}, {0, 1}, {2, 1}, {2, 0}}));
  // An unnormalised rectangle is taken as it is stored.
  EXPECT_EQ(PointsOf(CFPPolygon(CFPRect(2, 0, 0, 1))), (Coordinates{{2, 0}, {2, 1}, {0, 1}, {0, 0}}));

  const tagPOINT pts[] = {{0, 0}, {10, 0}, {10, 10}};
  EXPECT_EQ(PointsOf(CFPPolygon(pts, 3)), (Coordinates{{10, 10}, {10, 0}, {0, 0}}));
  EXPECT_EQ(CFPPolygon(pts, -5).isEmpty(), 1);
}

TEST(Polygon, CopyWalksTheSourceWithItsCursorAndLeavesBothAtTheEnd) {
  CFPPolygon source = PolygonOf(kSquare);
  source.BeginIteration(1);
  const CFPPolygon copy(source);
  EXPECT_EQ(source.isIterationFinished(), 1);
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
  EXPECT_EQ(PointsOf(source), kSquare);
}

TEST(Polygon, BackwardIterationVisitsEveryPointOnceFromTheTail) {
  const CFPPolygon polygon = PolygonOf(kSquare);
  polygon.BeginIteration(DIR_BACKWARD);
  Coordinates backward;
  while (polygon.isIterationFinished() == 0) {
    const CFPPoint point = polygon.getPrevNode();
    backward.insert(backward.begin(), {point.x, point.y});
  }
  EXPECT_EQ(backward, kSquare);
  EXPECT_EQ(polygon.isPosValid(), 0);
}

TEST(Polygon, BeginIterationPlacesTheCursorByDirectionIndexOrValue) {
  const CFPPolygon polygon = PolygonOf(kSquare);
  struct Case {
    const char* what;
    void (*begin)(const CFPPolygon&);
    Coordinates fromCursor;
  };
  const Case cases[] = {
      {"forward", [](const CFPPolygon& p) { p.BeginIteration(DIR_FORWARD); }, kSquare},
      {"direction 7 starts at the tail", [](const CFPPolygon& p) { p.BeginIteration(static_cast<TagDirection>(7)); },
       {{0, 1}}},
      {"index 0", [](const CFPPolygon& p) { p.BeginIteration(0); }, kSquare},
      {"index 3", [](const CFPPolygon& p) { p.BeginIteration(3); }, {{0, 1}}},
      {"index count", [](const CFPPolygon& p) { p.BeginIteration(4); }, {}},
      {"index -1", [](const CFPPolygon& p) { p.BeginIteration(-1); }, {}},
      {"value", [](const CFPPolygon& p) { p.BeginIteration(CFPPoint(1, 1)); }, {{1, 1}, {0, 1}}},
      {"missing value", [](const CFPPolygon& p) { p.BeginIteration(CFPPoint(5, 5)); }, {}},
  };
  for (const Case& c : cases) {
    polygon.BeginIteration(1);
    c.begin(polygon);
    EXPECT_EQ(PointsFromCursor(polygon), c.fromCursor) << c.what;
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
  EXPECT_EQ(PointsOf(polygon), (Coordinates{{0, -1}, {9, 0}, {5, 6}, {-3, -3}}));

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
  polygon.AddHeadNode(CFPPoint(-2, -2));
  EXPECT_EQ(PointsFromCursor(polygon), (Coordinates{{1, 0}, {1, 1}, {0, 1}, {2, 2}}));
  EXPECT_EQ(polygon.getCount(), 7);

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
  EXPECT_EQ(polygon.getCount(), 0);
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
  EXPECT_EQ(CFPPolygon().FillArray(nullptr, 0), 1);
}

TEST(Polygon, NodesComeTenToABlockAndAreAllReleasedWhenTheRingEmpties) {
  CFPPolygon polygon;
  const std::size_t allocationsBefore = g_allocations;
  for (int k = 0; k < 10; ++k) polygon.AddTailNode(k, k);
  const std::size_t allocationsForTen = g_allocations - allocationsBefore;
  polygon.AddTailNode(10, 10);
  const std::size_t allocationsForEleven = g_allocations - allocationsBefore;

  const std::size_t releasesBefore = g_releases;
  for (int k = 0; k < 10; ++k) polygon.RemoveHeadNode();
  const std::size_t releasesWhileOnePointLeft = g_releases - releasesBefore;
  polygon.RemoveTailNode();
  const std::size_t releasesWhenEmpty = g_releases - releasesBefore;

  EXPECT_EQ(allocationsForTen, 1u);
  EXPECT_EQ(allocationsForEleven, 2u);
  EXPECT_EQ(releasesWhileOnePointLeft, 0u);
  EXPECT_EQ(releasesWhenEmpty, 2u);
}

TEST(Polygon, WalksSearchesMeasuresAndEditsOnTheFreeChainAllocateNothing) {
  // Three points in a block of ten: the insertion takes a node from the free chain.
  CFPPolygon polygon = PolygonOf({{0, 0}, {1, 0}, {1, 1}});
  tagPOINT written[4];
  CFPPoint center(0, 0);

  const std::size_t before = g_allocations;
  polygon.FillArray(written, 4);
  polygon.Find(CFPPoint(1, 1));
  polygon.ReverseFind(CFPPoint(5, 5));
  polygon.Area();
  polygon.getBoundsRect();
  polygon.getMassCenter(center);
  polygon.Revert();
  polygon.rotate(0.5, center);
  polygon.InsertBetween(polygon.getHeadNode(), polygon.getTailNode(), CFPPoint(-1, -1));
  const std::size_t allocations = g_allocations - before;

  EXPECT_EQ(allocations, 0u);
  EXPECT_EQ(polygon.getCount(), 4);
}
