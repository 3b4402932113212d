// Generated rings for the differential tests of the self-meeting screen:
// smooth and star-shaped rings, lattice rings full of collinear and touching
// edges, nearly collinear edges far apart, vertices touching edges at the
// tolerances, short and zero-length edges, at tiny, ordinary and huge scales
// and far from the origin.
#pragma once

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <random>
#include <vector>

#include "BenchRings.h"
#include "fpgeom/values/FPPoint.h"

namespace fpgeom::test {

using Points = std::vector<CFPPoint>;

// The number of cases a differential test runs: brief under ctest, or as
// many as the environment variable asks for (1000000 for the full check).
inline std::uint64_t RequestedCases(const char* variable, std::uint64_t brief) {
  const char* requested = std::getenv(variable);
  return requested != nullptr ? std::strtoull(requested, nullptr, 10) : brief;
}

class ScreenCases {
 public:
  explicit ScreenCases(std::uint64_t seed) : m_random(seed) {}

  // The next ring, of 3 to about 80 points.
  Points Next() {
    Points ring = Shape(Uniform(0, 8));
    if (Chance(0.5)) Transform(ring);
    return ring;
  }

 protected:
  int Uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }
  double Real(double low, double high) { return std::uniform_real_distribution<double>(low, high)(m_random); }
  bool Chance(double probability) { return std::bernoulli_distribution(probability)(m_random); }
  std::size_t Index(const Points& ring) {
    return std::uniform_int_distribution<std::size_t>(0, ring.size() - 1)(m_random);
  }

 private:
  Points Shape(int family) {
    switch (family) {
      case 0: return Regular(Uniform(3, 80), Chance(0.5) ? 0.0 : Real(0, 6.3));
      case 1: return Regular(Uniform(4, 80), 0.0, true);
      case 2: return LatticeRing(Uniform(4, 40), Uniform(1, 5));
      case 3: return Comb(Uniform(1, 12));
      case 4: return NearlyCollinearPieces(Uniform(1, 6));
      case 5: return TouchingAtTheTolerance();
      case 6: return WithShortEdges(Regular(Uniform(4, 40), Real(0, 6.3)));
      case 7: return RandomRing(Uniform(4, 30));
      default: return WithShortEdges(LatticeRing(Uniform(4, 30), 3));
    }
  }

  // On a circle, or at random radii when star-shaped.
  Points Regular(int count, double turn, bool starShaped = false) {
    Points ring;
    for (int k = 0; k < count; ++k) {
      const double angle = turn + 6.283185307179586 * k / count;
      const double radius = starShaped ? Real(0.05, 1.0) : 1.0;
      ring.emplace_back(radius * std::cos(angle), radius * std::sin(angle));
    }
    return ring;
  }

  // Small integer coordinates: many collinear, overlapping and touching edges
  // and repeated points.
  Points LatticeRing(int count, int size) {
    Points ring;
    for (int k = 0; k < count; ++k) ring.emplace_back(Uniform(0, size), Uniform(0, size));
    return ring;
  }

  // Teeth whose bottoms lie on one horizontal line, apart or touching.
  Points Comb(int teeth) {
    Points ring{{0, 0}};
    double x = 0;
    for (int tooth = 0; tooth < teeth; ++tooth) {
      ring.emplace_back(x, Uniform(1, 3));
      x += Uniform(1, 2);
      ring.emplace_back(x, Uniform(1, 3));
      ring.emplace_back(x, Uniform(0, 1) == 0 ? 0.0 : 0.5);
      x += Uniform(0, 2);
    }
    ring.insert(ring.end(), {{x, -1}, {0, -1}});
    return ring;
  }

  // Pieces of one oblique line, far apart, joined by detours to either side:
  // the cross products of such pieces are rounding noise.
  Points NearlyCollinearPieces(int pieces) {
    const CFPPoint origin(Real(-3, 3), Real(-3, 3));
    const double angle = Real(0, 6.3);
    const CFPPoint along(std::cos(angle), std::sin(angle));
    const auto on = [&](double t) { return CFPPoint(origin.x + along.x * t, origin.y + along.y * t); };
    Points ring;
    double t = 0;
    for (int piece = 0; piece < pieces; ++piece) {
      ring.push_back(on(t));
      t += Real(0.1, 3);
      ring.push_back(on(t));
      const double side = Chance(0.5) ? 1.0 : -1.0;
      const CFPPoint off = on(t + Real(0, 1));
      ring.emplace_back(off.x - along.y * side * Real(1e-9, 1), off.y + along.x * side * Real(1e-9, 1));
      t += Real(0.1, 3);
    }
    return ring;
  }

  // A vertex on, just off or just across an edge, by a few units of 2^-52.
  Points TouchingAtTheTolerance() {
    const double offset = std::ldexp(static_cast<double>(Uniform(-4, 4)), -52);
    return Points{{0, 0}, {4, 0}, {4, 4}, {Real(0.5, 3.5), offset}, {0, 4}};
  }

  // Repeats some points exactly or moves copies by amounts far below the
  // rounding scale.
  Points WithShortEdges(Points ring) {
    Points result;
    for (const CFPPoint& point : ring) {
      result.push_back(point);
      if (Chance(0.2)) {
        const double nudge = Chance(0.5) ? 0.0 : std::ldexp(1.0, -Uniform(20, 70));
        result.emplace_back(point.x + nudge, point.y - nudge);
      }
    }
    return result;
  }

  // The benchmarks' random ring, moved onto the square from (-1, -1) to (1, 1).
  Points RandomRing(int count) {
    Points ring;
    for (const auto& vertex : bench::RandomRing(count, m_random())) ring.emplace_back(vertex.x / 500 - 1, vertex.y / 500 - 1);
    return ring;
  }

  // A scale by a power of two (exact), then perhaps a shift far from the
  // origin (rounds).
  void Transform(Points& ring) {
    const int exponent = Uniform(-70, 70);
    const double shiftX = Chance(0.5) ? 0.0 : std::ldexp(Real(-1, 1), Uniform(0, 40));
    const double shiftY = Chance(0.5) ? 0.0 : std::ldexp(Real(-1, 1), Uniform(0, 40));
    for (CFPPoint& point : ring) {
      point.x = std::ldexp(point.x, exponent) + shiftX;
      point.y = std::ldexp(point.y, exponent) + shiftY;
    }
  }

  std::mt19937_64 m_random;
};

}  // namespace fpgeom::test
