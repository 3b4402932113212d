// Edits of shared geometry: a vertex moved, an edge bent through a point or
// split at the foot of a perpendicular.
#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <optional>
#include <vector>

#include "TopologySupport.h"
#include "fpgeom/fpgeom.h"
#include "support/Shapes.h"

using namespace topology_test;

const Ring kSquare{{0, 0}, {10, 0}, {10, 10}, {0, 10}};
const Ring kTriangle{{0, 0}, {10, 0}, {0, 10}};
const Ring kFigureEight{{0, 0}, {10, 0}, {5, 5}, {10, 10}, {0, 10}, {5, 5}};
const double kNudged = 5 + 1e-7;

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
    CFPPolygon polygon = PolygonOf(c.ring);
    CVertex vertex(c.at), end2(c.end2.value_or(c.at));
    CEdge edge(&vertex, &end2);
    CPolygonList& moved = c.end2 ? static_cast<CPolygonList&>(edge) : vertex;
    for (int i = 0; i < c.links; ++i) moved.AddLink(&polygon);
    EXPECT_EQ(c.end2 ? edge.change(c.to) : vertex.change(c.to), c.result);
    EXPECT_EQ(WalkedRing(polygon), c.after);
    const CFPPoint& position = c.result == 1 && !c.end2 ? c.to : c.at;
    ExpectPoint(vertex.m_point, position.x, position.y);
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
    CPolygonList* element;
    std::vector<Ring> rings;
    CFPPoint refused, made;
    std::vector<Ring> after;
  } cases[] = {
      {&corner, {kSquare, kTriangle, {{0, 10}, {-10, 10}, {-10, 0}}}, {5, 0}, {-1, 11},
       {{{0, 0}, {10, 0}, {10, 10}, {-1, 11}}, {{0, 0}, {10, 0}, {-1, 11}}, {{-1, 11}, {-10, 10}, {-10, 0}}}},
      {&edge, {{{10, 0}, {10, 10}, {0, 10}}, kTriangle, {{10, 0}, {0, 10}, {-5, -5}}}, {0, 0}, {6, 6},
       {{{6, 6}, {10, 0}, {10, 10}, {0, 10}}, {{0, 0}, {10, 0}, {6, 6}, {0, 10}},
        {{10, 0}, {6, 6}, {0, 10}, {-5, -5}}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.element == &corner ? "vertex" : "edge");
    const auto move = [&](const CFPPoint& to) { return c.element == &corner ? corner.change(to) : edge.change(to); };
    CFPPolygon polygons[3];
    for (int i = 0; i < 3; ++i) {
      AppendRing(polygons[i], c.rings[i]);
      c.element->AddLink(&polygons[i]);
      polygons[i].BeginIteration(DIR_FORWARD);
    }
    EXPECT_EQ(move(c.refused), 0);
    EXPECT_EQ(c.element->GetCurrentPoly(), &polygons[2]) << "the cursor is after the polygon that failed";
    EXPECT_EQ(polygons[0].isPosValid(), 0) << "left at the end by its copy";
    ExpectPoint(polygons[2].getCurrentNode(), c.rings[2][0].first, c.rings[2][0].second);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(WalkedRing(polygons[i]), c.rings[i]);
    c.element->AddLink(&polygons[1]);
    polygons[2].BeginIteration(DIR_FORWARD);
    ASSERT_EQ(move(c.made), 1);
    EXPECT_EQ(c.element->isIterationFinished(), 1);
    EXPECT_EQ(polygons[2].isPosValid(), 0);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(WalkedRing(polygons[i]), c.after[i]);
  }
}

// The foot of the perpendicular must lie past the first end and up to the
// second, both exactly; a NaN parameter and coinciding ends are refused. The
// vertex made lists the edge's polygons and both ends, which list it back;
// the edge is not split, and its cursor ends.
TEST(EdgeSplit, CreateVertexPutsAVertexAtTheFootInsideTheEdgeAndLinksItsPolygonsAndEnds) {
  const struct {
    double px, py;
    bool made;
    double x, y;
  } cases[] = {
      {5, 100, true, 5, 0},
      {10, 3, true, 10, 0},  // t is exactly 1: accepted, at the second end
      {0, 3, false, 0, 0},   // t is 0: the first end is refused
      {11, 0, false, 0, 0},
      {std::numeric_limits<double>::quiet_NaN(), 5, false, 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << "P = (" << c.px << ", " << c.py << ")");
    CFPPolygon p1, p2;
    CVertex a(CFPPoint(0, 0)), b(CFPPoint(10, 0));
    CEdge edge(&a, &b);
    for (CFPPolygon* polygon : {&p1, &p2, &p1}) edge.AddLink(polygon);
    edge.BeginIteration();
    const std::unique_ptr<CVertex> vertex(edge.CreateVertex(CFPPoint(c.px, c.py)));
    ASSERT_EQ(vertex != nullptr, c.made);
    EXPECT_EQ(Listed(edge), (Links{&p1, &p2, &p1})) << "the edge is not split";
    EXPECT_EQ(NeighborsOf(a), c.made ? Vertices{vertex.get()} : Vertices{});
    if (!vertex) continue;
    ExpectPoint(vertex->m_point, c.x, c.y);
    EXPECT_EQ(edge.isIterationFinished(), 1);
    EXPECT_EQ(Listed(*vertex), (Links{&p1, &p2, &p1}));
    EXPECT_EQ(NeighborsOf(*vertex), (Vertices{&a, &b}));
    EXPECT_EQ(NeighborsOf(b), Vertices{vertex.get()});
  }
  CVertex a(CFPPoint(4, 4)), alsoA(CFPPoint(4, 4));
  EXPECT_EQ(CEdge(&a, &alsoA).CreateVertex(CFPPoint(5, 5)), nullptr) << "ends at one position";

  // A vertex at the second end is at the position of a neighbour that a
  // first end listing the second already has: that end refuses it.
  CVertex c(CFPPoint(0, 0)), d(CFPPoint(10, 0));
  c.AddNeighbor(&d);
  d.AddNeighbor(&c);
  const std::unique_ptr<CVertex> atD(CEdge(&c, &d).CreateVertex(CFPPoint(10, 3)));
  ASSERT_NE(atD, nullptr);
  EXPECT_EQ(NeighborsOf(c), Vertices{&d});
  EXPECT_EQ(NeighborsOf(d), (Vertices{&c, atD.get()}));
}
