// The proof. Take the mean c of the points. If every edge a-b turns the same
// way about c, certainly (the cross product of a - c and b - c has one sign
// and no rounding can have changed it), then the angle about c grows strictly
// along the whole ring, and the ring winds about c as many times as it
// crosses the ray from c to the right. Winding exactly once, each ray from c
// meets the ring exactly once, so no two points of the ring coincide: the
// ring bounds a region star-shaped about c, and is simple.
#include "SimpleRing.h"

#include <cmath>
#include <cstddef>
#include <limits>

namespace fpgeom::overlay_detail {
namespace {

// The sign of l - r, where l and r are each a product of two differences of
// coordinates, when rounding cannot have changed it; 0 when it may have (or
// the exact value is 0). The bound is the classic one for that expression,
// (3 + 16 eps) eps (|l| + |r|) with eps = 2^-53; products near the
// subnormal range, where relative bounds fail, or past overflow stay in
// doubt, and so do coordinates that are not numbers.
int CertainSign(double l, double r) {
  constexpr double kEps = 0x1p-53;
  constexpr double kBound = (3.0 + 16.0 * kEps) * kEps;
  const double magnitude = std::fabs(l) + std::fabs(r);
  if (!(magnitude >= 0x1p-960 && magnitude <= std::numeric_limits<double>::max())) return 0;
  const double value = l - r;
  if (!(std::fabs(value) > kBound * magnitude)) return 0;
  return value > 0 ? 1 : -1;
}

// Which way the edge a-b turns about c, when certain.
int TurnAbout(const Vertex& c, const Vertex& a, const Vertex& b) {
  return CertainSign((a.x - c.x) * (b.y - c.y), (a.y - c.y) * (b.x - c.x));
}

Vertex MeanOf(const Ring& ring) {
  double x = 0.0;
  double y = 0.0;
  for (const Vertex& v : ring) {
    x += v.x;
    y += v.y;
  }
  const auto count = static_cast<double>(ring.size());
  return {x / count, y / count};
}

}  // namespace

bool IsCertainlySimple(const Ring& ring) {
  if (ring.size() < 3) return false;
  const Vertex c = MeanOf(ring);
  const Vertex* a = &ring.back();
  const int turn = TurnAbout(c, *a, ring.front());
  if (turn == 0) return false;
  std::size_t crossings = 0;
  for (const Vertex& b : ring) {
    if (TurnAbout(c, *a, b) != turn) return false;
    // An edge across the horizontal through c (half-open, so that a point on
    // it counts once) passes c on the right when it runs up while turning
    // counter-clockwise, or down while turning clockwise.
    const bool fromBelow = a->y <= c.y;
    if (fromBelow != (b.y <= c.y) && fromBelow == (turn > 0)) ++crossings;
    a = &b;
  }
  return crossings == 1;
}

}  // namespace fpgeom::overlay_detail
