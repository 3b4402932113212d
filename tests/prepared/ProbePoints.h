// Points at which the answers about a ring are hardest to get right: its
// vertices, points on its edges and on the horizontals through its vertices,
// each also one unit in the last place and one tolerance away, points around
// its box, and points with coordinates that are not finite.
#pragma once

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>
#include <vector>

#include "fpgeom/values/FPPoint.h"

namespace fpgeom::test {

class ProbePoints {
 public:
  explicit ProbePoints(std::uint64_t seed) : m_random(seed) {}

  // About twelve points for each vertex of ring, and a few more.
  std::vector<CFPPoint> Around(const std::vector<CFPPoint>& ring) {
    std::vector<CFPPoint> probes;
    if (ring.empty()) {
      AddNonFinite(probes, CFPPoint(0, 0));
      return probes;
    }
    double left = ring[0].x, right = ring[0].x, bottom = ring[0].y, top = ring[0].y;
    for (const CFPPoint& p : ring) {
      left = std::min(left, p.x);
      right = std::max(right, p.x);
      bottom = std::min(bottom, p.y);
      top = std::max(top, p.y);
    }
    for (std::size_t k = 0; k < ring.size(); ++k) {
      const CFPPoint& a = ring[k];
      const CFPPoint& b = ring[(k + 1) % ring.size()];
      AddNudged(probes, a);
      const double t = Chance(0.3) ? 0.5 : Real(0, 1);
      AddNudged(probes, CFPPoint(a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t));
      // On the horizontal through the vertex, where crossings are counted at
      // vertices and along horizontal runs.
      probes.emplace_back(Between(left, right), a.y);
    }
    for (int k = 0; k < 4; ++k) {
      const double spreadX = (right - left) * 0.1, spreadY = (top - bottom) * 0.1;
      probes.emplace_back(Between(left - spreadX, right + spreadX), Between(bottom - spreadY, top + spreadY));
    }
    AddNudged(probes, CFPPoint(left, bottom));
    AddNudged(probes, CFPPoint(right, top));
    if (Chance(0.2)) AddNonFinite(probes, ring[0]);
    return probes;
  }

 private:
  // The point, and one of its neighbours one unit in the last place or one
  // tolerance (or just under or over one tolerance) away.
  void AddNudged(std::vector<CFPPoint>& probes, const CFPPoint& point) {
    probes.push_back(point);
    const double tolerance = Chance(0.5) ? 1.1920928955078125e-07 : 2.220446049250313e-16;
    const double direction = Chance(0.5) ? 1.0 : -1.0;
    const auto nudge = [&](double value) {
      switch (Uniform(0, 3)) {
        case 0: return std::nextafter(value, direction * std::numeric_limits<double>::infinity());
        case 1: return value + direction * tolerance;
        case 2: return std::nextafter(value + direction * tolerance, value);
        default: return std::nextafter(value + direction * tolerance, direction * std::numeric_limits<double>::infinity());
      }
    };
    switch (Uniform(0, 2)) {
      case 0: probes.emplace_back(nudge(point.x), point.y); break;
      case 1: probes.emplace_back(point.x, nudge(point.y)); break;
      default: probes.emplace_back(nudge(point.x), nudge(point.y)); break;
    }
  }

  static void AddNonFinite(std::vector<CFPPoint>& probes, const CFPPoint& near) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    for (const double odd : {nan, inf, -inf}) {
      probes.emplace_back(odd, near.y);
      probes.emplace_back(near.x, odd);
      probes.emplace_back(odd, odd);
    }
  }

  double Between(double low, double high) { return low == high ? low : Real(0, 1) * (high - low) + low; }
  int Uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }
  double Real(double low, double high) { return std::uniform_real_distribution<double>(low, high)(m_random); }
  bool Chance(double probability) { return std::bernoulli_distribution(probability)(m_random); }

  std::mt19937_64 m_random;
};

}  // namespace fpgeom::test
