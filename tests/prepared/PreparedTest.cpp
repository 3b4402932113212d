// The prepared polygon and region against the plain queries they replace:
// the same answers to the bit, single and batched, on generated rings and on
// degenerate ones, at the points where the answers are hardest to get right.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <iomanip>
#include <limits>
#include <memory>
#include <random>
#include <vector>

#include "algorithms/ScreenCases.h"
#include "fpgeom/fpgeom.h"
#include "prepared/ProbePoints.h"

namespace {

using namespace fpgeom;
using fpgeom::test::Points;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

bool SameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// Compares every answer of the prepared region of the rings, and of the
// prepared polygon of each ring, at the probes around all of them; returns
// the number of differing answers, reporting the first few.
std::uint64_t Differences(const std::vector<Points>& rings, fpgeom::test::ProbePoints& probes) {
  CFPPolyRgn region;
  const std::vector<CFPPoint> points = probes.Around(rings, region);
  std::vector<double> xy;
  for (const CFPPoint& pt : points) xy.insert(xy.end(), {pt.x, pt.y});
  const std::size_t count = points.size();
  std::vector<int> inside(count);
  std::vector<double> distances(count);
  std::uint64_t differences = 0;
  const auto expect = [&differences](bool same, const char* what, const CFPPoint& pt) {
    if (!same && ++differences <= 3) ADD_FAILURE() << std::setprecision(17) << what << " differs at (" << pt.x << ", " << pt.y << ")";
  };
  for (region.BeginIteration(); region.isIterationFinished() == 0;) {
    const CFPPolygon& polygon = *region.getNextPolygon();
    const PreparedPolygon prepared(polygon);
    prepared.PtInPolygon(xy.data(), count, inside.data());
    prepared.DistanceFromPoint(xy.data(), count, distances.data());
    for (std::size_t k = 0; k < count; ++k) {
      const int expected = polygon.PtInPolygon(points[k]);
      const double distance = polygon.DistanceFromPoint(points[k]);
      expect(inside[k] == expected && prepared.PtInPolygon(points[k]) == expected, "PtInPolygon", points[k]);
      expect(SameBits(distances[k], distance) && SameBits(prepared.DistanceFromPoint(points[k]), distance),
             "DistanceFromPoint", points[k]);
    }
  }
  const PreparedRegion prepared(region);
  prepared.PtInRgn(xy.data(), count, inside.data());
  for (std::size_t k = 0; k < count; ++k) {
    const int expected = region.PtInRgn(points[k]);
    expect(inside[k] == expected && prepared.PtInRgn(points[k]) == expected, "PtInRgn", points[k]);
    expect(SameBits(prepared.DistanceFromPoint(points[k]), region.DistanceFromPoint(points[k])),
           "the region's DistanceFromPoint", points[k]);
  }
  return differences;
}

// FPGEOM_PREPARED_PROBES=1000000 runs the full check; ctest runs a brief one.
TEST(Prepared, AnswersAsThePlainQueriesOnGeneratedRegions) {
  fpgeom::test::ScreenCases generated(7);
  fpgeom::test::ProbePoints probes(11);
  std::mt19937_64 random(13);
  const std::uint64_t wanted = fpgeom::test::RequestedCases("FPGEOM_PREPARED_PROBES", 8000);
  std::uint64_t rings = 0;
  std::uint64_t differences = 0;
  for (std::uint64_t asked = 0; asked < wanted;) {
    std::vector<Points> region(1 + random() % 3);
    for (Points& ring : region) {
      ring = generated.Next();
      // Longer rings, smooth or crossing themselves, fill bands and trees.
      if (++rings % 20 == 0) ring = test::BenchRing(random() % 2 ? bench::Shape::kStar : bench::Shape::kCrossing, 160);
      if (random() % 12 == 0) ring.resize(random() % 3);
      // Now and then a coordinate that is not a number or infinite.
      if (!ring.empty() && random() % 16 == 0) {
        CFPPoint& point = ring[random() % ring.size()];
        (random() % 2 == 0 ? point.x : point.y) = random() % 2 == 0 ? kNaN : -kInf;
      }
      asked += 12 * ring.size() * region.size();
    }
    differences += Differences(region, probes);
  }
  EXPECT_EQ(differences, 0u) << "of " << rings << " rings";
}

TEST(Prepared, AnswersAsThePlainQueriesOnDegenerateRings) {
  const std::vector<Points> rings = {
      {},
      {{1, 2}},
      {{0, 0}, {2, 2}},
      {{1, 1}, {1, 1}},
      {{1, 1}, {1, 1}, {1, 1}},
      {{0, 0}, {0, 1}, {1, 1}, {1, 0}, {0, 0}},
      {{0, 0}, {4, 0}, {4, 0}, {8, 0}, {8, 4}, {0, 4}},  // a collinear run with a repeated point
      {{2, 2}, {-1, -1}, {-1, 0}, {2, -1}, {-2, -1}},    // the breakdown gives up on it
      {{0, 0}, {2, 2}, {2, 0}, {0, 2}},                  // a figure-eight
      {{0, 0}, {1e200, 0}, {1e200, 1e200}, {0, 1e200}},  // too large for the distance tree
      {{0, 0}, {0, kInf}, {1, 1}, {2, 0}},
      {{0, 0}, {0, 1}, {kNaN, 1}, {1, 0}, {1, 0.5}, {2, 0.5}, {2, 0}, {3, 1}, {3, 0}, {4, 0.5}},
  };
  fpgeom::test::ProbePoints probes(17);
  for (const Points& ring : rings) EXPECT_EQ(Differences({ring}, probes), 0u);
  EXPECT_EQ(Differences(rings, probes), 0u);
  const PreparedRegion empty{CFPPolyRgn()};
  EXPECT_EQ(empty.PtInRgn(CFPPoint(0, 0)), 0);
  EXPECT_THROW(empty.DistanceFromPoint(CFPPoint(0, 0)), CInvalidArgException);
}

// Preparing moves the cursor as far as one containment query would, and the
// prepared polygon and its copies keep answering for the ring as it was.
TEST(Prepared, PolygonIsASnapshotAndMovesTheCursorNoFurtherThanOneQuery) {
  const std::unique_ptr<CFPPolygon> square(fpgeom::test::NewPolygon({{0, 0}, {0, 1}, {1, 1}, {1, 0}}));
  const std::unique_ptr<CFPPolygon> single(fpgeom::test::NewPolygon({{3, 4}}));
  square->BeginIteration(DIR_FORWARD);
  single->BeginIteration(DIR_FORWARD);
  const PreparedPolygon prepared(*square);
  EXPECT_EQ(square->isIterationFinished(), 1);
  EXPECT_EQ(PreparedPolygon(*single).DistanceFromPoint(CFPPoint(0, 0)), 5.0);
  EXPECT_EQ(single->isIterationFinished(), 0);
  square->RemoveAll();
  square->AddTailNode(CFPPoint(5, 5));
  EXPECT_EQ(prepared.PtInPolygon(CFPPoint(0.5, 0.5)), 1);
  EXPECT_EQ(PreparedPolygon(prepared).DistanceFromPoint(CFPPoint(3, 0.5)), 2.0);
}

}  // namespace
