// Many threads query one prepared polygon and one prepared region at once and
// must all get the answers computed beforehand on one thread. Run under
// ThreadSanitizer by the test script, which also reports any data race.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "fpgeom/fpgeom.h"
#include "prepared/ProbePoints.h"

namespace {

using namespace fpgeom;

TEST(PreparedConcurrency, ThreadsSharingPreparedObjectsGetTheSerialAnswers) {
  CFPPolyRgn region;
  const std::vector<CFPPoint> points = test::ProbePoints(3).Around(
      {test::BenchRing(bench::Shape::kCrossing, 400), test::BenchRing(bench::Shape::kStar, 300, 700)}, region);
  const PreparedRegion preparedRegion(region);
  region.BeginIteration();
  const PreparedPolygon preparedPolygon(*region.getNextPolygon());
  std::vector<int> inside;
  std::vector<double> distances;
  for (const CFPPoint& pt : points) {
    inside.push_back(preparedRegion.PtInRgn(pt));
    distances.push_back(preparedPolygon.DistanceFromPoint(pt));
  }

  std::atomic<int> mismatches{0};
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t) {
    threads.emplace_back([&, t] {
      const PreparedPolygon copy = preparedPolygon;  // copies share the index
      // Each thread starts elsewhere, so that they meet on every part.
      for (std::size_t k = 0; k < points.size(); ++k) {
        const std::size_t at = (k + static_cast<std::size_t>(t) * points.size() / 4) % points.size();
        if (preparedRegion.PtInRgn(points[at]) != inside[at]) ++mismatches;
        const double distance = (t % 2 == 0 ? copy : preparedPolygon).DistanceFromPoint(points[at]);
        if (!(distance == distances[at] || (distance != distance && distances[at] != distances[at]))) ++mismatches;
      }
    });
  }
  for (std::thread& thread : threads) thread.join();
  EXPECT_EQ(mismatches.load(), 0);
}

}  // namespace
