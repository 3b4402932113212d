// Rings for the prepared queries, and the points at which their answers are
// hardest to get right: the vertices, points on the edges and on the
// horizontals through the vertices, each also one unit in the last place or
// about one tolerance away, points around the box and far away, and points with
// coordinates that are not finite.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <vector>

#include "BenchRings.h"
#include "fpgeom/polygon/FPPolygon.h"
#include "fpgeom/region/FPPolyRgn.h"
#include "fpgeom/values/FPPoint.h"
#include "support/Shapes.h"

namespace fpgeom::test {

// A polygon of the points, for a region to own.
inline CFPPolygon* NewPolygon(const std::vector<CFPPoint>& ring) { return new CFPPolygon(PolygonOf(ring)); }

// A benchmark ring, moved right by shift.
inline std::vector<CFPPoint> BenchRing(bench::Shape shape, int count, double shift = 0) {
  std::vector<CFPPoint> ring;
  for (const auto& vertex : bench::MakeRing(shape, count)) ring.emplace_back(vertex.x + shift, vertex.y);
  return ring;
}

class ProbePoints {
 public:
  explicit ProbePoints(std::uint64_t seed) : m_random(seed) {}

  // About twelve points for each vertex of ring, and a few more.
  std::vector<CFPPoint> Around(const std::vector<CFPPoint>& ring) {
    std::vector<CFPPoint> probes;
    if (ring.empty() || Chance(0.2)) AddNonFinite(probes, ring.empty() ? CFPPoint(0, 0) : ring[0]);
    if (ring.empty()) return probes;
    const auto [left, right] = std::minmax_element(ring.begin(), ring.end(), [](auto& a, auto& b) { return a.x < b.x; });
    const auto [bottom, top] = std::minmax_element(ring.begin(), ring.end(), [](auto& a, auto& b) { return a.y < b.y; });
    for (std::size_t k = 0; k < ring.size(); ++k) {
      const CFPPoint& a = ring[k];
      const CFPPoint& b = ring[(k + 1) % ring.size()];
      AddNudged(probes, a);
      const double t = Chance(0.3) ? 0.5 : Between(0, 1);
      AddNudged(probes, CFPPoint(a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t));
      // Where crossings are counted at vertices and along horizontal runs.
      probes.emplace_back(Between(left->x, right->x), a.y);
    }
    const double spreadX = (right->x - left->x) * 0.1, spreadY = (top->y - bottom->y) * 0.1;
    for (int k = 0; k < 4; ++k) {
      probes.emplace_back(Between(left->x - spreadX, right->x + spreadX), Between(bottom->y - spreadY, top->y + spreadY));
    }
    AddNudged(probes, CFPPoint(left->x, bottom->y));
    AddNudged(probes, CFPPoint(right->x, top->y));
    probes.emplace_back(right->x * 1e6 + 1e3, top->y);  // far away
    return probes;
  }

  // Each ring added to region in turn, and the points around it.
  std::vector<CFPPoint> Around(const std::vector<std::vector<CFPPoint>>& rings, CFPPolyRgn& region) {
    std::vector<CFPPoint> points;
    for (const std::vector<CFPPoint>& ring : rings) {
      region.AddPolygon(NewPolygon(ring));
      const std::vector<CFPPoint> around = Around(ring);
      points.insert(points.end(), around.begin(), around.end());
    }
    return points;
  }

 private:
  // The point, and beside it one unit in the last place, one tolerance, or
  // just under or over one tolerance away, in x, in y or in both.
  void AddNudged(std::vector<CFPPoint>& probes, const CFPPoint& point) {
    probes.push_back(point);
    const double tolerance = Chance(0.5) ? 1.1920928955078125e-07 : 2.220446049250313e-16;
    const double away = Chance(0.5) ? std::numeric_limits<double>::infinity() : -std::numeric_limits<double>::infinity();
    const int kind = Uniform(0, 3);
    const auto nudge = [&](double value) {
      const double moved = value + std::copysign(tolerance, away);
      return kind == 0 ? std::nextafter(value, away) : kind == 1 ? moved : std::nextafter(moved, kind == 2 ? value : away);
    };
    const int which = Uniform(0, 2);
    probes.emplace_back(which == 1 ? point.x : nudge(point.x), which == 0 ? point.y : nudge(point.y));
  }

  static void AddNonFinite(std::vector<CFPPoint>& probes, const CFPPoint& near) {
    for (const double odd : {std::numeric_limits<double>::quiet_NaN(), HUGE_VAL, -HUGE_VAL}) {
      probes.insert(probes.end(), {CFPPoint(odd, near.y), CFPPoint(near.x, odd), CFPPoint(odd, odd)});
    }
  }

  double Between(double low, double high) {
    return low == high ? low : std::uniform_real_distribution<double>(0, 1)(m_random) * (high - low) + low;
  }
  int Uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }
  bool Chance(double probability) { return std::bernoulli_distribution(probability)(m_random); }

  std::mt19937_64 m_random;
};

}  // namespace fpgeom::test
