// The rings that every benchmark, fpgeom's and the peers', runs on, so that
// the ratios compare like with like.
#pragma once

#include <cmath>
#include <cstdint>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace fpgeom::bench {

struct Vertex {
  double x;
  double y;
};

using Ring = std::vector<Vertex>;

enum class Shape { kRegular, kStar, kCrossing };

inline std::string ShapeName(Shape shape) {
  switch (shape) {
    case Shape::kRegular: return "regular";
    case Shape::kStar: return "star";
    default: return "crossing";
  }
}

// kRegular: a regular polygon of radius 1000 about (500, 500), clockwise
// (filled). kStar: star-shaped about the same centre, with radii between
// 700 and 1000 that vary smoothly with ten spikes. kCrossing: the regular
// polygon with four pairs of neighbouring points exchanged, so that it
// crosses itself four times.
inline Ring MakeRing(Shape shape, int count) {
  Ring ring;
  const double turn = 6.283185307179586 / count;
  for (int k = 0; k < count; ++k) {
    const double angle = -turn * k;
    const double radius = shape == Shape::kStar ? 850 + 150 * std::sin(10 * angle) : 1000;
    ring.push_back({500 + radius * std::cos(angle), 500 + radius * std::sin(angle)});
  }
  if (shape == Shape::kCrossing) {
    for (int quarter = 0; quarter < 4; ++quarter) std::swap(ring[quarter * count / 4], ring[quarter * count / 4 + 1]);
  }
  return ring;
}

// count points drawn uniformly from the square (0, 0)-(1000, 1000), so that
// the edges cross one another many times; the same ring for the same seed.
inline Ring RandomRing(int count, std::uint64_t seed) {
  std::mt19937_64 random(seed);
  std::uniform_real_distribution<double> coordinate(0, 1000);
  Ring ring;
  for (int k = 0; k < count; ++k) {
    const double x = coordinate(random);
    ring.push_back({x, coordinate(random)});
  }
  return ring;
}

// Points spread over the ring's box and a little beyond, the same for every
// library.
template <class Point = Vertex>
std::vector<Point> QueryPoints(int count) {
  std::mt19937_64 random(42);
  std::uniform_real_distribution<double> coordinate(-600, 1600);
  std::vector<Point> points;
  for (int k = 0; k < count; ++k) {
    const double x = coordinate(random);
    points.push_back(Point{x, coordinate(random)});
  }
  return points;
}

// The clipping rectangle: the ring's lower left quarter and a bit more.
struct Box {
  double left = -700;
  double bottom = -700;
  double right = 700;
  double top = 650;
};

}  // namespace fpgeom::bench
