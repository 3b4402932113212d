#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <vector>

#include "TopologySupport.h"
#include "fpgeom/fpgeom.h"

using namespace topology_test;

namespace {

const Ring kSquare{{0, 0}, {10, 0}, {10, 10}, {0, 10}};
const Ring kTriangle{{0, 0}, {10, 0}, {0, 10}};
const Ring kFigureEight{{0, 0}, {10, 0}, {5, 5}, {10, 10}, {0, 10}, {5, 5}};
const double kNudged = 5 + 1e-7;

}  // namespace

// A vertex at `at` that lists the ring `links` times moves to `to`, or, given
// a second end, the edge from `at` bends through `to`; the answer and the ring
// after it, and where the vertex or the edge's first end is then.
TEST(Move, MovesAVertexOrBendsAnEdgeThroughThePointOrRefusesAndChangesNothing) {
  const struct {
    const char* what;
    Ring ring;
    int links;
    CFPPoint at;
    std::optional<CFPPoint> end2;
    CFPPoint to;
    int result;
    Ring after;
  } cases[] = {
      {"point found within the tolerance", {{0, 0}, {10, 0}, {10 + 1e-7, 10}, {0, 10}}, 1, {10, 10}, {}, {8, 8}, 1,
       {{0, 0}, {10, 0}, {8, 8}, {0, 10}}},
      {"no point at the vertex", kSquare, 1, {3, 3}, {}, {4, 4}, 0, kSquare},
      {"listed twice, passing twice", kFigureEight, 2, {5, 5}, {}, {4, 5}, 1,
       {{0, 0}, {10, 0}, {4, 5}, {10, 10}, {0, 10}, {4, 5}}},
      // The second search finds the first point again, now at the new position.
      {"listed twice, moved within the tolerance", kFigureEight, 2, {5, 5}, {}, {kNudged, 5}, 1,
       {{0, 0}, {10, 0}, {kNudged, 5}, {10, 10}, {0, 10}, {5, 5}}},
      {"edge outwards, ends swapped", kSquare, 1, {10, 10}, CFPPoint(10, 0), {15, 5}, 1,
       {{0, 0}, {10, 0}, {15, 5}, {10, 10}, {0, 10}}},
      {"edge ends not next to each other", kSquare, 1, {0, 0}, CFPPoint(10, 10), {3, 7}, 1, kSquare},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    CFPPolygon polygon;
    AppendRing(polygon, c.ring);
    CVertex vertex(c.at), end2(c.end2.value_or(c.at));
    CEdge edge(&vertex, &end2);
    CPolygonList& moved = c.end2 ? static_cast<CPolygonList&>(edge) : vertex;
    for (int i = 0; i < c.links; ++i) moved.AddLink(&polygon);
    EXPECT_EQ(c.end2 ? edge.change(c.to) : vertex.change(c.to), c.result);
    EXPECT_EQ(PointsOf(polygon), c.after);
    const CFPPoint& position = c.result == 1 && !c.end2 ? c.to : c.at;
    ExpectAt(vertex.m_point, position.x, position.y);
  }
}

// Every copy is tried before any polygon changes: the first polygon alone
// would take the move, the second would degenerate, the third is never
// tried and keeps its cursor. Once made, a move leaves every cursor at the
// end and edits a polygon listed twice twice (on the edited ring); a bend
// of a ring's closing side goes at the end that matches the edge's first.
TEST(SharedMove, ALaterPolygonThatWouldDegenerateRefusesForAllAndAMadeMoveEndsEveryCursor) {
  CVertex corner(CFPPoint(0, 10)), end1(CFPPoint(10, 0)), end2(CFPPoint(0, 10));
  CEdge edge(&end1, &end2);
  const struct {
    const char* what;
    CPolygonList* element;
    std::vector<Ring> rings;
    std::function<int(const CFPPoint&)> move;
    CFPPoint refused, made;
    std::vector<Ring> after;
  } cases[] = {
      {"vertex", &corner, {kSquare, kTriangle, {{0, 10}, {-10, 10}, {-10, 0}}},
       [&](const CFPPoint& to) { return corner.change(to); }, {5, 0}, {-1, 11},
       {{{0, 0}, {10, 0}, {10, 10}, {-1, 11}}, {{0, 0}, {10, 0}, {-1, 11}}, {{-1, 11}, {-10, 10}, {-10, 0}}}},
      {"edge", &edge, {{{10, 0}, {10, 10}, {0, 10}}, kTriangle, {{10, 0}, {0, 10}, {-5, -5}}},
       [&](const CFPPoint& to) { return edge.change(to); }, {0, 0}, {6, 6},
       {{{6, 6}, {10, 0}, {10, 10}, {0, 10}}, {{0, 0}, {10, 0}, {6, 6}, {0, 10}},
        {{10, 0}, {6, 6}, {0, 10}, {-5, -5}}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    CFPPolygon polygons[3];
    for (int i = 0; i < 3; ++i) {
      AppendRing(polygons[i], c.rings[i]);
      c.element->AddLink(&polygons[i]);
      polygons[i].BeginIteration(DIR_FORWARD);
    }
    EXPECT_EQ(c.move(c.refused), 0);
    EXPECT_EQ(c.element->GetCurrentPoly(), &polygons[2]) << "the cursor is after the polygon that failed";
    EXPECT_EQ(polygons[0].isPosValid(), 0) << "left at the end by its copy";
    ExpectAt(polygons[2].getCurrentNode(), c.rings[2][0].first, c.rings[2][0].second);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(PointsOf(polygons[i]), c.rings[i]);
    c.element->AddLink(&polygons[1]);
    polygons[2].BeginIteration(DIR_FORWARD);
    ASSERT_EQ(c.move(c.made), 1);
    EXPECT_EQ(c.element->isIterationFinished(), 1);
    EXPECT_EQ(polygons[2].isPosValid(), 0);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(PointsOf(polygons[i]), c.after[i]);
  }
}
