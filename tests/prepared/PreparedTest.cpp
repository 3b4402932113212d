#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "BenchRings.h"
#include "algorithms/ScreenCases.h"
#include "fpgeom/fpgeom.h"
#include "prepared/ProbePoints.h"

namespace {

using fpgeom::PreparedPolygon;
using fpgeom::PreparedRegion;
using fpgeom::test::Points;
using fpgeom::test::ProbePoints;
using fpgeom::test::ScreenCases;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

// FPGEOM_PREPARED_PROBES=1000000 runs the full differential check; ctest
// runs a brief one.
std::uint64_t ProbeCount(std::uint64_t brief) {
  const char* requested = std::getenv("FPGEOM_PREPARED_PROBES");
  return requested != nullptr ? std::strtoull(requested, nullptr, 10) : brief;
}

bool SameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

CFPPolygon PolygonOf(const Points& ring) {
  CFPPolygon polygon;
  for (const CFPPoint& point : ring) polygon.AddTailNode(point);
  return polygon;
}

std::string Describe(const Points& ring, const CFPPoint& pt) {
  std::ostringstream text;
  text.precision(17);
  text << "at (" << pt.x << ", " << pt.y << ") of the ring";
  for (const CFPPoint& point : ring) text << " (" << point.x << ", " << point.y << ")";
  return text.str();
}

// Compares the prepared answers, single and batched, with the polygon's own
// and returns the number of differences, reporting the first few.
std::uint64_t Differences(const Points& ring, const std::vector<CFPPoint>& probes) {
  const CFPPolygon polygon = PolygonOf(ring);
  const PreparedPolygon prepared(polygon);
  std::vector<double> xy;
  for (const CFPPoint& pt : probes) xy.insert(xy.end(), {pt.x, pt.y});
  std::vector<int> inside(probes.size());
  std::vector<double> distances(probes.size());
  prepared.PtInPolygon(xy.data(), probes.size(), inside.data());
  prepared.DistanceFromPoint(xy.data(), probes.size(), distances.data());

  std::uint64_t differences = 0;
  for (std::size_t k = 0; k < probes.size(); ++k) {
    const CFPPoint& pt = probes[k];
    const int expectedInside = polygon.PtInPolygon(pt);
    const double expectedDistance = polygon.DistanceFromPoint(pt);
    const bool same = prepared.PtInPolygon(pt) == expectedInside && inside[k] == expectedInside &&
                      SameBits(prepared.DistanceFromPoint(pt), expectedDistance) &&
                      SameBits(distances[k], expectedDistance);
    if (!same && ++differences <= 3) {
      ADD_FAILURE() << "inside " << inside[k] << " for " << expectedInside << ", distance " << distances[k]
                    << " for " << expectedDistance << " " << Describe(ring, pt);
    }
  }
  return differences;
}

// Now and then a coordinate that is not a number or infinite.
void MaybePoison(Points& ring, std::mt19937_64& random) {
  if (ring.empty() || random() % 16 != 0) return;
  CFPPoint& point = ring[random() % ring.size()];
  (random() % 2 == 0 ? point.x : point.y) = random() % 2 == 0 ? kNaN : -kInf;
}

Points BenchRing(fpgeom::bench::Shape shape, int count) {
  Points ring;
  for (const auto& vertex : fpgeom::bench::MakeRing(shape, count)) ring.emplace_back(vertex.x, vertex.y);
  return ring;
}

TEST(PreparedPolygon, AnswersAsThePolygonDoesOnGeneratedRings) {
  ScreenCases rings(7);
  ProbePoints probes(11);
  std::mt19937_64 random(13);
  const std::uint64_t wanted = ProbeCount(8000);
  std::uint64_t asked = 0;
  std::uint64_t differences = 0;
  for (int round = 0; asked < wanted; ++round) {
    Points ring = rings.Next();
    // Longer rings, smooth or crossing themselves, fill bands and trees.
    if (round % 40 == 39) {
      ring = BenchRing(round % 80 == 39 ? fpgeom::bench::Shape::kStar : fpgeom::bench::Shape::kCrossing, 160);
    }
    MaybePoison(ring, random);
    const std::vector<CFPPoint> points = probes.Around(ring);
    differences += Differences(ring, points);
    asked += points.size();
  }
  EXPECT_EQ(differences, 0u) << "of " << asked << " points";
}

TEST(PreparedPolygon, AnswersAsThePolygonDoesOnDegenerateRings) {
  const std::vector<Points> rings = {
      {},
      {{1, 2}},
      {{0, 0}, {2, 2}},
      {{1, 1}, {1, 1}},
      {{1, 1}, {1, 1}, {1, 1}},
      {{0, 0}, {0, 1}, {1, 1}, {1, 0}, {0, 0}},
      {{0, 0}, {4, 0}, {4, 0}, {8, 0}, {8, 4}, {0, 4}},        // a collinear run with a repeated point
      {{2, 2}, {-1, -1}, {-1, 0}, {2, -1}, {-2, -1}},          // the breakdown gives up on it
      {{0, 0}, {2, 2}, {2, 0}, {0, 2}},                        // a figure-eight
      {{0, 0}, {1e200, 0}, {1e200, 1e200}, {0, 1e200}},        // too large for the distance tree
      {{0, 0}, {0, kInf}, {1, 1}, {2, 0}},
      {{0, 0}, {0, 1}, {kNaN, 1}, {1, 0}, {1, 0.5}, {2, 0.5}, {2, 0}, {3, 1}, {3, 0}, {4, 0.5}},
  };
  ProbePoints probes(17);
  for (const Points& ring : rings) EXPECT_EQ(Differences(ring, probes.Around(ring)), 0u);
}

TEST(PreparedPolygon, IsASnapshotAndMovesTheCursorNoFurtherThanOneQuery) {
  CFPPolygon square = PolygonOf({{0, 0}, {0, 1}, {1, 1}, {1, 0}});
  square.BeginIteration(DIR_FORWARD);
  const PreparedPolygon prepared(square);
  EXPECT_EQ(square.isIterationFinished(), 1);  // as after PtInPolygon: the breakdown copies the ring

  CFPPolygon single = PolygonOf({{3, 4}});
  single.BeginIteration(DIR_FORWARD);
  const PreparedPolygon preparedSingle(single);
  EXPECT_EQ(single.isIterationFinished(), 0);
  EXPECT_EQ(preparedSingle.DistanceFromPoint(CFPPoint(0, 0)), 5.0);

  square.RemoveAll();
  square.AddTailNode(CFPPoint(5, 5));
  EXPECT_EQ(prepared.PtInPolygon(CFPPoint(0.5, 0.5)), 1);
  EXPECT_EQ(prepared.DistanceFromPoint(CFPPoint(0.5, 0.5)), -0.5);
  const PreparedPolygon copy = prepared;
  EXPECT_EQ(copy.DistanceFromPoint(CFPPoint(3, 0.5)), 2.0);
}

TEST(PreparedRegion, AnswersAsTheRegionDoesWithOverlappingPolygons) {
  ScreenCases rings(23);
  ProbePoints probes(29);
  std::mt19937_64 random(31);
  std::uint64_t differences = 0;
  for (int round = 0; round < 10; ++round) {
    CFPPolyRgn region;
    std::vector<CFPPoint> points;
    for (int k = 1 + static_cast<int>(random() % 4); k > 0; --k) {
      Points ring = rings.Next();
      if (random() % 8 == 0) ring.resize(random() % 3);
      MaybePoison(ring, random);
      const std::vector<CFPPoint> around = probes.Around(ring);
      points.insert(points.end(), around.begin(), around.end());
      region.AddPolygon(new CFPPolygon(PolygonOf(ring)));
    }
    const PreparedRegion prepared(region);
    std::vector<double> xy;
    for (const CFPPoint& pt : points) xy.insert(xy.end(), {pt.x, pt.y});
    std::vector<int> inside(points.size());
    prepared.PtInRgn(xy.data(), points.size(), inside.data());
    for (std::size_t k = 0; k < points.size(); ++k) {
      const int expected = region.PtInRgn(points[k]);
      if (inside[k] != expected || prepared.PtInRgn(points[k]) != expected ||
          !SameBits(prepared.DistanceFromPoint(points[k]), region.DistanceFromPoint(points[k]))) {
        ++differences;
      }
    }
  }
  EXPECT_EQ(differences, 0u);

  const PreparedRegion empty{CFPPolyRgn()};
  EXPECT_EQ(empty.PtInRgn(CFPPoint(0, 0)), 0);
  EXPECT_THROW(empty.DistanceFromPoint(CFPPoint(0, 0)), CInvalidArgException);
}

}  // namespace
