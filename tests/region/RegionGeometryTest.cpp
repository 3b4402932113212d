#include <gtest/gtest.h>

#include <tuple>
#include <utility>
#include <vector>

#include "fpgeom/frame/Exceptions.h"
#include "fpgeom/region/FPPolyRgn.h"
#include "support/Shapes.h"

namespace {

using namespace fpgeom::test;

TEST(PolyRgnQueries, EmptyOrPointlessRegionsAnswerWithoutTouchingTheResult) {
  CFPPolyRgn region;
  CFPPoint untouched(7.0, 8.0);
  EXPECT_THROW(region.DistanceFromPoint(CFPPoint(0, 0)), CInvalidArgException);
  EXPECT_EQ(region.GetNearestVertex(CFPPoint(0, 0), 1e9, untouched), 0);
  EXPECT_EQ(region.GetCenterPoint(untouched), 0);
  EXPECT_EQ(RegionOf({{{0, 0}, {1, 1}}, {{2, 2}}}).getMassCenter(untouched), 0);
  ExpectPoint(untouched, 7.0, 8.0);
}

// (12, 5) lies 2 outside (0,0)-(10,10) and 2 inside (10,0)-(20,10): the
// distances tie in size, and the earlier polygon's sign wins.
TEST(PolyRgnQueries, AreaAndDistanceComeFromEveryPolygonInListOrder) {
  const Ring left = Square(0, 0, 10);
  const Ring right = Square(10, 0, 10);
  EXPECT_EQ(RegionOf({left, Square(20, 0, 1, true)}).Area(), 99.0);
  EXPECT_EQ(RegionOf({left, right}).DistanceFromPoint(CFPPoint(12, 5)), 2.0);
  EXPECT_EQ(RegionOf({right, left}).DistanceFromPoint(CFPPoint(12, 5)), -2.0);
}

// A rectangle is tested as clipping would test it, without clipping, and
// walks to the end.
TEST(PolyRgnQueries, PtInRgnAndIsIntersectStopOnThePolygonAfterTheFirstHit) {
  const std::vector<Ring> rings = {Square(0, 0, 1), Square(5, 0, 1), Square(5, 0, 2)};
  const CFPPolyRgn region = RegionOf(rings);
  const auto polygons = PolygonsOf(region);
  EXPECT_EQ(region.PtInRgn(CFPPoint(5.5, 0.5)), 1);
  EXPECT_EQ(region.getCurrentPolygon(), polygons[2]);
  EXPECT_EQ(region.isIntersect(*MakePolygon(Square(5.5, 0.5, 1))), 1);
  EXPECT_EQ(region.getCurrentPolygon(), polygons[2]);
  region.BeginIteration();
  EXPECT_EQ(region.PtInRgn(CFPPoint(3, 3)), 0);
  EXPECT_EQ(region.isIterationFinished(), 1);
  region.BeginIteration();
  EXPECT_EQ(region.isIntersect(*MakePolygon(Square(10, 10, 1))), 0);
  EXPECT_EQ(region.isIterationFinished(), 1);
  for (const auto& [rect, expected] : {std::pair{CFPRect(5.5, 9.0, 0.5, 3.0), 1}, {CFPRect(2.0, 4.0, 2.0, 4.0), 0}}) {
    region.BeginIteration();
    EXPECT_EQ(region.isIntersect(rect), expected);
    EXPECT_EQ(region.isIterationFinished(), 1);
  }
  EXPECT_EQ(WalkedRegion(region), rings);
}

TEST(PolyRgnQueries, NearestVertexMustBeStrictlyWithinTheLimitAndTheFirstOfEqualsWins) {
  // what, point, limit, found, vertex
  const std::tuple<const char*, CFPPoint, double, int, CFPPoint> cases[] = {
      {"one away with the limit 1", {-1, 0}, 1.0, 0, {9, 9}},
      {"one away with a larger limit", {-1, 0}, 1.5, 1, {0, 0}},
      // (3, 1) is 2 from (1, 1) in the first square and from (5, 1) in the second.
      {"a tie across polygons", {3, 1}, 5.0, 1, {1, 1}},
      {"a nearer vertex in the later polygon", {4, 1}, 5.0, 1, {5, 1}},
      {"a tie inside one polygon", {0.5, -1}, 5.0, 1, {0, 0}},
  };
  CFPPolyRgn region = RegionOf({Square(0, 0, 1), Square(5, 0, 1)});
  for (const auto& [what, pt, limit, found, expected] : cases) {
    SCOPED_TRACE(what);
    CFPPoint vertex(9, 9);
    EXPECT_EQ(region.GetNearestVertex(pt, limit, vertex), found);
    ExpectPoint(vertex, expected.x, expected.y);
  }
}

// Bounds join only polygons with width and height: the all-zero start is
// replaced, not joined with the origin, and a flat polygon adds nothing. The
// mass centre weighs each polygon of three or more points the same.
TEST(PolyRgnQueries, BoundsCentreAndMassCentreJoinThePolygonsThatHaveThem) {
  const CFPPolyRgn region = RegionOf({{{-50, -50}, {-40, -50}}, Square(5, 6, 1), {}});
  ExpectRect(region.getBoundsRect(), 5, 6, 6, 7);
  CFPPoint center;
  EXPECT_EQ(region.GetCenterPoint(center), 1);
  ExpectPoint(center, 5.5, 6.5);
  // Vertex means (1, 1) and (11, 11), whatever the sizes and point counts.
  EXPECT_EQ(RegionOf({Square(0, 0, 2), {{10, 10}, {10, 13}, {13, 10}}, {{100, 100}, {200, 200}}}).getMassCenter(center), 1);
  ExpectPoint(center, 6.0, 6.0);
}

TEST(PolyRgnTransforms, IntersectRectDeletesTheClippedAwayPolygonsAndKeepsTheOrder) {
  CFPPolyRgn region = RegionOf({{{1, 1}, {1, 2}, {2, 2}, {2, 1}}});
  region.AddPolygon(new CountedPolygon({{10, 10}, {10, 12}, {12, 12}}));
  region.AddPolygon(MakePolygon({{-2, -2}, {2, -2}, {2, 2}, {-2, 2}}).release());
  region.AddPolygon(new CountedPolygon({{0, 0}, {1, 1}}));
  EXPECT_EQ(region.IntersectRect(CFPRect(0.0, 4.0, 0.0, 4.0)), 1);
  EXPECT_EQ(CountedPolygon::Alive(), 0);
  EXPECT_EQ(WalkedRegion(region),
            (std::vector<Ring>{{{1, 1}, {1, 2}, {2, 2}, {2, 1}}, {{0, 0}, {2, 0}, {2, 2}, {0, 2}}}));
}

// Each transform of the region is that of the polygon applied to each of its
// polygons in turn.
template <class Transform>
void ExpectEveryPolygonTransformed(Transform transform) {
  const std::vector<Ring> rings = {{{3, 5}, {4, 7}, {6, 5}}, {{-2, 0.5}, {0, -4}}};
  std::vector<Ring> expected;
  for (const Ring& ring : rings) {
    const auto polygon = MakePolygon(ring);
    transform(*polygon);
    expected.push_back(WalkedRing(*polygon));
  }
  ASSERT_NE(expected, rings);
  CFPPolyRgn region = RegionOf(rings);
  transform(region);
  EXPECT_EQ(WalkedRegion(region), expected);
}

TEST(PolyRgnTransforms, TransformsMoveEveryPointOfEveryPolygon) {
  ExpectEveryPolygonTransformed([](auto& shape) { shape.mirror(-1, 1.0, 1.0); });
  ExpectEveryPolygonTransformed([](auto& shape) { shape.resize(CFPPoint(1, 1), 2, 3); });
  ExpectEveryPolygonTransformed([](auto& shape) { shape.rotate(0.75, CFPPoint(1, -2)); });
  ExpectEveryPolygonTransformed([](auto& shape) { shape += CFPSize(1, -0.5); });
  ExpectEveryPolygonTransformed([](auto& shape) { shape -= CFPSize(1, -0.5); });
}

}  // namespace
