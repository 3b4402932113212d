#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

#include "fpgeom/values/FPSegment.h"
#include "fpgeom/values/Tolerance.h"
#include "values/ArchiveRecord.h"

namespace {

TEST(Segment, ConstructionAndAssignmentCopyBothEnds) {
  const CFPSegment segment(CFPPoint(1, 2), CFPPoint(3, 4));
  EXPECT_EQ(segment.pt1.x, 1.0);
  EXPECT_EQ(segment.pt1.y, 2.0);
  EXPECT_EQ(segment.pt2.x, 3.0);
  EXPECT_EQ(segment.pt2.y, 4.0);

  CFPSegment assigned(CFPPoint(0, 0), CFPPoint(0, 0));
  EXPECT_EQ(&(assigned = segment), &assigned);
  EXPECT_EQ(assigned.pt2.y, 4.0);
  const CFPSegment copy(assigned);
  EXPECT_EQ(copy.pt1.x, 1.0);
}

TEST(Segment, EqualityIsEndForEndWithinTwoToTheMinus23) {
  const CFPSegment forward(CFPPoint(0, 0), CFPPoint(1, 0));
  const CFPSegment backward(CFPPoint(1, 0), CFPPoint(0, 0));
  const double eps = fpgeom::kPointEpsilon;
  EXPECT_TRUE(forward == CFPSegment(CFPPoint(eps, -eps), CFPPoint(1, eps)));
  EXPECT_FALSE(forward == CFPSegment(CFPPoint(0, 0), CFPPoint(1, 2 * eps)));
  EXPECT_FALSE(forward == backward);
}

TEST(Segment, DirectionFreeEqualityAcceptsEitherOrderAndChangesNothing) {
  const CFPSegment forward(CFPPoint(0, 0), CFPPoint(1, 0));
  const CFPSegment backward(CFPPoint(1, 0), CFPPoint(0, 0));
  const double eps = fpgeom::kPointEpsilon;
  EXPECT_TRUE(forward |= backward);
  EXPECT_TRUE(forward |= forward);
  EXPECT_TRUE(forward |= CFPSegment(CFPPoint(1 + eps, 0), CFPPoint(0, eps)));
  EXPECT_FALSE(forward |= CFPSegment(CFPPoint(1, 0), CFPPoint(0, 1)));
  EXPECT_FALSE(forward |= CFPSegment(CFPPoint(0, 0), CFPPoint(0, 0)));
  EXPECT_EQ(backward.pt1.x, 1.0);
  EXPECT_EQ(forward.pt2.x, 1.0);
}

TEST(Segment, SizeIsTheLengthOfTheSegment) {
  EXPECT_EQ(CFPSegment(CFPPoint(1, 1), CFPPoint(4, 5)).GetSize(), 5.0);
  EXPECT_EQ(CFPSegment(CFPPoint(4, 5), CFPPoint(1, 1)).GetSize(), 5.0);
  EXPECT_EQ(CFPSegment(CFPPoint(2, 2), CFPPoint(2, 2)).GetSize(), 0.0);
}

TEST(Segment, NearestPointIsAnEndOrTheFootOfThePerpendicular) {
  struct Case {
    double x, y, expectedDistance, nearestX, nearestY;
  };
  const Case cases[] = {
      {5, 3, 3, 5, 0},      // foot inside
      {5, -3, 3, 5, 0},     // either side
      {-3, 4, 5, 0, 0},     // before the start
      {14, 3, 5, 10, 0},    // past the end
      {10, 2, 2, 10, 0},    // exactly at the far parameter 1: still the foot
      {0, 7, 7, 0, 0},      // parameter 0 is taken as the start
      {2.5, 0, 0, 2.5, 0},  // on the segment
  };
  const CFPSegment segment(CFPPoint(0, 0), CFPPoint(10, 0));
  for (const Case& c : cases) {
    CFPPoint nearest(-99, -99);
    EXPECT_EQ(segment.getNearestPt(CFPPoint(c.x, c.y), nearest), c.expectedDistance) << c.x << ", " << c.y;
    EXPECT_EQ(nearest.x, c.nearestX) << c.x << ", " << c.y;
    EXPECT_EQ(nearest.y, c.nearestY) << c.x << ", " << c.y;
    EXPECT_EQ(segment.distance(CFPPoint(c.x, c.y)), c.expectedDistance) << c.x << ", " << c.y;
  }
}

TEST(Segment, ProjectionAtMostTwoToTheMinus52SnapsToTheStart) {
  // Along (0,0)-(1,0) the parameter is the x coordinate itself.
  const CFPSegment unit(CFPPoint(0, 0), CFPPoint(1, 0));
  const double eps = fpgeom::kDoubleEpsilon;
  CFPPoint nearest;
  EXPECT_EQ(unit.getNearestPt(CFPPoint(eps, 1), nearest), std::hypot(eps, 1.0));
  EXPECT_EQ(nearest.x, 0.0);
  EXPECT_EQ(unit.getNearestPt(CFPPoint(2 * eps, 1), nearest), 1.0);
  EXPECT_EQ(nearest.x, 2 * eps);
}

TEST(Segment, DegenerateSegmentGivesNaNDistanceAndNearestPoint) {
  const CFPSegment point(CFPPoint(5, 0), CFPPoint(5, 0));
  CFPPoint nearest(1, 1);
  EXPECT_TRUE(std::isnan(point.getNearestPt(CFPPoint(0, 0), nearest)));
  EXPECT_TRUE(std::isnan(nearest.x));
  EXPECT_TRUE(std::isnan(nearest.y));
}

TEST(Segment, HasNoRecordOfItsOwnBeyondTheClassReference) {
  CFPSegment segment(CFPPoint(1, 2), CFPPoint(3, 4));
  EXPECT_TRUE(fpgeom::testing::StoreRecord(segment).empty());

  const std::vector<BYTE> expected = {0xFF, 0xFF, 1, 0, 10, 0, 'C', 'F', 'P', 'S', 'e', 'g', 'm', 'e', 'n', 't'};
  std::vector<BYTE> stored = fpgeom::testing::StoreObject(segment);
  EXPECT_EQ(stored, expected);

  CMemFile file(stored.data(), static_cast<UINT>(stored.size()));
  CArchive archive(&file, CArchive::load);
  const std::unique_ptr<CObject> loaded(archive.ReadObject(RUNTIME_CLASS(CFPSegment)));
  ASSERT_NE(loaded, nullptr);
  EXPECT_EQ(loaded->GetRuntimeClass(), RUNTIME_CLASS(CFPSegment));
}

TEST(Segment, RuntimeClassIsRegisteredByNameWithSchemaOne) {
  EXPECT_STREQ(RUNTIME_CLASS(CFPSegment)->m_lpszClassName, "CFPSegment");
  EXPECT_EQ(RUNTIME_CLASS(CFPSegment)->m_wSchema, 1u);
  EXPECT_EQ(CRuntimeClass::FromName("CFPSegment"), RUNTIME_CLASS(CFPSegment));
  const std::unique_ptr<CObject> created(CRuntimeClass::CreateObject("CFPSegment"));
  ASSERT_NE(created, nullptr);
  EXPECT_TRUE(created->IsKindOf(RUNTIME_CLASS(CFPSegment)));
}

}  // namespace
