#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <memory>
#include <vector>

#include "fpgeom/frame/Exceptions.h"
#include "fpgeom/values/FPPoint.h"
#include "fpgeom/values/Tolerance.h"
#include "values/ArchiveRecord.h"

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr std::int32_t kIntMin = std::numeric_limits<std::int32_t>::min();

TEST(Point, ConstructorsTakeCoordinatesAndIntegerPointsExactly) {
  const CFPPoint point(1.5, -2.25);
  EXPECT_EQ(point.x, 1.5);
  EXPECT_EQ(point.y, -2.25);

  const CFPPoint fromInteger(CPoint(-2147483647 - 1, 2147483647));
  EXPECT_EQ(fromInteger.x, -2147483648.0);
  EXPECT_EQ(fromInteger.y, 2147483647.0);

  CFPPoint assigned(0.0, 0.0);
  assigned = point;
  EXPECT_EQ(assigned.x, 1.5);
  EXPECT_EQ(assigned.y, -2.25);
}

TEST(Point, EqualityAllowsTwoToTheMinus23InEachCoordinateInclusive) {
  const CFPPoint origin(0.0, 0.0);
  const double justOver = std::nextafter(fpgeom::kPointEpsilon, 1.0);
  EXPECT_TRUE(origin == CFPPoint(1e-07, 0.0));
  EXPECT_TRUE(origin == CFPPoint(0.0, fpgeom::kPointEpsilon));
  EXPECT_TRUE(origin == CFPPoint(-fpgeom::kPointEpsilon, fpgeom::kPointEpsilon));
  EXPECT_FALSE(origin == CFPPoint(2e-07, 0.0));
  EXPECT_FALSE(origin == CFPPoint(justOver, 0.0));
  EXPECT_FALSE(origin == CFPPoint(0.0, -justOver));
  EXPECT_TRUE(origin != CFPPoint(0.0, justOver));
  EXPECT_FALSE(origin != CFPPoint(fpgeom::kPointEpsilon, 0.0));
}

TEST(Point, EqualityToleranceIsAbsoluteNotRelative) {
  // One ulp at 1e10 is 2^-19, so neighbours there already differ by more
  // than the tolerance.
  const double large = 1e10;
  EXPECT_FALSE(CFPPoint(large, 0.0) == CFPPoint(std::nextafter(large, 2e10), 0.0));
  EXPECT_TRUE(CFPPoint(large, 0.0) == CFPPoint(large, 0.0));
}

TEST(Point, NaNCoordinateComparesEqualBecauseItsDifferenceIsNotGreater) {
  EXPECT_TRUE(CFPPoint(kNaN, 0.0) == CFPPoint(5.0, 0.0));
  EXPECT_TRUE(CFPPoint(0.0, 0.0) == CFPPoint(0.0, kNaN));
  EXPECT_FALSE(CFPPoint(kNaN, 0.0) != CFPPoint(5.0, 0.0));
  EXPECT_FALSE(CFPPoint(kNaN, 0.0) == CFPPoint(5.0, 1.0));
}

TEST(Point, ConvertsToIntegerPointRoundingHalvesAwayFromZero) {
  struct Case {
    double x, y;
    std::int32_t expectedX, expectedY;
  };
  const Case cases[] = {
      {2.5, -2.5, 3, -3},
      {2.4999, -0.5, 2, -1},
      {0.49999999999999994, -0.49999999999999994, 0, 0},
      {2147483647.4, -2147483648.4, 2147483647, kIntMin},
      {2147483647.5, -2147483648.5, kIntMin, kIntMin},
      {3e9, -3e9, kIntMin, kIntMin},
      {kNaN, std::numeric_limits<double>::infinity(), kIntMin, kIntMin},
  };
  for (const Case& c : cases) {
    const CPoint converted = CFPPoint(c.x, c.y);
    EXPECT_EQ(converted.x, c.expectedX) << c.x;
    EXPECT_EQ(converted.y, c.expectedY) << c.y;
  }
}

TEST(Point, RecordIsXThenYAsLittleEndianDoubles) {
  CFPPoint point(1.0, -0.5);
  const std::vector<BYTE> expected = {0, 0, 0, 0, 0, 0, 0xF0, 0x3F, 0, 0, 0, 0, 0, 0, 0xE0, 0xBF};
  EXPECT_EQ(fpgeom::testing::StoreRecord(point), expected);

  CFPPoint loaded(0.0, 0.0);
  fpgeom::testing::LoadRecord(loaded, expected);
  EXPECT_EQ(loaded.x, 1.0);
  EXPECT_EQ(loaded.y, -0.5);
}

TEST(Point, LoadingAShortRecordThrowsEndOfFile) {
  CFPPoint loaded(0.0, 0.0);
  try {
    fpgeom::testing::LoadRecord(loaded, {0, 0, 0, 0, 0, 0, 0xF0, 0x3F, 0, 0});
    FAIL() << "a 10-byte record loaded";
  } catch (const CArchiveException& error) {
    EXPECT_EQ(error.m_cause, 3);
  }
}

TEST(Point, ObjectReferenceNamesTheClassWithSchemaOneBeforeTheRecord) {
  const CFPPoint point(2.0, 3.0);
  // clang-format off
  const std::vector<BYTE> expected = {
      0xFF, 0xFF, 1, 0, 8, 0, 'C', 'F', 'P', 'P', 'o', 'i', 'n', 't',  // new class, schema 1, name
      0, 0, 0, 0, 0, 0, 0x00, 0x40,                                      // x 2
      0, 0, 0, 0, 0, 0, 0x08, 0x40,                                      // y 3
  };
  // clang-format on
  EXPECT_EQ(fpgeom::testing::StoreObject(point), expected);
}

TEST(Point, RuntimeClassIsRegisteredByNameWithSchemaOne) {
  const CFPPoint point(0.0, 0.0);
  EXPECT_EQ(point.GetRuntimeClass(), RUNTIME_CLASS(CFPPoint));
  EXPECT_STREQ(RUNTIME_CLASS(CFPPoint)->m_lpszClassName, "CFPPoint");
  EXPECT_EQ(RUNTIME_CLASS(CFPPoint)->m_wSchema, 1u);
  EXPECT_TRUE(point.IsKindOf(RUNTIME_CLASS(CObject)));
  EXPECT_EQ(CRuntimeClass::FromName("CFPPoint"), RUNTIME_CLASS(CFPPoint));

  const std::unique_ptr<CObject> created(CRuntimeClass::CreateObject("CFPPoint"));
  ASSERT_NE(created, nullptr);
  EXPECT_EQ(created->GetRuntimeClass(), RUNTIME_CLASS(CFPPoint));
}

}  // namespace
