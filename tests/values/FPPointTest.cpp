#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

#include "fpgeom/frame/Exceptions.h"
#include "fpgeom/values/FPPoint.h"
#include "fpgeom/values/Tolerance.h"
#include "values/ArchiveRecord.h"

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr std::int32_t kIntMin = std::numeric_limits<std::int32_t>::min();

TEST(Point, EqualityAllowsTwoToTheMinus23InEachCoordinateInclusiveAndAbsolute) {
  const double eps = fpgeom::kPointEpsilon;
  const double justOver = std::nextafter(eps, 1.0);
  EXPECT_TRUE(CFPPoint(0, 0) == CFPPoint(-eps, eps));
  EXPECT_FALSE(CFPPoint(0, 0) == CFPPoint(justOver, 0));
  EXPECT_TRUE(CFPPoint(0, 0) != CFPPoint(0, -justOver));
  // One ulp at 1e10 is 2^-19: a relative tolerance would call these equal.
  EXPECT_FALSE(CFPPoint(1e10, 0) == CFPPoint(std::nextafter(1e10, 2e10), 0));
  // A NaN difference is not greater than the tolerance.
  EXPECT_TRUE(CFPPoint(kNaN, 0) == CFPPoint(5, 0));
  EXPECT_FALSE(CFPPoint(kNaN, 0) == CFPPoint(5, 1));
}

TEST(Point, ConvertsToIntegerPointRoundingHalvesAwayFromZero) {
  const struct {
    double x, y;
    std::int32_t expectedX, expectedY;
  } cases[] = {
      {2.5, -2.5, 3, -3},
      {2.4999, -0.5, 2, -1},
      {0.49999999999999994, -0.49999999999999994, 0, 0},
      {2147483647.4, -2147483648.4, 2147483647, kIntMin},
      {2147483647.5, -2147483648.5, kIntMin, kIntMin},
      {kNaN, std::numeric_limits<double>::infinity(), kIntMin, kIntMin},
  };
  for (const auto& c : cases) {
    const CPoint converted = CFPPoint(c.x, c.y);
    EXPECT_EQ(converted.x, c.expectedX) << c.x;
    EXPECT_EQ(converted.y, c.expectedY) << c.y;
  }
}

TEST(Point, ObjectReferenceNamesTheClassWithSchemaOneBeforeXThenYAsLittleEndianDoubles) {
  const std::vector<BYTE> expected = {
      0xFF, 0xFF, 1, 0, 8, 0, 'C', 'F', 'P', 'P', 'o', 'i', 'n', 't',  // new class, schema 1, name
      0, 0, 0, 0, 0, 0, 0x00, 0x40, 0, 0, 0, 0, 0, 0, 0xE0, 0xBF,      // x 2, y -0.5
  };
  EXPECT_EQ(fpgeom::testing::StoreObject(CFPPoint(2.0, -0.5)), expected);

  const auto loaded = fpgeom::testing::LoadObject(expected, RUNTIME_CLASS(CFPPoint));
  ASSERT_NE(loaded, nullptr);
  ASSERT_EQ(loaded->GetRuntimeClass(), RUNTIME_CLASS(CFPPoint));
  EXPECT_EQ(static_cast<const CFPPoint&>(*loaded).x, 2.0);
  EXPECT_EQ(static_cast<const CFPPoint&>(*loaded).y, -0.5);

  CFPPoint shortRecord(0, 0);
  try {
    fpgeom::testing::LoadRecord(shortRecord, {0, 0, 0, 0, 0, 0, 0xF0, 0x3F, 0, 0});
    FAIL() << "a 10-byte record loaded";
  } catch (const CArchiveException& error) {
    EXPECT_EQ(error.m_cause, CArchiveException::endOfFile);
  }
}

}  // namespace
