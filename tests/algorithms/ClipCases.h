// Generated rings and rectangles for the differential tests of the rectangle
// clipping: the screen's rings (smooth, lattice, nearly collinear, tiny and
// huge), rectangles through their points, points moved exactly onto the
// border lines, nearly vertical and horizontal edges, and NaN and infinities.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>

#include "algorithms/ScreenCases.h"
#include "fpgeom/values/FPRect.h"

namespace fpgeom::test {

struct ClipCase {
  Points ring;
  CFPRect rect;  // left, right, bottom, top
};

// The screen's rings, each with a rectangle.
class ClipCases : private ScreenCases {
 public:
  explicit ClipCases(std::uint64_t seed) : ScreenCases(seed) {}

  ClipCase Next() {
    ClipCase c{ScreenCases::Next(), CFPRect(0, 0, 0, 0)};
    if (Chance(0.2)) NearlyAxisParallel(c.ring);
    c.rect = RectThrough(c.ring);
    if (Chance(0.4)) SnapOntoBorders(c.ring, c.rect);
    if (Chance(0.05)) c.ring[Index(c.ring)] = CFPPoint(NonFinite(), Pick(c.ring).y);
    if (Chance(0.05)) c.ring[Index(c.ring)] = CFPPoint(Pick(c.ring).x, NonFinite());
    if (Chance(0.03)) c.rect.left = NonFinite();
    return c;
  }

 private:
  // Each bound a coordinate of a ring point (the border runs through it), a
  // value between, or beyond the ring; left and right or bottom and top
  // swapped now and then.
  CFPRect RectThrough(const Points& ring) {
    double low[2], high[2];
    for (int axis = 0; axis < 2; ++axis) {
      double a = Bound(ring, axis), b = Bound(ring, axis);
      if (Chance(0.1)) b = a;  // zero width or height
      low[axis] = std::min(a, b);
      high[axis] = std::max(a, b);
      if (Chance(0.2)) std::swap(low[axis], high[axis]);
    }
    return CFPRect(low[0], high[0], low[1], high[1]);
  }

  double Bound(const Points& ring, int axis) {
    const auto along = [axis](const CFPPoint& point) { return axis == 0 ? point.x : point.y; };
    const double coordinate = along(Pick(ring));
    const int choice = Uniform(0, 3);
    if (choice < 2) return coordinate;
    if (choice == 2) return (coordinate + along(Pick(ring))) / 2;
    return coordinate + (Chance(0.5) ? 1 : -1) * std::ldexp(1.0, Uniform(-60, 10));
  }

  // Some points put on a border line exactly, alone or in runs along it.
  void SnapOntoBorders(Points& ring, const CFPRect& rect) {
    const double levels[4] = {rect.left, rect.right, rect.bottom, rect.top};
    for (int k = Uniform(1, static_cast<int>(ring.size())); k > 0; --k) {
      const int line = Uniform(0, 3);
      (line < 2 ? ring[Index(ring)].x : ring[Index(ring)].y) = levels[line];
    }
  }

  // Edges that differ from vertical or horizontal by a few units in the last
  // place, so that the crossing formula divides by almost nothing.
  void NearlyAxisParallel(Points& ring) {
    for (std::size_t k = 1; k < ring.size(); ++k) {
      if (!Chance(0.3)) continue;
      const int steps = Uniform(-3, 3);
      const bool alongY = Chance(0.5);
      double& coordinate = alongY ? ring[k].x : ring[k].y;
      coordinate = alongY ? ring[k - 1].x : ring[k - 1].y;
      for (int s = 0; s < std::abs(steps); ++s) {
        coordinate = std::nextafter(coordinate, steps > 0 ? HUGE_VAL : -HUGE_VAL);
      }
    }
  }

  double NonFinite() {
    const double values[] = {std::numeric_limits<double>::quiet_NaN(), HUGE_VAL, -HUGE_VAL};
    return values[Uniform(0, 2)];
  }

  const CFPPoint& Pick(const Points& ring) { return ring[Index(ring)]; }
};

}  // namespace fpgeom::test
