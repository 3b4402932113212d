// Helpers shared by the region tests: regions built from point lists and
// read back, a polygon that counts its live instances, and an allocation
// counter that can be told to fail.
#pragma once

#include <cstddef>
#include <memory>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "fpgeom/polygon/FPPolygon.h"
#include "fpgeom/region/FPPolyRgn.h"

namespace fpgeom::test {

using Coordinates = std::vector<std::pair<double, double>>;

inline std::unique_ptr<CFPPolygon> MakePolygon(const Coordinates& points) {
  auto polygon = std::make_unique<CFPPolygon>();
  for (const auto& [x, y] : points) polygon->AddTailNode(x, y);
  return polygon;
}

inline CFPPolyRgn RegionOf(const std::vector<Coordinates>& rings) {
  CFPPolyRgn region;
  for (const Coordinates& ring : rings) region.AddPolygon(MakePolygon(ring).release());
  return region;
}

// Walks the ring head to tail with the polygon's cursor.
inline Coordinates PointsOf(const CFPPolygon& polygon) {
  Coordinates points;
  for (polygon.BeginIteration(DIR_FORWARD); polygon.isIterationFinished() == 0;) {
    const CFPPoint point = polygon.getNextNode();
    points.emplace_back(point.x, point.y);
  }
  return points;
}

// Walks the region with its cursor.
inline std::vector<CFPPolygon*> PolygonsOf(const CFPPolyRgn& region) {
  std::vector<CFPPolygon*> polygons;
  for (region.BeginIteration(); region.isIterationFinished() == 0;) polygons.push_back(region.getNextPolygon());
  return polygons;
}

inline std::vector<Coordinates> ContentsOf(const CFPPolyRgn& region) {
  std::vector<Coordinates> contents;
  for (const CFPPolygon* polygon : PolygonsOf(region)) contents.push_back(PointsOf(*polygon));
  return contents;
}

// Puts the region's cursor and every polygon's cursor on a head, so that an
// operation is seen to move them.
inline void PutCursorsOnTheHeads(const CFPPolyRgn& region) {
  for (CFPPolygon* polygon : PolygonsOf(region)) polygon->BeginIteration(DIR_FORWARD);
  region.BeginIteration();
}

// What an operation that walks every point of every polygon leaves behind.
inline void ExpectCursorsAtTheEnd(const CFPPolyRgn& region) {
  EXPECT_EQ(region.isIterationFinished(), 1);
  for (const CFPPolygon* polygon : PolygonsOf(region)) EXPECT_EQ(polygon->isIterationFinished(), 1);
}

// A polygon that knows how many of its kind are alive, so that a test can see
// which polygons a region deleted.
class CountedPolygon : public CFPPolygon {
 public:
  explicit CountedPolygon(const Coordinates& points = {}) {
    for (const auto& [x, y] : points) AddTailNode(x, y);
    ++s_alive;
  }
  CountedPolygon(const CountedPolygon&) = delete;
  CountedPolygon& operator=(const CountedPolygon&) = delete;
  ~CountedPolygon() override { --s_alive; }

  static int Alive() { return s_alive; }

 private:
  inline static int s_alive = 0;
};

// The global allocation functions of the test program count the blocks that
// are alive; while an AllocationFailure is in scope, the allocation after
// `successes` more successful ones throws std::bad_alloc.
std::ptrdiff_t LiveBlocks();

class AllocationFailure {
 public:
  explicit AllocationFailure(int successes);
  AllocationFailure(const AllocationFailure&) = delete;
  AllocationFailure& operator=(const AllocationFailure&) = delete;
  ~AllocationFailure();
};

}  // namespace fpgeom::test
