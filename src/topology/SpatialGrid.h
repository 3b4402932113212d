// The square grid behind the topology's spatial indexes. Cell sides are
// powers of two, so a coordinate's cell, floor(c / side), is computed
// without rounding: cells keep the order of the coordinates, which is what
// lets a search bound what a cell it has not visited can hold.
#pragma once

#include <cstddef>
#include <cstdint>

#include "fpgeom/values/FPPoint.h"
#include "topology/KeyedChains.h"

namespace fpgeom::detail {

// A growing box around the positions filed in a grid.
struct Bounds {
  double minX = 0, minY = 0, maxX = 0, maxY = 0;
  bool empty = true;

  void Include(const CFPPoint& p) noexcept;
  double LargestMagnitude() const noexcept;
};

class GridScale {
 public:
  // Cells of side 2^exponent.
  explicit GridScale(int exponent = 0) noexcept;

  // The side fitting count positions spread over bounds, items about
  // typicalExtent wide, no less than smallestSide; and large enough that
  // no coordinate of bounds is more than 2^60 cells from the origin.
  static GridScale Fitting(std::size_t count, const Bounds& bounds, double typicalExtent, double smallestSide) noexcept;

  double Side() const noexcept { return m_side; }
  // floor(c / side) for c within 2^61 cells of the origin, the nearest of
  // +-2^62 beyond (and for infinities); 0 for NaN.
  std::int64_t Key(double c) const noexcept;
  PairKey Cell(const CFPPoint& p) const noexcept { return {Key(p.x), Key(p.y)}; }
  // Whether every coordinate of bounds keys exactly.
  bool Covers(const Bounds& bounds) const noexcept;

 private:
  double m_side;
  double m_inverse;
};

// A lower bound for the distance, as the topology computes it, from a point
// in the centre cell to anything filed only in cells r or more rings out,
// when nothing filed there is longer than 64 cells. The margin below the
// exact (r - 1) cells covers the rounding of the distance formulas.
double RingDistanceBound(std::int64_t ring, const GridScale& scale) noexcept;

// Calls visit(cell) for each cell of ring r around centre (the cells whose
// larger key difference is r) that lies in the key box [low, high], and
// returns how many. Returns 0 without visiting when the ring lies wholly
// outside the box, as do all rings beyond it.
template <class Visit>
std::size_t VisitRing(const PairKey& centre, std::int64_t r, const PairKey& low, const PairKey& high, Visit&& visit) {
  const auto clampedRange = [](std::int64_t from, std::int64_t to, std::int64_t lo, std::int64_t hi) {
    return std::pair<std::int64_t, std::int64_t>(from < lo ? lo : from, to > hi ? hi : to);
  };
  std::size_t visited = 0;
  const auto row = [&](std::int64_t y, std::int64_t fromX, std::int64_t toX) {
    if (y < low.b || y > high.b) return;
    const auto [x0, x1] = clampedRange(fromX, toX, low.a, high.a);
    for (std::int64_t x = x0; x <= x1; ++x, ++visited) visit(PairKey{x, y});
  };
  const auto column = [&](std::int64_t x, std::int64_t fromY, std::int64_t toY) {
    if (x < low.a || x > high.a) return;
    const auto [y0, y1] = clampedRange(fromY, toY, low.b, high.b);
    for (std::int64_t y = y0; y <= y1; ++y, ++visited) visit(PairKey{x, y});
  };
  if (r == 0) {
    row(centre.b, centre.a, centre.a);
    return visited;
  }
  row(centre.b - r, centre.a - r, centre.a + r);
  row(centre.b + r, centre.a - r, centre.a + r);
  column(centre.a - r, centre.b - r + 1, centre.b + r - 1);
  column(centre.a + r, centre.b - r + 1, centre.b + r - 1);
  return visited;
}

// Whether ring r around centre and every ring beyond lie outside [low, high].
inline bool RingBeyond(const PairKey& centre, std::int64_t r, const PairKey& low, const PairKey& high) noexcept {
  return centre.a - r < low.a && centre.a + r > high.a && centre.b - r < low.b && centre.b + r > high.b;
}

}  // namespace fpgeom::detail
