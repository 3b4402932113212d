// What every area must satisfy, and the fill rules evaluated plainly on the
// rings as given, for the overlay tests.
#pragma once

#include <cmath>
#include <cstdlib>
#include <vector>

#include <geos_c.h>
#include <gtest/gtest.h>

#include "fpgeom/overlay.h"
#include "region/RegionTestSupport.h"

namespace fpgeom::test {

// Whether the rings, each outer ring with the holes after it, make a valid
// multipolygon by the engine's own validity check (no ring meets itself,
// rings meet at most in points, holes inside their rings, outer rings apart).
inline bool IsValidMultipolygon(const std::vector<std::vector<Ring>>& polygons) {
  GEOSContextHandle_t context = GEOS_init_r();
  auto ringOf = [&](const Ring& ring) {
    GEOSCoordSequence* sequence = GEOSCoordSeq_create_r(context, static_cast<unsigned>(ring.size() + 1), 2);
    for (std::size_t k = 0; k <= ring.size(); ++k) {
      GEOSCoordSeq_setXY_r(context, sequence, static_cast<unsigned>(k), ring[k % ring.size()].first,
                           ring[k % ring.size()].second);
    }
    return GEOSGeom_createLinearRing_r(context, sequence);
  };
  std::vector<GEOSGeometry*> parts;
  for (const auto& rings : polygons) {
    std::vector<GEOSGeometry*> holes;
    for (std::size_t k = 1; k < rings.size(); ++k) holes.push_back(ringOf(rings[k]));
    parts.push_back(GEOSGeom_createPolygon_r(context, ringOf(rings[0]), holes.data(), static_cast<unsigned>(holes.size())));
  }
  GEOSGeometry* all = GEOSGeom_createCollection_r(context, GEOS_MULTIPOLYGON, parts.data(), static_cast<unsigned>(parts.size()));
  const bool valid = GEOSisValid_r(context, all) == 1;
  GEOSGeom_destroy_r(context, all);
  GEOS_finish_r(context);
  return valid;
}

// Outer rings of non-negative area each followed by holes of negative area,
// every ring at least three points without repeats, valid together;
// normalizing again changes neither the number of rings nor the area.
inline void ExpectNormalForm(const CFPPolyRgn& region) {
  std::vector<std::vector<Ring>> polygons;
  for (const Ring& ring : WalkedRegion(region)) {
    ASSERT_GE(ring.size(), 3u);
    for (std::size_t k = 0; k < ring.size(); ++k) EXPECT_NE(ring[k], ring[(k + 1) % ring.size()]);
    if (MakePolygon(ring)->Area() >= 0) {
      polygons.emplace_back();
    } else {
      ASSERT_FALSE(polygons.empty()) << "a hole before any outer ring";
    }
    polygons.back().push_back(ring);
  }
  EXPECT_TRUE(IsValidMultipolygon(polygons));
  for (const FillRule rule : {FillRule::kEvenOdd, FillRule::kNonZero}) {
    const CFPPolyRgn again = Normalize(region, rule);
    EXPECT_EQ(again.getCount(), region.getCount());
    EXPECT_NEAR(again.Area(), region.Area(), 1e-12 * std::abs(region.Area()) + 1e-300);
  }
}

// The sum over the rings of their winding numbers about the point.
inline long Winding(const std::vector<Ring>& rings, double x, double y) {
  long winding = 0;
  for (const Ring& ring : rings) {
    for (std::size_t k = 0; k < ring.size(); ++k) {
      const auto& [ax, ay] = ring[k];
      const auto& [bx, by] = ring[(k + 1) % ring.size()];
      const double side = (bx - ax) * (y - ay) - (x - ax) * (by - ay);
      if (ay <= y && y < by && side > 0) ++winding;
      if (by <= y && y < ay && side < 0) --winding;
    }
  }
  return winding;
}

inline bool InsideByRule(const std::vector<Ring>& rings, double x, double y, FillRule rule) {
  const long winding = Winding(rings, x, y);
  return rule == FillRule::kEvenOdd ? winding % 2 != 0 : winding != 0;
}

inline double DistanceToEdges(const std::vector<Ring>& rings, double x, double y) {
  double best = INFINITY;
  for (const Ring& ring : rings) {
    for (std::size_t k = 0; k < ring.size(); ++k) {
      const auto& [ax, ay] = ring[k];
      const auto& [bx, by] = ring[(k + 1) % ring.size()];
      const double dx = bx - ax;
      const double dy = by - ay;
      const double length2 = dx * dx + dy * dy;
      const double t = length2 > 0 ? std::clamp(((x - ax) * dx + (y - ay) * dy) / length2, 0.0, 1.0) : 0.0;
      best = std::min(best, std::hypot(ax + t * dx - x, ay + t * dy - y));
    }
  }
  return best;
}

}  // namespace fpgeom::test
