#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "fpgeom/frame/Exceptions.h"
#include "fpgeom/region/FPPolyRgn.h"
#include "region/RegionTestSupport.h"

namespace {

using fpgeom::test::ContentsOf;
using fpgeom::test::Coordinates;
using fpgeom::test::ExpectCursorsAtTheEnd;
using fpgeom::test::MakePolygon;
using fpgeom::test::PutCursorsOnTheHeads;

// Rings in the clockwise order that the rectangle constructor gives them
// (positive area with y up).
Coordinates Square(double left, double bottom, double side) {
  return {{left, bottom}, {left, bottom + side}, {left + side, bottom + side}, {left + side, bottom}};
}

Coordinates Reversed(Coordinates points) {
  return Coordinates(points.rbegin(), points.rend());
}

CFPPolyRgn RegionOf(const std::vector<Coordinates>& rings) {
  CFPPolyRgn region;
  for (const Coordinates& ring : rings) region.AddPolygon(MakePolygon(ring).release());
  return region;
}

// The two squares (0,0)-(10,10) and (20,0)-(30,10).
CFPPolyRgn TwoSquares() { return RegionOf({Square(0, 0, 10), Square(20, 0, 10)}); }

void ExpectRect(const CFPRect& rect, double left, double bottom, double right, double top) {
  EXPECT_EQ(rect.left, left);
  EXPECT_EQ(rect.bottom, bottom);
  EXPECT_EQ(rect.right, right);
  EXPECT_EQ(rect.top, top);
}

TEST(PolyRgnQueries, AreaAddsTheSignedAreasSoOppositeRingsCancel) {
  EXPECT_EQ(RegionOf({Square(0, 0, 1), Square(5, 5, 1)}).Area(), 2.0);
  EXPECT_EQ(RegionOf({Square(0, 0, 1), Reversed(Square(5, 5, 1))}).Area(), 0.0);
  EXPECT_EQ(CFPPolyRgn().Area(), 0.0);
  const CFPPolyRgn region = TwoSquares();
  region.BeginIteration();
  EXPECT_EQ(region.Area(), 200.0);
  EXPECT_EQ(region.isIterationFinished(), 1);
}

TEST(PolyRgnQueries, EmptyRegionAnswersWithoutPolygons) {
  CFPPolyRgn region;
  CFPPoint untouched(7.0, 8.0);
  EXPECT_EQ(region.PtInRgn(CFPPoint(0, 0)), 0);
  EXPECT_THROW(region.DistanceFromPoint(CFPPoint(0, 0)), CInvalidArgException);
  EXPECT_EQ(region.GetNearestVertex(CFPPoint(0, 0), 1e9, untouched), 0);
  EXPECT_EQ(region.GetCenterPoint(untouched), 0);
  EXPECT_EQ(region.getMassCenter(untouched), 0);
  EXPECT_EQ(untouched.x, 7.0);
  EXPECT_EQ(untouched.y, 8.0);
  ExpectRect(region.getBoundsRect(), 0, 0, 0, 0);
  EXPECT_EQ(region.isIntersect(*MakePolygon(Square(0, 0, 1))), 0);
  EXPECT_EQ(region.isIntersect(CFPRect(0.0, 1.0, 0.0, 1.0)), 0);
}

TEST(PolyRgnQueries, DistanceIsSignedAndComesFromTheNearestPolygon) {
  const CFPPolyRgn region = TwoSquares();
  region.BeginIteration();
  EXPECT_EQ(region.DistanceFromPoint(CFPPoint(15, 5)), 5.0);
  EXPECT_EQ(region.isIterationFinished(), 1);
  EXPECT_EQ(region.DistanceFromPoint(CFPPoint(5, 5)), -5.0);
  EXPECT_EQ(region.DistanceFromPoint(CFPPoint(27, 5)), -3.0);
}

// (12, 5) lies 2 outside (0,0)-(10,10) and 2 inside (10,0)-(20,10): the
// distances tie in size, and the earlier polygon's sign wins.
TEST(PolyRgnQueries, DistanceTieKeepsTheEarlierPolygon) {
  const Coordinates outside = Square(0, 0, 10);
  const Coordinates inside = Square(10, 0, 10);
  EXPECT_EQ(RegionOf({outside, inside}).DistanceFromPoint(CFPPoint(12, 5)), 2.0);
  EXPECT_EQ(RegionOf({inside, outside}).DistanceFromPoint(CFPPoint(12, 5)), -2.0);
}

TEST(PolyRgnQueries, PtInRgnStopsOnThePolygonAfterTheFirstHit) {
  const CFPPolyRgn region = RegionOf({Square(0, 0, 1), Square(5, 0, 1), Square(5, 0, 2)});
  const auto polygons = fpgeom::test::PolygonsOf(region);

  EXPECT_EQ(region.PtInRgn(CFPPoint(5.5, 0.5)), 1);
  EXPECT_EQ(region.getCurrentPolygon(), polygons[2]);

  EXPECT_EQ(region.PtInRgn(CFPPoint(6.5, 1.5)), 1);
  EXPECT_EQ(region.isIterationFinished(), 1);

  region.BeginIteration();
  EXPECT_EQ(region.PtInRgn(CFPPoint(3, 3)), 0);
  EXPECT_EQ(region.isIterationFinished(), 1);
}

TEST(PolyRgnQueries, IsIntersectWithAPolygonStopsOnThePolygonAfterTheFirstHit) {
  const CFPPolyRgn region = RegionOf({Square(0, 0, 1), Square(5, 0, 1), Square(20, 0, 1)});
  const auto polygons = fpgeom::test::PolygonsOf(region);

  EXPECT_EQ(region.isIntersect(*MakePolygon(Square(5.5, 0.5, 1))), 1);
  EXPECT_EQ(region.getCurrentPolygon(), polygons[2]);

  region.BeginIteration();
  EXPECT_EQ(region.isIntersect(*MakePolygon(Square(10, 10, 1))), 0);
  EXPECT_EQ(region.isIterationFinished(), 1);
}

TEST(PolyRgnQueries, NearestVertexMustBeStrictlyWithinTheLimitAndTheFirstOfEqualsWins) {
  const struct {
    const char* what;
    CFPPoint pt;
    double limit;
    int found;
    double x, y;
  } cases[] = {
      {"one away with the limit 1", CFPPoint(-1, 0), 1.0, 0, 9, 9},
      {"one away with a larger limit", CFPPoint(-1, 0), 1.5, 1, 0, 0},
      // (3, 1) is 2 from (1, 1) in the first square and from (5, 1) in the second.
      {"a tie across polygons", CFPPoint(3, 1), 5.0, 1, 1, 1},
      {"a nearer vertex in the later polygon", CFPPoint(4, 1), 5.0, 1, 5, 1},
      {"a tie inside one polygon", CFPPoint(0.5, -1), 5.0, 1, 0, 0},
  };
  CFPPolyRgn region = RegionOf({Square(0, 0, 1), Square(5, 0, 1)});
  for (const auto& c : cases) {
    CFPPoint vertex(9, 9);
    PutCursorsOnTheHeads(region);
    EXPECT_EQ(region.GetNearestVertex(c.pt, c.limit, vertex), c.found) << c.what;
    EXPECT_EQ(vertex.x, c.x) << c.what;
    EXPECT_EQ(vertex.y, c.y) << c.what;
    ExpectCursorsAtTheEnd(region);
  }
}

TEST(PolyRgnQueries, BoundsJoinOnlyPolygonsWithWidthAndHeight) {
  const CFPPolyRgn region = TwoSquares();
  PutCursorsOnTheHeads(region);
  ExpectRect(region.getBoundsRect(), 0, 0, 30, 10);
  ExpectCursorsAtTheEnd(region);
  CFPPoint center;
  PutCursorsOnTheHeads(region);
  EXPECT_EQ(region.GetCenterPoint(center), 1);
  EXPECT_EQ(center.x, 15.0);
  EXPECT_EQ(center.y, 5.0);
  ExpectCursorsAtTheEnd(region);

  // The all-zero start is replaced, not joined with the origin.
  ExpectRect(RegionOf({Square(5, 6, 1)}).getBoundsRect(), 5, 6, 6, 7);
  // A flat polygon adds nothing, wherever it lies.
  ExpectRect(RegionOf({{{-50, -50}, {-40, -50}}, Square(5, 6, 1), {}}).getBoundsRect(), 5, 6, 6, 7);

  const CFPPolyRgn flat = RegionOf({{{0, 0}, {10, 0}}});
  ExpectRect(flat.getBoundsRect(), 0, 0, 0, 0);
  CFPPoint flatCenter(7, 7);
  EXPECT_EQ(flat.GetCenterPoint(flatCenter), 1);
  EXPECT_EQ(flatCenter.x, 0.0);
  EXPECT_EQ(flatCenter.y, 0.0);
}

TEST(PolyRgnQueries, MassCenterWeighsEachPolygonOfThreeOrMorePointsTheSame) {
  CFPPoint center(-1, -1);
  EXPECT_EQ(RegionOf({Square(0, 0, 10), {{100, 100}, {200, 200}}}).getMassCenter(center), 1);
  EXPECT_EQ(center.x, 5.0);
  EXPECT_EQ(center.y, 5.0);

  // Vertex means (1, 1) and (11, 11), whatever the sizes and point counts.
  EXPECT_EQ(RegionOf({Square(0, 0, 2), {{10, 10}, {10, 13}, {13, 10}}}).getMassCenter(center), 1);
  EXPECT_EQ(center.x, 6.0);
  EXPECT_EQ(center.y, 6.0);

  CFPPoint untouched(-1, -1);
  EXPECT_EQ(RegionOf({{{0, 0}, {1, 1}}, {{2, 2}}}).getMassCenter(untouched), 0);
  EXPECT_EQ(untouched.x, -1.0);
  EXPECT_EQ(untouched.y, -1.0);
}

TEST(PolyRgnQueries, IsIntersectWithARectangleAnswersAsClippingWouldWithoutClipping) {
  const std::vector<Coordinates> rings = {Square(0, 0, 4), Square(10, 10, 1)};
  const struct {
    const char* what;
    CFPRect rect;
  } cases[] = {
      {"overlapping the first square", CFPRect(1.0, 3.0, 1.0, 3.0)},
      {"clear of both squares", CFPRect(5.0, 8.0, 5.0, 8.0)},
      {"enclosing the second square", CFPRect(9.0, 12.0, 9.0, 12.0)},
  };
  for (const auto& c : cases) {
    const CFPPolyRgn region = RegionOf(rings);
    CFPPolyRgn clipped = RegionOf(rings);
    region.BeginIteration();
    EXPECT_EQ(region.isIntersect(c.rect), clipped.IntersectRect(c.rect)) << c.what;
    EXPECT_EQ(region.isIterationFinished(), 1) << c.what;
    EXPECT_EQ(ContentsOf(region), ContentsOf(RegionOf(rings))) << c.what;
  }
  EXPECT_EQ(RegionOf(rings).isIntersect(CFPRect(1.0, 3.0, 1.0, 3.0)), 1);
  EXPECT_EQ(RegionOf(rings).isIntersect(CFPRect(5.0, 8.0, 5.0, 8.0)), 0);
}

}  // namespace
