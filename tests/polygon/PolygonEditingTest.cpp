// Each operation on a fresh ring with the cursor first put on a given node:
// what it returns, where the cursor ends (the points from it to the tail)
// and the ring after it.
#include <gtest/gtest.h>

#include <cstddef>
#include <iterator>

#include "fpgeom/frame/Exceptions.h"
#include "fpgeom/polygon/FPPolygon.h"
#include "fpgeom/values/Tolerance.h"
#include "support/Shapes.h"

using namespace fpgeom::test;

namespace {

using P = CFPPolygon;
const CFPPoint kV0(0, 0), kV1(1, 0), kV2(1, 1), kV3(0, 1), kQ(9, 9), kMissing(5, 5);
const double kEps = fpgeom::kPointEpsilon;
const Ring kSquare = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
const Ring kPair = {{0, 0}, {1, 0}};
const Ring kDoubled = {{0, 0}, {1, 0}, {0, 0}, {1, 0}};  // each search has a choice
const Ring kEnd = {};
const Ring kSplitV1V2 = {{0, 0}, {1, 0}, {9, 9}, {1, 1}, {0, 1}};

struct OperationCase {
  Ring ring;
  int start;  // the cursor's node on entry; -1 for the end
  void (*operation)(P&, double& result);
  double result;
  Ring fromCursor;
  Ring after;
};

TEST(Polygon, OperationsReturnMoveTheCursorAndChangeTheRingByTheirRules) {
  const OperationCase cases[] = {
      {kSquare, 1, [](P& p, double&) { p.BeginIteration(DIR_FORWARD); }, 0, kSquare, kSquare},
      {kSquare, 1, [](P& p, double&) { p.BeginIteration(static_cast<TagDirection>(7)); }, 0, {{0, 1}}, kSquare},
      {kSquare, 1, [](P& p, double&) { p.BeginIteration(3); }, 0, {{0, 1}}, kSquare},
      {kSquare, 1, [](P& p, double&) { p.BeginIteration(4); }, 0, kEnd, kSquare},
      {kSquare, 1, [](P& p, double&) { p.BeginIteration(-1); }, 0, kEnd, kSquare},
      {kSquare, 1, [](P& p, double&) { p.BeginIteration(kV2); }, 0, {{1, 1}, {0, 1}}, kSquare},
      {kSquare, 1, [](P& p, double&) { p.BeginIteration(kMissing); }, 0, kEnd, kSquare},
      // Adding at either end keeps the cursor on its point, or at the end.
      {kSquare, 1, [](P& p, double&) { p.AddHeadNode(-1, -1), p.AddTailNode(kQ); }, 0, {{1, 0}, {1, 1}, {0, 1}, {9, 9}},
       {{-1, -1}, {0, 0}, {1, 0}, {1, 1}, {0, 1}, {9, 9}}},
      {kPair, -1, [](P& p, double&) { p.AddHeadNode(4, 4); }, 0, kEnd, {{4, 4}, {0, 0}, {1, 0}}},
      // InsertBetween splits every edge joining the two ends once, looking
      // only at the ring as it was (so also when the point matches an end),
      // and leaves the cursor at the end.
      {kSquare, 0, [](P& p, double&) { p.InsertBetween(kV2, kV1, kQ); }, 0, kEnd, kSplitV1V2},
      {kSquare, 0, [](P& p, double&) { p.InsertBetween(kV0, kV3, kQ); }, 0, kEnd, {{9, 9}, {0, 0}, {1, 0}, {1, 1}, {0, 1}}},
      {kSquare, 0, [](P& p, double&) { p.InsertBetween(kV3, kV0, kQ); }, 0, kEnd, {{0, 0}, {1, 0}, {1, 1}, {0, 1}, {9, 9}}},
      {kSquare, 0, [](P& p, double&) { p.InsertBetween(kV0, kV2, kQ); }, 0, kEnd, kSquare},
      {kSquare, 0, [](P& p, double&) { p.InsertBetween(kMissing, kV0, kQ); }, 0, kEnd, kSquare},
      {kPair, 0, [](P& p, double&) { p.InsertBetween(kV0, kV1, kQ); }, 0, kEnd, {{9, 9}, {0, 0}, {9, 9}, {1, 0}}},
      {{{0, 0}, {1, 0}, {0, 0}, {1, 1}}, 0, [](P& p, double&) { p.InsertBetween(kV0, kV1, kQ); }, 0, kEnd,
       {{0, 0}, {9, 9}, {1, 0}, {9, 9}, {0, 0}, {1, 1}}},
      {kSquare, 0, [](P& p, double&) { p.InsertBetween(kV1, kV2, kV2); }, 0, kEnd, {{0, 0}, {1, 0}, {1, 1}, {1, 1}, {0, 1}}},
      {kPair, 0, [](P& p, double&) { p.InsertBetween(kV0, kV1, kV0); }, 0, kEnd, {{0, 0}, {0, 0}, {0, 0}, {1, 0}}},
      {kPair, 0, [](P& p, double&) { p.InsertBetween(kV0, kV1, kV1); }, 0, kEnd, {{1, 0}, {0, 0}, {1, 0}, {1, 0}}},
      {{{0, 0}}, 0, [](P& p, double&) { p.InsertBetween(kV0, kV0, kV0); }, 0, kEnd, {{0, 0}, {0, 0}}},
      // InsertBefore leaves the cursor on the found point, InsertAfter on the
      // inserted one; a missing point makes a new head or tail.
      {kSquare, -1, [](P& p, double&) { p.InsertBefore(kV2, kQ); }, 0, {{1, 1}, {0, 1}}, kSplitV1V2},
      {kSquare, 1, [](P& p, double&) { p.InsertBefore(kMissing, kQ); }, 0, kEnd, {{9, 9}, {0, 0}, {1, 0}, {1, 1}, {0, 1}}},
      {kSquare, -1, [](P& p, double&) { p.InsertAfter(kV1, kQ); }, 0, {{9, 9}, {1, 1}, {0, 1}}, kSplitV1V2},
      {kSquare, 1, [](P& p, double&) { p.InsertAfter(kMissing, kQ); }, 0, {{9, 9}}, {{0, 0}, {1, 0}, {1, 1}, {0, 1}, {9, 9}}},
      // A removal keeps only a cursor that was on another point.
      {{{0, 0}, {1, 0}, {1, 1}, {1, 0}}, 0, [](P& p, double&) { p.RemoveNode(kV1); }, 0, kEnd, {{0, 0}, {1, 1}, {1, 0}}},
      {kSquare, 1, [](P& p, double&) { p.RemoveCurrentNode(); }, 0, kEnd, {{0, 0}, {1, 1}, {0, 1}}},
      {kSquare, 1, [](P& p, double&) { p.RemoveNodeByIndex(3); }, 0, {{1, 0}, {1, 1}}, {{0, 0}, {1, 0}, {1, 1}}},
      {kSquare, 1, [](P& p, double&) { p.RemoveNodeByIndex(1); }, 0, kEnd, {{0, 0}, {1, 1}, {0, 1}}},
      {{{7, 8}, {1, 0}, {1, 1}}, 1, [](P& p, double& r) { r = p.RemoveHeadNode().x; }, 7, {{1, 0}, {1, 1}}, {{1, 0}, {1, 1}}},
      {kPair, 1, [](P& p, double& r) { r = p.RemoveTailNode().x; }, 1, kEnd, {{0, 0}}},
      // Access for writing writes through, and the cursor stays.
      {kSquare, 1, [](P& p, double&) { p.getCurrentNode().x = 9, p.getHeadNode().y = -1, p.getTailNode() = kQ; }, 0,
       {{9, 0}, {1, 1}, {9, 9}}, {{0, -1}, {9, 0}, {1, 1}, {9, 9}}},
      {kSquare, 2, [](P& p, double&) { p.setCurrentNode(kQ); }, 0, {{9, 9}, {0, 1}}, {{0, 0}, {1, 0}, {9, 9}, {0, 1}}},
      // Assignment walks the source with its cursor and leaves both at the end;
      // assigning a polygon to itself changes nothing, not even the cursor.
      {kPair, 0, [](P& p, double& r) { P s = PolygonOf(kSquare); s.BeginIteration(1), p = s, r = s.isPosValid(); }, 0,
       kEnd, kSquare},
      {kSquare, 2, [](P& p, double&) { const P& alias = p; p = alias; }, 0, {{1, 1}, {0, 1}}, kSquare},
      // Values move, nodes stay: the cursor keeps its position.
      {{{0, 0}, {1, 0}, {1, 1}, {0, 1}, {2, 2}}, 1, [](P& p, double&) { p.Revert(); }, 0, {{0, 1}, {1, 1}, {1, 0}, {0, 0}},
       {{2, 2}, {0, 1}, {1, 1}, {1, 0}, {0, 0}}},
      // Searches stop at the first match in their direction; the Next forms
      // examine the cursor's node first and find nothing from the end.
      {kDoubled, -1, [](P& p, double& r) { r = p.Find(kV1); }, 1, {{1, 0}, {0, 0}, {1, 0}}, kDoubled},
      {kDoubled, 1, [](P& p, double& r) { r = p.FindNext(kV1); }, 1, {{1, 0}, {0, 0}, {1, 0}}, kDoubled},
      {kDoubled, 2, [](P& p, double& r) { r = p.FindNext(kV1); }, 1, {{1, 0}}, kDoubled},
      {kDoubled, -1, [](P& p, double& r) { r = p.FindNext(kV0); }, 0, kEnd, kDoubled},
      {kDoubled, 3, [](P& p, double& r) { r = p.FindNext(kV0); }, 0, kEnd, kDoubled},
      {kDoubled, -1, [](P& p, double& r) { r = p.ReverseFind(kV0); }, 1, {{0, 0}, {1, 0}}, kDoubled},
      {kDoubled, 1, [](P& p, double& r) { r = p.ReverseFindNext(kV0); }, 1, kDoubled, kDoubled},
      {kDoubled, -1, [](P& p, double& r) { r = p.ReverseFindNext(kV0); }, 0, kEnd, kDoubled},
      {kDoubled, 0, [](P& p, double& r) { r = p.ReverseFindNext(kV1); }, 0, kEnd, kDoubled},
      {kDoubled, 0, [](P& p, double& r) { r = p.Find(kMissing); }, 0, kEnd, kDoubled},
      // A match allows 2^-23 in each coordinate, inclusive (these sums are exact).
      {{{1, 2}}, -1, [](P& p, double& r) { r = p.Find(CFPPoint(1 + kEps, 2 - kEps)); }, 1, {{1, 2}}, {{1, 2}}},
      {{{1, 2}}, -1, [](P& p, double& r) { r = p.ReverseFind(CFPPoint(1 + 2 * kEps, 2)); }, 0, kEnd, {{1, 2}}},
      {{{1, 2}}, -1, [](P& p, double& r) { r = p.Find(CFPPoint(1, 2 - 2 * kEps)); }, 0, kEnd, {{1, 2}}},
      // Transforms walk the whole ring; an origin that is a point of the ring
      // counts as it was on entry.
      {{{3, 5}}, 0, [](P& p, double&) { p.mirror(1, 1.0, 0.0); }, 0, kEnd, {{-1, 5}}},
      {{{3, 5}}, 0, [](P& p, double&) { p.mirror(0, 0.0, 1.0); }, 0, kEnd, {{3, -3}}},
      {{{3, 5}}, 0, [](P& p, double&) { p.mirror(-1, 1.0, 1.0); }, 0, kEnd, {{-1, -3}}},
      {{{3, 5}}, 0, [](P& p, double&) { p.mirror(2, 1.0, 1.0); }, 0, kEnd, {{3, 5}}},
      {{{1, 1}, {2, 3}, {5, 1}}, 0, [](P& p, double&) { p.resize(p.getHeadNode(), 2, 3); }, 0, kEnd, {{1, 1}, {3, 7}, {9, 1}}},
      {{{0, 0}, {3, 1}}, 0, [](P& p, double&) { p += CFPSize(1, -1), p -= CFPSize(2, 1); }, 0, kEnd, {{-1, -2}, {2, -1}}},
      // The area is positive clockwise; the cursor stays for too few points.
      {{{0, 0}, {0, 1}, {2, 1}, {2, 0}}, 1, [](P& p, double& r) { r = p.Area() + 10 * p.isFilled(); }, 12, kEnd,
       {{0, 0}, {0, 1}, {2, 1}, {2, 0}}},
      {{{2, 0}, {2, 1}, {0, 1}, {0, 0}}, 1, [](P& p, double& r) { r = p.Area() + 10 * p.isFilled(); }, -2, kEnd,
       {{2, 0}, {2, 1}, {0, 1}, {0, 0}}},
      {{{0, 0}, {5, 5}}, 1, [](P& p, double& r) { r = p.Area() + 10 * p.isFilled(); }, 10, {{5, 5}}, {{0, 0}, {5, 5}}},
  };
  for (std::size_t index = 0; index < std::size(cases); ++index) {
    SCOPED_TRACE(::testing::Message() << "case " << index);
    const OperationCase& c = cases[index];
    P polygon = PolygonOf(c.ring);
    polygon.BeginIteration(c.start);
    double result = 0;
    c.operation(polygon, result);
    EXPECT_EQ(result, c.result);
    EXPECT_EQ(PointsFromCursor(polygon), c.fromCursor);
    EXPECT_EQ(WalkedRing(polygon), c.after);
  }
}

// Misuse throws and changes neither the ring nor the cursor.
TEST(Polygon, MisusedCursorsIndicesAndEmptyEndsThrowAndChangeNothing) {
  const struct {
    Ring ring;
    int start;
    void (*operation)(P&);
  } cases[] = {
      {kSquare, -1, [](P& p) { p.getNextNode(); }},
      {kSquare, -1, [](P& p) { p.getPrevNode(); }},
      {kSquare, -1, [](P& p) { p.getCurrentNode(); }},
      {kSquare, -1, [](P& p) { p.setCurrentNode(kQ); }},
      {kSquare, -1, [](P& p) { p.RemoveCurrentNode(); }},
      {kSquare, 2, [](P& p) { p.RemoveNodeByIndex(4); }},
      {kSquare, 2, [](P& p) { p.RemoveNodeByIndex(-1); }},
      {kEnd, -1, [](P& p) { p.getHeadNode(); }},
      {kEnd, -1, [](P& p) { p.getTailNode(); }},
      {kEnd, -1, [](P& p) { p.RemoveHeadNode(); }},
      {kEnd, -1, [](P& p) { p.RemoveTailNode(); }},
  };
  for (std::size_t index = 0; index < std::size(cases); ++index) {
    const auto& [ring, start, operation] = cases[index];
    P polygon = PolygonOf(ring);
    polygon.BeginIteration(start);
    const Ring fromCursor(ring.begin() + (start < 0 ? ring.size() : static_cast<std::size_t>(start)), ring.end());
    EXPECT_THROW(operation(polygon), CInvalidArgException) << "case " << index;
    EXPECT_EQ(PointsFromCursor(polygon), fromCursor) << "case " << index;
    EXPECT_EQ(WalkedRing(polygon), ring) << "case " << index;
  }
}

// Turning the ring turns each point as CFPPoint::rotate turns it, to the bit.
TEST(Polygon, RotateTurnsEveryPointAsAPointTurnsItself) {
  const Ring ring = {{0.3, -1.7}, {4.1, 2.9}, {-2.2, 0.6}};
  const CFPPoint center(0.7, -0.4);
  CFPPolygon polygon = PolygonOf(ring);
  polygon.rotate(0.83, center);
  EXPECT_EQ(polygon.isIterationFinished(), 1);
  Ring expected;
  for (const auto& [x, y] : ring) {
    CFPPoint point(x, y);
    point.rotate(0.83, center);
    expected.emplace_back(point.x, point.y);
  }
  EXPECT_EQ(WalkedRing(polygon), expected);
}

}  // namespace
