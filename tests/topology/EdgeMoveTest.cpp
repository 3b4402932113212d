#include <gtest/gtest.h>

#include "TopologySupport.h"
#include "fpgeom/fpgeom.h"

using namespace topology_test;

namespace {

const Ring kSquare{{0, 0}, {10, 0}, {10, 10}, {0, 10}};
const Ring kTriangle{{0, 0}, {10, 0}, {0, 10}};

}  // namespace

TEST(EdgeMove, BendsTheEdgeThroughThePointOrRefusesAndChangesNothing) {
  const Ring bentSquare{{0, 0}, {10, 0}, {15, 5}, {10, 10}, {0, 10}};
  const struct {
    const char* what;
    Ring ring;
    CFPPoint end1, end2, bend;
    int result;
    Ring after;
  } cases[] = {
      {"outwards", kSquare, {10, 0}, {10, 10}, {15, 5}, 1, bentSquare},
      {"outwards, ends swapped", kSquare, {10, 10}, {10, 0}, {15, 5}, 1, bentSquare},
      {"on the edge's own line", kSquare, {10, 0}, {10, 10}, {10, 5}, 1, kSquare},
      {"onto the first end", kSquare, {10, 0}, {10, 10}, {10, 0}, 1, kSquare},
      {"another corner goes", kSquare, {10, 0}, {10, 10}, {20, 0}, 1, {{0, 0}, {20, 0}, {10, 10}, {0, 10}}},
      {"ends not next to each other", kSquare, {0, 0}, {10, 10}, {3, 7}, 1, kSquare},
      {"onto the opposite corner", kTriangle, {10, 0}, {0, 10}, {0, 0}, 0, kTriangle},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    CFPPolygon polygon;
    AppendRing(polygon, c.ring);
    CVertex end1(c.end1), end2(c.end2);
    CEdge edge(&end1, &end2);
    edge.AddLink(&polygon);
    EXPECT_EQ(edge.change(c.bend), c.result);
    EXPECT_EQ(PointsOf(polygon), c.after);
    ExpectAt(end1.m_point, c.end1.x, c.end1.y);
  }
}

// The other side would become the square; the triangle would fold flat.
TEST(EdgeMove, ALaterPolygonThatWouldDegenerateRefusesTheBendForAll) {
  CFPPolygon other, triangle, untried;
  AppendRing(other, {{10, 0}, {10, 10}, {0, 10}});
  AppendRing(triangle, kTriangle);
  AppendRing(untried, {{10, 0}, {0, 10}, {-5, -5}});
  CVertex a(CFPPoint(10, 0)), b(CFPPoint(0, 10));
  CEdge edge(&a, &b);
  for (CFPPolygon* polygon : {&other, &triangle, &untried}) {
    edge.AddLink(polygon);
    polygon->BeginIteration(DIR_FORWARD);
  }
  EXPECT_EQ(edge.change(CFPPoint(0, 0)), 0);
  EXPECT_EQ(edge.GetCurrentPoly(), &untried);
  EXPECT_EQ(other.isPosValid(), 0);
  EXPECT_EQ(untried.getCurrentNode().x, 10.0);
  EXPECT_EQ(PointsOf(other), (Ring{{10, 0}, {10, 10}, {0, 10}}));
  EXPECT_EQ(PointsOf(triangle), kTriangle);
}

TEST(EdgeMove, AMadeBendLeavesEveryCursorAtTheEndAndBendsAPolygonListedTwiceOnce) {
  CFPPolygon square, right;
  AppendRing(square, kSquare);
  AppendRing(right, {{10, 10}, {20, 10}, {20, 0}, {10, 0}});
  CVertex a(CFPPoint(10, 0)), b(CFPPoint(10, 10));
  CEdge edge(&a, &b);
  for (CFPPolygon* polygon : {&square, &right, &square}) edge.AddLink(polygon);
  square.BeginIteration(DIR_FORWARD);
  ASSERT_EQ(edge.change(CFPPoint(12, 5)), 1);
  EXPECT_EQ(edge.isIterationFinished(), 1);
  EXPECT_EQ(square.isPosValid(), 0);
  EXPECT_EQ(PointsOf(square), (Ring{{0, 0}, {10, 0}, {12, 5}, {10, 10}, {0, 10}}));
  // The closing edge takes the point at the tail end, the tail matching the
  // first end.
  EXPECT_EQ(PointsOf(right), (Ring{{10, 10}, {20, 10}, {20, 0}, {10, 0}, {12, 5}}));
}
