// The proof. Take the mean c of the points. If every edge a-b turns the same
// way about c, certainly (the cross product of a - c and b - c has one sign
// and no rounding can have changed it), then the angle about c grows strictly
// along the whole ring, and the ring winds about c as many times as it
// crosses the ray from c to the right. Winding exactly once, each ray from c
// meets the ring exactly once, so no two points of the ring coincide: the
// ring bounds a region star-shaped about c, and is simple.
#include "SimpleRing.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace fpgeom::overlay_detail {
namespace {

// The mean of the points, and the largest differences of coordinates from
// it as the turns compute them.
struct Frame {
  Vertex centre;
  double reachX;
  double reachY;
};

// Rounding is monotone, so the largest computed difference from the mean is
// the one of the box's far side: one pass finds the mean and the box.
Frame FrameOf(const Vertex* points, std::size_t count) {
  double x = 0.0;
  double y = 0.0;
  double left = points[0].x, right = left, bottom = points[0].y, top = bottom;
  for (const Vertex* v = points; v != points + count; ++v) {
    x += v->x;
    y += v->y;
    left = std::min(left, v->x);
    right = std::max(right, v->x);
    bottom = std::min(bottom, v->y);
    top = std::max(top, v->y);
  }
  const auto n = static_cast<double>(count);
  const Vertex c{x / n, y / n};
  return {c, std::max(right - c.x, c.x - left), std::max(top - c.y, c.y - bottom)};
}

// The turn of a-b about c is l - r, each a product of two differences. The
// classic bound on its rounding error is (3 + 16 eps) eps (|l| + |r|), eps =
// 2^-53, and |l| + |r| is at most twice the product of the reaches, so a
// turn larger than 2^-50 times that product has its sign for certain. The
// bound holds away from the subnormal range, which the product's lower
// limit keeps far off, and without overflow, which its upper limit rules out;
// a product that is not a number fails both.
constexpr double kSmallestReachProduct = 0x1p-900;
constexpr double kLargestReachProduct = 0x1p1000;

// A point as a difference from c: each edge's turn takes the differences of
// both its ends, and each is worked out once.
Vertex From(const Vertex& c, const Vertex& p) { return {p.x - c.x, p.y - c.y}; }

double Turn(const Vertex& a, const Vertex& b) { return a.x * b.y - a.y * b.x; }

}  // namespace

bool IsCertainlySimple(const Vertex* points, std::size_t count) {
  if (count < 3) return false;
  const Frame frame = FrameOf(points, count);
  const Vertex& c = frame.centre;
  const double reachProduct = frame.reachX * frame.reachY;
  if (!(reachProduct >= kSmallestReachProduct && reachProduct <= kLargestReachProduct)) return false;
  const double doubt = 0x1p-50 * reachProduct;
  Vertex a = From(c, points[count - 1]);
  const bool counterClockwise = Turn(a, From(c, points[0])) > 0;
  std::size_t crossings = 0;
  for (const Vertex* p = points; p != points + count; ++p) {
    const Vertex b = From(c, *p);
    const double turn = Turn(a, b);
    if (!(std::fabs(turn) > doubt) || (turn > 0) != counterClockwise) return false;
    // An edge across the horizontal through c (half-open, so that a point on
    // it counts once) passes c on the right when it runs up while turning
    // counter-clockwise, or down while turning clockwise. Rounding keeps the
    // sign of a difference, and a difference of two doubles is zero only
    // when they are equal, so a.y <= 0 says that the point lies on or below c.
    const bool fromBelow = a.y <= 0;
    if (fromBelow != (b.y <= 0) && fromBelow == counterClockwise) ++crossings;
    a = b;
  }
  return crossings == 1;
}

}  // namespace fpgeom::overlay_detail
