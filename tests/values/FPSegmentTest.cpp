#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "fpgeom/values/FPSegment.h"
#include "fpgeom/values/Tolerance.h"
#include "values/ArchiveRecord.h"

namespace {

TEST(Segment, EqualityIsEndForEndWithinTwoToTheMinus23AndDirectionFreeEqualityAlsoTakesItReversed) {
  const CFPSegment forward(CFPPoint(0, 0), CFPPoint(1, 0));
  const CFPSegment backward(CFPPoint(1, 0), CFPPoint(0, 0));
  const double eps = fpgeom::kPointEpsilon;
  EXPECT_TRUE(forward == CFPSegment(CFPPoint(eps, -eps), CFPPoint(1, eps)));
  EXPECT_FALSE(forward == CFPSegment(CFPPoint(0, 0), CFPPoint(1, 2 * eps)));
  EXPECT_FALSE(forward == backward);
  EXPECT_TRUE(forward |= backward);
  EXPECT_TRUE(forward |= CFPSegment(CFPPoint(1 + eps, 0), CFPPoint(0, eps)));
  EXPECT_FALSE(forward |= CFPSegment(CFPPoint(1, 0), CFPPoint(0, 1)));
  EXPECT_FALSE(forward |= CFPSegment(CFPPoint(0, 0), CFPPoint(0, 0)));
}

TEST(Segment, NearestPointIsAnEndOrTheFootOfThePerpendicular) {
  const double eps = fpgeom::kDoubleEpsilon;
  const struct {
    CFPSegment segment;
    double x, y, expectedDistance, nearestX, nearestY;
  } cases[] = {
      {{{0, 0}, {10, 0}}, 5, -3, 3, 5, 0},   // foot inside, either side
      {{{0, 0}, {10, 0}}, -3, 4, 5, 0, 0},   // before the start
      {{{0, 0}, {10, 0}}, 14, 3, 5, 10, 0},  // past the end
      {{{0, 0}, {10, 0}}, 10, 2, 2, 10, 0},  // exactly at the far parameter 1: still the foot
      // Along (0,0)-(1,0) the parameter is x: up to 2^-52 snaps to the start.
      {{{0, 0}, {1, 0}}, eps, 1, std::hypot(eps, 1.0), 0, 0},
      {{{0, 0}, {1, 0}}, 2 * eps, 1, 1, 2 * eps, 0},
  };
  for (const auto& c : cases) {
    CFPPoint nearest(-99, -99);
    EXPECT_EQ(c.segment.getNearestPt(CFPPoint(c.x, c.y), nearest), c.expectedDistance) << c.x << ", " << c.y;
    EXPECT_EQ(nearest.x, c.nearestX) << c.x << ", " << c.y;
    EXPECT_EQ(nearest.y, c.nearestY) << c.x << ", " << c.y;
    EXPECT_EQ(c.segment.distance(CFPPoint(c.x, c.y)), c.expectedDistance) << c.x << ", " << c.y;
  }
  CFPPoint nearest(1, 1);
  EXPECT_TRUE(std::isnan(CFPSegment(CFPPoint(5, 0), CFPPoint(5, 0)).getNearestPt(CFPPoint(0, 0), nearest)));
  EXPECT_TRUE(std::isnan(nearest.x) && std::isnan(nearest.y)) << "a degenerate segment has no nearest point";
}

TEST(Segment, HasNoRecordOfItsOwnBeyondTheClassReference) {
  CFPSegment segment(CFPPoint(1, 2), CFPPoint(3, 4));
  EXPECT_TRUE(fpgeom::testing::StoreRecord(segment).empty());
  const std::vector<BYTE> expected = {0xFF, 0xFF, 1, 0, 10, 0, 'C', 'F', 'P', 'S', 'e', 'g', 'm', 'e', 'n', 't'};
  EXPECT_EQ(fpgeom::testing::StoreObject(segment), expected);
  const auto loaded = fpgeom::testing::LoadObject(expected, RUNTIME_CLASS(CFPSegment));
  ASSERT_NE(loaded, nullptr);
  EXPECT_EQ(loaded->GetRuntimeClass(), RUNTIME_CLASS(CFPSegment));
}

}  // namespace
