// Random regions for the area and overlay checks: star-shaped rings in either
// direction, rings through random points that cross themselves, and copies of
// earlier rings, so that rings nest, overlap, repeat and meet themselves.
#pragma once

#include <algorithm>
#include <cmath>
#include <random>
#include <utility>
#include <vector>

#include "support/Shapes.h"

namespace fpgeom::test {

class RandomRegions {
 public:
  explicit RandomRegions(unsigned seed) : m_random(seed) {}

  std::vector<Ring> Rings(int count) {
    std::vector<Ring> rings;
    for (int k = 0; k < count; ++k) {
      const double pick = Real(0, 1);
      if (pick < 0.6 || rings.empty()) {
        rings.push_back(Star(Real(10, 90), Real(10, 90), Real(5, 40), Uniform(3, 12)));
      } else if (pick < 0.85) {
        rings.push_back(Scribble(Uniform(4, 9)));
      } else {
        Ring copy = rings[Uniform(0, static_cast<int>(rings.size()) - 1)];
        if (Chance(0.5)) std::reverse(copy.begin(), copy.end());
        rings.push_back(std::move(copy));
      }
    }
    return rings;
  }

  // Vertices at increasing angles about the centre, so the ring is simple;
  // half of them run the other way.
  Ring Star(double cx, double cy, double radius, int count) {
    std::vector<double> angles;
    for (int k = 0; k < count; ++k) angles.push_back(Real(0, 6.283185307179586));
    std::sort(angles.begin(), angles.end());
    if (Chance(0.5)) std::reverse(angles.begin(), angles.end());
    Ring ring;
    for (double angle : angles) {
      const double r = Real(0.3, 1.0) * radius;
      ring.emplace_back(cx + r * std::cos(angle), cy + r * std::sin(angle));
    }
    return ring;
  }

  Ring Scribble(int count) {
    Ring ring;
    for (int k = 0; k < count; ++k) ring.emplace_back(Real(0, 100), Real(0, 100));
    return ring;
  }

  double Real(double low, double high) { return std::uniform_real_distribution<double>(low, high)(m_random); }
  int Uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }
  bool Chance(double probability) { return std::bernoulli_distribution(probability)(m_random); }

 private:
  std::mt19937_64 m_random;
};

}  // namespace fpgeom::test
