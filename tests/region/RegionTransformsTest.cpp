#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "fpgeom/region/FPPolyRgn.h"
#include "region/RegionTestSupport.h"

namespace {

using fpgeom::test::ContentsOf;
using fpgeom::test::Coordinates;
using fpgeom::test::CountedPolygon;
using fpgeom::test::MakePolygon;
using fpgeom::test::ExpectCursorsAtTheEnd;
using fpgeom::test::PutCursorsOnTheHeads;

const Coordinates kTriangle = {{3, 5}, {4, 7}, {6, 5}};
const Coordinates kPair = {{-2, 0.5}, {0, -4}};

CFPPolyRgn TriangleAndPair() {
  CFPPolyRgn region;
  region.AddPolygon(MakePolygon(kTriangle).release());
  region.AddPolygon(MakePolygon(kPair).release());
  return region;
}

TEST(PolyRgnTransforms, IntersectRectDropsTheClippedAwayPolygonsAndKeepsTheOrder) {
  CFPPolyRgn region;
  region.AddPolygon(MakePolygon({{1, 1}, {1, 2}, {2, 2}, {2, 1}}).release());
  region.AddPolygon(new CountedPolygon({{10, 10}, {10, 12}, {12, 12}}));
  region.AddPolygon(MakePolygon({{-2, -2}, {2, -2}, {2, 2}, {-2, 2}}).release());
  region.AddPolygon(new CountedPolygon({{0, 0}, {1, 1}}));
  region.BeginIteration();

  EXPECT_EQ(region.IntersectRect(CFPRect(0.0, 4.0, 0.0, 4.0)), 1);

  EXPECT_EQ(CountedPolygon::Alive(), 0);
  EXPECT_EQ(region.isIterationFinished(), 1);
  EXPECT_EQ(ContentsOf(region),
            (std::vector<Coordinates>{{{1, 1}, {1, 2}, {2, 2}, {2, 1}}, {{0, 0}, {2, 0}, {2, 2}, {0, 2}}}));
}

TEST(PolyRgnTransforms, IntersectRectThatKeepsNothingEmptiesTheRegionAndReturnsZero) {
  CFPPolyRgn region = TriangleAndPair();
  EXPECT_EQ(region.IntersectRect(CFPRect(100.0, 101.0, 100.0, 101.0)), 0);
  EXPECT_EQ(region.getCount(), 0);
}

TEST(PolyRgnTransforms, MirrorReflectsEveryPointByTheAxisCode) {
  const struct {
    int axis;
    std::vector<Coordinates> expected;
  } cases[] = {
      {1, {{{-1, 5}, {-2, 7}, {-4, 5}}, {{4, 0.5}, {2, -4}}}},
      {0, {{{3, -3}, {4, -5}, {6, -3}}, {{-2, 1.5}, {0, 6}}}},
      {-1, {{{-1, -3}, {-2, -5}, {-4, -3}}, {{4, 1.5}, {2, 6}}}},
      {2, {kTriangle, kPair}},
  };
  for (const auto& c : cases) {
    CFPPolyRgn region = TriangleAndPair();
    PutCursorsOnTheHeads(region);
    region.mirror(c.axis, 1.0, 1.0);
    ExpectCursorsAtTheEnd(region);
    EXPECT_EQ(ContentsOf(region), c.expected) << "axis " << c.axis;
  }
}

TEST(PolyRgnTransforms, ResizeScalesEveryPolygonAboutTheOrigin) {
  CFPPolyRgn region = TriangleAndPair();
  PutCursorsOnTheHeads(region);
  region.resize(CFPPoint(1, 1), 2, 3);
  ExpectCursorsAtTheEnd(region);
  EXPECT_EQ(ContentsOf(region), (std::vector<Coordinates>{{{5, 13}, {7, 19}, {11, 13}}, {{-5, -0.5}, {-1, -14}}}));
}

TEST(PolyRgnTransforms, RotateTurnsEveryPolygonClockwiseAboutTheCenter) {
  const double angle = 0.75;
  const CFPPoint center(1, -2);
  CFPPolyRgn region = TriangleAndPair();
  PutCursorsOnTheHeads(region);
  region.rotate(angle, center);
  ExpectCursorsAtTheEnd(region);

  // The rotation written out in the order the library evaluates it.
  const double c = std::cos(angle);
  const double s = std::sin(angle);
  std::vector<Coordinates> expected;
  for (const Coordinates& ring : {kTriangle, kPair}) {
    Coordinates turned;
    for (const auto& [x, y] : ring) {
      const double dx = x - center.x;
      const double dy = y - center.y;
      turned.emplace_back((dx * c + dy * s) + center.x, (dy * c - dx * s) + center.y);
    }
    expected.push_back(turned);
  }
  EXPECT_EQ(ContentsOf(region), expected);
}

TEST(PolyRgnTransforms, ShiftingMovesEveryPointAndShiftingBackRestoresIt) {
  CFPPolyRgn region = TriangleAndPair();
  PutCursorsOnTheHeads(region);
  region += CFPSize(1, -0.5);
  ExpectCursorsAtTheEnd(region);
  EXPECT_EQ(ContentsOf(region), (std::vector<Coordinates>{{{4, 4.5}, {5, 6.5}, {7, 4.5}}, {{-1, 0}, {1, -4.5}}}));
  PutCursorsOnTheHeads(region);
  region -= CFPSize(1, -0.5);
  ExpectCursorsAtTheEnd(region);
  EXPECT_EQ(ContentsOf(region), (std::vector<Coordinates>{kTriangle, kPair}));
}

}  // namespace
