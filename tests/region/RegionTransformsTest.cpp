#include <gtest/gtest.h>

#include <vector>

#include "fpgeom/region/FPPolyRgn.h"
#include "region/RegionTestSupport.h"

namespace {

using namespace fpgeom::test;

TEST(PolyRgnTransforms, IntersectRectDeletesTheClippedAwayPolygonsAndKeepsTheOrder) {
  CFPPolyRgn region = RegionOf({{{1, 1}, {1, 2}, {2, 2}, {2, 1}}});
  region.AddPolygon(new CountedPolygon({{10, 10}, {10, 12}, {12, 12}}));
  region.AddPolygon(MakePolygon({{-2, -2}, {2, -2}, {2, 2}, {-2, 2}}).release());
  region.AddPolygon(new CountedPolygon({{0, 0}, {1, 1}}));
  region.BeginIteration();

  EXPECT_EQ(region.IntersectRect(CFPRect(0.0, 4.0, 0.0, 4.0)), 1);
  EXPECT_EQ(CountedPolygon::Alive(), 0);
  EXPECT_EQ(region.isIterationFinished(), 1);
  EXPECT_EQ(WalkedRegion(region),
            (std::vector<Ring>{{{1, 1}, {1, 2}, {2, 2}, {2, 1}}, {{0, 0}, {2, 0}, {2, 2}, {0, 2}}}));

  EXPECT_EQ(region.IntersectRect(CFPRect(100.0, 101.0, 100.0, 101.0)), 0);
  EXPECT_EQ(region.getCount(), 0);
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
  PutCursorsOnTheHeads(region);
  transform(region);
  ExpectCursorsAtTheEnd(region);
  EXPECT_EQ(WalkedRegion(region), expected);
}

TEST(PolyRgnTransforms, TransformsMoveEveryPointOfEveryPolygonAndEndEveryCursor) {
  ExpectEveryPolygonTransformed([](auto& shape) { shape.mirror(-1, 1.0, 1.0); });
  ExpectEveryPolygonTransformed([](auto& shape) { shape.resize(CFPPoint(1, 1), 2, 3); });
  ExpectEveryPolygonTransformed([](auto& shape) { shape.rotate(0.75, CFPPoint(1, -2)); });
  ExpectEveryPolygonTransformed([](auto& shape) { shape += CFPSize(1, -0.5); });
  ExpectEveryPolygonTransformed([](auto& shape) { shape -= CFPSize(1, -0.5); });
}

}  // namespace
