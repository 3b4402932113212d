// Regions read as areas under both fill rules: small cases whose results are
// known exactly, and random regions (nested, overlapping, repeated and
// self-crossing rings) whose results must be in normal form, add up, and hold
// exactly the points the rule puts in the inputs.
#include <algorithm>
#include <limits>
#include <string>
#include <tuple>

#include <gtest/gtest.h>

#include "fpgeom/frame/Exceptions.h"
#include "fpgeom/overlay.h"
#include "support/RandomRegions.h"
#include "support/Shapes.h"

namespace fpgeom::test {
namespace {

// Normal form: outer rings of positive area each followed by its holes, of
// negative area, valid together as a multipolygon by the engine's own check,
// no ring with fewer than three points or a repeated point. Normalizing takes
// exactly such a region as it is, under either rule, and rebuilds any other
// (a hole first included) from its linework, so a result in normal form comes
// back ring for ring. Returns the number of holes.
int ExpectNormalForm(const CFPPolyRgn& region) {
  const std::vector<Ring> rings = WalkedRegion(region);
  for (const FillRule rule : {FillRule::kEvenOdd, FillRule::kNonZero}) {
    EXPECT_EQ(WalkedRegion(Normalize(region, rule)), rings);
  }
  return static_cast<int>(
      std::count_if(rings.begin(), rings.end(), [](const Ring& ring) { return MakePolygon(ring)->Area() < 0; }));
}

TEST(OverlayCases, AreaOfRegionsUnderEachRule) {
  const Ring square = Square(0, 0, 10);
  Ring twice = square;
  twice.insert(twice.end(), square.begin(), square.end());
  const struct {
    const char* name;
    std::vector<Ring> rings;
    double area[2];  // even-odd, non-zero
    int count[2];
    int holes[2];
  } cases[] = {
      {"nested squares, same direction", {square, Square(2, 2, 6)}, {64, 100}, {2, 1}, {1, 0}},
      {"hole listed first", {Square(2, 2, 6, true), square}, {64, 64}, {2, 2}, {1, 1}},
      {"bow-tie", {{{0, 0}, {2, 2}, {2, 0}, {0, 2}}}, {2, 2}, {2, 2}, {0, 0}},
      {"square wound twice", {twice}, {0, 100}, {0, 1}, {0, 0}},
      {"hole touching its ring at a point", {square, {{0, 5}, {4, 3}, {4, 7}}}, {92, 92}, {2, 2}, {1, 1}},
      // Rings meet in points only: a shared edge goes.
      {"hole sharing an edge with its ring", {square, {{0, 2}, {5, 5}, {0, 8}}}, {85, 85}, {1, 1}, {0, 0}},
      {"squares sharing an edge", {Square(0, 0, 1), Square(1, 0, 1, true)}, {2, 2}, {1, 1}, {0, 0}},
      {"two-point and empty rings add nothing", {Square(0, 0, 1), {{5, 5}, {6, 6}}, {}}, {1, 1}, {1, 1}, {0, 0}},
  };
  for (const auto& c : cases) {
    for (const int r : {0, 1}) {
      SCOPED_TRACE(::testing::Message() << c.name << (r == 0 ? ", even-odd" : ", non-zero"));
      const CFPPolyRgn area = Normalize(RegionOf(c.rings), r == 0 ? FillRule::kEvenOdd : FillRule::kNonZero);
      EXPECT_EQ(ExpectNormalForm(area), c.holes[r]);
      EXPECT_EQ(area.Area(), c.area[r]);
      EXPECT_EQ(area.getCount(), c.count[r]);
    }
  }
}

TEST(OverlayCases, OperationsKeepBoundariesAndRefuseNonFiniteInput) {
  const CFPPolyRgn square = RegionOf({Square(0, 0, 2)});
  const CFPPolyRgn frame = Difference(RegionOf({Square(0, 0, 10)}), RegionOf({Square(2, 2, 6)}));
  const CFPPolyRgn empty;
  EXPECT_EQ(ExpectNormalForm(frame), 1);
  EXPECT_EQ(frame.Area(), 64);
  EXPECT_EQ(Union(empty, square).Area(), 4);
  EXPECT_EQ(Intersection(square, empty).getCount(), 0);
  // Boundaries belong to the area, the hole's inside does not.
  for (const auto& [x, y, inside] : {std::tuple{2, 5, 1}, {5, 5, 0}, {10, 10, 1}, {0, 10, 1}, {11, 5, 0}}) {
    EXPECT_EQ(AreaContains(frame, CFPPoint(x, y)), inside) << x << ", " << y;
  }
  EXPECT_EQ(AreaContains(empty, CFPPoint(0, 0)), 0);
  for (const double bad : {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity()}) {
    const CFPPolyRgn broken = RegionOf({Square(0, 0, 1), {{0, 0}, {bad, 1}, {1, 0}}});
    EXPECT_THROW(Normalize(broken), CInvalidArgException);
    EXPECT_THROW(Union(square, broken, FillRule::kNonZero), CInvalidArgException);
    EXPECT_THROW(Difference(broken, square), CInvalidArgException);
    EXPECT_THROW(AreaContains(broken, CFPPoint(0.5, 0.5)), CInvalidArgException);
    EXPECT_THROW(AreaContains(square, CFPPoint(bad, 0.5)), CInvalidArgException);
  }
}

// Whether the rule puts the point inside the rings, by the sum of their
// winding numbers about it under the half-open crossing rule.
bool InsideByRule(const std::vector<Ring>& rings, const CFPPoint& pt, FillRule rule) {
  long winding = 0;
  for (const Ring& ring : rings) {
    for (std::size_t k = 0; k < ring.size(); ++k) {
      const auto& [ax, ay] = ring[k];
      const auto& [bx, by] = ring[(k + 1) % ring.size()];
      const double side = (bx - ax) * (pt.y - ay) - (pt.x - ax) * (by - ay);
      winding += (ay <= pt.y && pt.y < by && side > 0) - (by <= pt.y && pt.y < ay && side < 0);
    }
  }
  return rule == FillRule::kEvenOdd ? winding % 2 != 0 : winding != 0;
}

TEST(OverlayProperties, AreasAddUpTileAndContainWhatTheRuleSays) {
  RandomRegions random(19);
  for (int round = 0; round < 60; ++round) {
    const FillRule rule = round % 2 == 0 ? FillRule::kEvenOdd : FillRule::kNonZero;
    const FillRule other = round % 2 == 0 ? FillRule::kNonZero : FillRule::kEvenOdd;
    SCOPED_TRACE("round " + std::to_string(round));
    const auto ringsA = random.Rings(random.Uniform(1, 4));
    const auto ringsB = random.Rings(random.Uniform(1, 4));
    const CFPPolyRgn a = RegionOf(ringsA);
    const CFPPolyRgn b = RegionOf(ringsB);
    const CFPPolyRgn areaA = Normalize(a, rule);
    const CFPPolyRgn areaB = Normalize(b, rule);
    const CFPPolyRgn both = Union(a, b, rule);
    const CFPPolyRgn common = Intersection(a, b, rule);
    const CFPPolyRgn onlyA = Difference(a, b, rule);
    const CFPPolyRgn either = SymmetricDifference(a, b, rule);
    for (const CFPPolyRgn* result : {&areaA, &areaB, &both, &common, &onlyA, &either}) ExpectNormalForm(*result);

    const double tolerance = 1e-9 * (areaA.Area() + areaB.Area()) + 1e-12;
    EXPECT_NEAR(both.Area() + common.Area(), areaA.Area() + areaB.Area(), tolerance);
    EXPECT_NEAR(onlyA.Area() + common.Area(), areaA.Area(), tolerance);
    EXPECT_NEAR(Intersection(onlyA, common).Area(), 0.0, tolerance);
    EXPECT_NEAR(SymmetricDifference(either, Difference(both, common)).Area(), 0.0, tolerance);

    // Random points miss every edge by far more than the results' rounding.
    for (int probe = 0; probe < 25; ++probe) {
      const double x = random.Real(-5, 105);
      const CFPPoint pt(x, random.Real(-5, 105));  // x drawn first
      const bool inA = InsideByRule(ringsA, pt, rule);
      const bool inB = InsideByRule(ringsB, pt, rule);
      SCOPED_TRACE(::testing::Message() << "at (" << pt.x << ", " << pt.y << ")");
      EXPECT_EQ(AreaContains(a, pt, rule), inA);
      EXPECT_EQ(AreaContains(areaA, pt, other), inA);
      EXPECT_EQ(AreaContains(both, pt, other), inA || inB);
      EXPECT_EQ(AreaContains(common, pt, other), inA && inB);
      EXPECT_EQ(AreaContains(onlyA, pt, other), inA && !inB);
      EXPECT_EQ(AreaContains(either, pt, other), inA != inB);
    }
  }
}

}  // namespace
}  // namespace fpgeom::test
