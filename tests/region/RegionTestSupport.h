// Regions built from point lists (read back with WalkedRegion), and a polygon
// that counts its live instances so a test sees which were deleted.
#pragma once

#include <algorithm>
#include <memory>
#include <vector>

#include <gtest/gtest.h>

#include "fpgeom/polygon/FPPolygon.h"
#include "fpgeom/region/FPPolyRgn.h"
#include "robustness/RobustnessSupport.h"

namespace fpgeom::test {

// Clockwise (filled) with y up, as the rectangle constructor gives it, or the
// other way round.
inline Ring Square(double left, double bottom, double size, bool reversed = false) {
  Ring ring = {{left, bottom}, {left, bottom + size}, {left + size, bottom + size}, {left + size, bottom}};
  if (reversed) std::reverse(ring.begin(), ring.end());
  return ring;
}

inline std::unique_ptr<CFPPolygon> MakePolygon(const Ring& points) {
  auto polygon = std::make_unique<CFPPolygon>();
  AppendRing(*polygon, points);
  return polygon;
}

inline CFPPolyRgn RegionOf(const std::vector<Ring>& rings) {
  CFPPolyRgn region;
  for (const Ring& ring : rings) region.AddPolygon(MakePolygon(ring).release());
  return region;
}

inline std::vector<CFPPolygon*> PolygonsOf(const CFPPolyRgn& region) {
  std::vector<CFPPolygon*> polygons;
  for (region.BeginIteration(); region.isIterationFinished() == 0;) polygons.push_back(region.getNextPolygon());
  return polygons;
}

class CountedPolygon : public CFPPolygon {
 public:
  explicit CountedPolygon(const Ring& points = {}) {
    AppendRing(*this, points);
    ++s_alive;
  }
  CountedPolygon(const CountedPolygon&) = delete;
  CountedPolygon& operator=(const CountedPolygon&) = delete;
  ~CountedPolygon() override { --s_alive; }
  static int Alive() { return s_alive; }

 private:
  inline static int s_alive = 0;
};

}  // namespace fpgeom::test
