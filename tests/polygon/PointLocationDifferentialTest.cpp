// Screened containment and distance against the plain walk over every edge:
// the same bits and the same cursor, on the screen's rings (crossing ones
// included) and on points placed where the tests of the edges are decided.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <vector>

#include "algorithms/ScreenCases.h"
#include "polygon/PointLocation.h"
#include "polygon/PolygonTesting.h"

namespace {

using fpgeom::detail::PointLocation;
using fpgeom::test::Points;
using fpgeom::testing::BitsFromCursor;

// Vertices, points on and beside edges (by a few units in the last place or
// about 2^-23), at vertex heights, far away, and not finite.
CFPPoint QueryNear(const Points& ring, std::mt19937_64& random) {
  const auto uniform = [&random](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
  const CFPPoint& a = ring[static_cast<std::size_t>(uniform(0, static_cast<int>(ring.size()) - 1))];
  const CFPPoint& b = ring[static_cast<std::size_t>(uniform(0, static_cast<int>(ring.size()) - 1))];
  const double t = std::uniform_real_distribution<double>(0, 1)(random);
  CFPPoint q(a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t);
  switch (uniform(0, 6)) {
    case 0: return a;
    case 1: q.y = a.y; break;
    case 2: q.x = std::nextafter(q.x, uniform(0, 1) ? HUGE_VAL : -HUGE_VAL); break;
    case 3: q.y += std::ldexp(static_cast<double>(uniform(-3, 3)), -24); break;
    case 4: q.x = q.x * 1e6 + 1e3; break;
    case 5: q.y = uniform(0, 1) ? std::numeric_limits<double>::quiet_NaN() : HUGE_VAL; break;
    default: break;
  }
  return q;
}

// The distance's bits, the cursor after it, the answer, the cursor after it.
std::vector<std::uint64_t> Located(const CFPPolygon& polygon, const CFPPoint& q, bool screened) {
  const double distance = PointLocation::DistanceFromPoint(polygon, q, screened);
  std::vector<std::uint64_t> outcome = BitsFromCursor(polygon);
  std::uint64_t bits;
  std::memcpy(&bits, &distance, sizeof bits);
  outcome.push_back(bits);
  outcome.push_back(static_cast<std::uint64_t>(PointLocation::PtInPolygon(polygon, q, screened)));
  const std::vector<std::uint64_t> cursor = BitsFromCursor(polygon);
  outcome.insert(outcome.end(), cursor.begin(), cursor.end());
  return outcome;
}

TEST(PointLocationDifferential, ScreenedGivesThePlainBitsAndCursor) {
  fpgeom::test::ScreenCases rings(99);
  std::mt19937_64 random(5);
  const std::uint64_t count = fpgeom::test::RequestedCases("FPGEOM_LOCATION_CASES", 3000);
  for (std::uint64_t k = 0; k < count; ++k) {
    const Points ring = rings.Next();
    const CFPPolygon polygon = fpgeom::testing::PolygonOf(ring);
    const CFPPoint q = QueryNear(ring, random);
    ASSERT_EQ(Located(polygon, q, true), Located(polygon, q, false)) << "case " << k;
  }
}

}  // namespace
