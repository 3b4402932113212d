// Random regions (nested, overlapping, repeated and self-crossing rings) under
// both fill rules: the results must be in normal form, their areas must add up
// and tile, and they must contain exactly the points the rules put in them.
#include <cmath>

#include <gtest/gtest.h>

#include "overlay/OverlayTesting.h"
#include "support/RandomRegions.h"

namespace fpgeom::test {
namespace {

constexpr double kRelative = 1e-9;

void ExpectClose(double actual, double expected, double scale) {
  EXPECT_NEAR(actual, expected, kRelative * scale + 1e-12);
}

class OverlayProperties : public ::testing::TestWithParam<FillRule> {};

TEST_P(OverlayProperties, AreasAddUpTileAndContainWhatTheRuleSays) {
  const FillRule rule = GetParam();
  const FillRule other = rule == FillRule::kEvenOdd ? FillRule::kNonZero : FillRule::kEvenOdd;
  RandomRegions random(rule == FillRule::kEvenOdd ? 19 : 91);
  for (int round = 0; round < 30; ++round) {
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

    const double scale = areaA.Area() + areaB.Area();
    ExpectClose(both.Area() + common.Area(), scale, scale);
    ExpectClose(onlyA.Area() + common.Area(), areaA.Area(), scale);
    ExpectClose(Intersection(onlyA, common).Area(), 0.0, scale);
    ExpectClose(either.Area(), both.Area() - common.Area(), scale);
    ExpectClose(SymmetricDifference(either, Difference(both, common)).Area(), 0.0, scale);

    for (int probe = 0; probe < 25; ++probe) {
      const double x = random.Real(-5, 105);
      const double y = random.Real(-5, 105);
      if (DistanceToEdges(ringsA, x, y) < 1e-6 || DistanceToEdges(ringsB, x, y) < 1e-6) continue;
      const bool inA = InsideByRule(ringsA, x, y, rule);
      const bool inB = InsideByRule(ringsB, x, y, rule);
      const CFPPoint pt(x, y);
      SCOPED_TRACE(testing::Message() << "at (" << x << ", " << y << ")");
      EXPECT_EQ(AreaContains(a, pt, rule), inA ? 1 : 0);
      EXPECT_EQ(AreaContains(areaA, pt, other), inA ? 1 : 0);
      EXPECT_EQ(AreaContains(both, pt, other), inA || inB ? 1 : 0);
      EXPECT_EQ(AreaContains(common, pt, other), inA && inB ? 1 : 0);
      EXPECT_EQ(AreaContains(onlyA, pt, other), inA && !inB ? 1 : 0);
      EXPECT_EQ(AreaContains(either, pt, other), inA != inB ? 1 : 0);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(BothRules, OverlayProperties, ::testing::Values(FillRule::kEvenOdd, FillRule::kNonZero),
                         [](const auto& info) { return info.param == FillRule::kEvenOdd ? "EvenOdd" : "NonZero"; });

}  // namespace
}  // namespace fpgeom::test
