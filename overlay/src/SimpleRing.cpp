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
Frame FrameOf(const Ring& ring) {
  double x = 0.0;
  double y = 0.0;
  double left = ring.front().x, right = left, bottom = ring.front().y, top = bottom;
  for (const Vertex& v : ring) {
    x += v.x;
    y += v.y;
    left = std::min(left, v.x);
    right = std::max(right, v.x);
    bottom = std::min(bottom, v.y);
    top = std::max(top, v.y);
  }
  const auto count = static_cast<double>(ring.size());
  const Vertex c{x / count, y / count};
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

double TurnAbout(const Vertex& c, const Vertex& a, const Vertex& b) {
  return (a.x - c.x) * (b.y - c.y) - (a.y - c.y) * (b.x - c.x);
}

}  // namespace

bool IsCertainlySimple(const Ring& ring) {
  if (ring.size() < 3) return false;
  const Frame frame = FrameOf(ring);
  const Vertex& c = frame.centre;
  const double reachProduct = frame.reachX * frame.reachY;
  if (!(reachProduct >= kSmallestReachProduct && reachProduct <= kLargestReachProduct)) return false;
  const double doubt = 0x1p-50 * reachProduct;
  const bool counterClockwise = TurnAbout(c, ring.back(), ring.front()) > 0;
  const Vertex* a = &ring.back();
  std::size_t crossings = 0;
  for (const Vertex& b : ring) {
    const double turn = TurnAbout(c, *a, b);
    if (!(std::fabs(turn) > doubt) || (turn > 0) != counterClockwise) return false;
    // An edge across the horizontal through c (half-open, so that a point on
    // it counts once) passes c on the right when it runs up while turning
    // counter-clockwise, or down while turning clockwise.
    const bool fromBelow = a->y <= c.y;
    if (fromBelow != (b.y <= c.y) && fromBelow == counterClockwise) ++crossings;
    a = &b;
  }
  return crossings == 1;
}

}  // namespace fpgeom::overlay_detail
