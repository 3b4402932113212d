// Screened containment and distance against the plain walk over every edge:
// the same bits and the same cursor, on the screen's rings (crossing ones
// included) at the probe points where the tests of the edges are decided.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

#include "algorithms/ScreenCases.h"
#include "polygon/PointLocation.h"
#include "prepared/ProbePoints.h"
#include "support/Shapes.h"

namespace {

using fpgeom::detail::PointLocation;
using namespace fpgeom::test;

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

// One of the probe points around each ring, so that many rings are seen.
TEST(PointLocationDifferential, ScreenedGivesThePlainBitsAndCursor) {
  fpgeom::test::ScreenCases rings(99);
  fpgeom::test::ProbePoints probes(5);
  const std::uint64_t count = RequestedCases("FPGEOM_LOCATION_CASES", 3000);
  for (std::uint64_t k = 0; k < count; ++k) {
    const Points ring = rings.Next();
    const CFPPolygon polygon = PolygonOf(ring);
    const std::vector<CFPPoint> around = probes.Around(ring);
    const CFPPoint& q = around[k * 7919 % around.size()];
    ASSERT_EQ(Located(polygon, q, true), Located(polygon, q, false)) << "case " << k;
  }
}

}  // namespace
