// The square grid behind the topology's spatial indexes. Cell sides are
// powers of two, so a coordinate's cell, floor(c / side), is computed
// without rounding: cells keep the order of the coordinates, which is what
// lets a search bound what a cell it has not visited can hold.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>

#include "fpgeom/values/FPPoint.h"
#include "topology/KeyedChains.h"

namespace fpgeom::detail {

// Non-finite positions are filed in no cell: they match nothing and are
// nearest to nothing.
inline bool IsFinite(const CFPPoint& p) { return std::isfinite(p.x) && std::isfinite(p.y); }

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
// returns how many, stopping once more than budget have been visited.
template <class Visit>
std::size_t VisitRing(const PairKey& centre, std::int64_t r, const PairKey& low, const PairKey& high,
                      std::size_t budget, Visit&& visit) {
  std::size_t visited = 0;
  // The cells from (x0, y0) to (x1, y1), a row or a column of the ring,
  // clipped to the box.
  const auto line = [&](std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1) {
    x0 = std::max(x0, low.a);
    y0 = std::max(y0, low.b);
    x1 = std::min(x1, high.a);
    y1 = std::min(y1, high.b);
    if (x0 > x1 || y0 > y1) return;
    for (std::int64_t x = x0; x <= x1 && visited <= budget; ++x) {
      for (std::int64_t y = y0; y <= y1 && visited <= budget; ++y, ++visited) visit(PairKey{x, y});
    }
  };
  if (r == 0) {
    line(centre.a, centre.b, centre.a, centre.b);
    return visited;
  }
  line(centre.a - r, centre.b - r, centre.a + r, centre.b - r);
  line(centre.a - r, centre.b + r, centre.a + r, centre.b + r);
  line(centre.a - r, centre.b - r + 1, centre.a - r, centre.b + r - 1);
  line(centre.a + r, centre.b - r + 1, centre.a + r, centre.b + r - 1);
  return visited;
}

// Whether ring r around centre and every ring beyond lie outside [low, high].
inline bool RingBeyond(const PairKey& centre, std::int64_t r, const PairKey& low, const PairKey& high) noexcept {
  return centre.a - r < low.a && centre.a + r > high.a && centre.b - r < low.b && centre.b + r > high.b;
}

// The walk's nearest element among those offered in any order: the least
// distance strictly below the bound it started with, ties to the lowest
// rank (the earliest in the list).
template <class Element>
struct NearestSoFar {
  double distance;
  std::uint64_t rank = std::numeric_limits<std::uint64_t>::max();
  Element* element = nullptr;

  void Offer(Element* candidate, std::uint64_t candidateRank, double d) {
    if (d < distance || (element != nullptr && d == distance && candidateRank < rank)) {
      distance = d;
      rank = candidateRank;
      element = candidate;
    }
  }
};

// Visits the cells of bounds ring by ring outwards from pt's, while an item
// filed only in rings not yet visited could still be as near as
// nearest.distance. Once that would cost more than four cells per filled
// one, or when pt lies beyond the grid, calls scanAll() instead.
template <class Element, class VisitCell, class ScanAll>
void SearchOutwards(const GridScale& scale, const Bounds& bounds, std::size_t filledCells, const CFPPoint& pt,
                    const NearestSoFar<Element>& nearest, VisitCell&& visitCell, ScanAll&& scanAll) {
  Bounds query;
  query.Include(pt);
  if (!scale.Covers(query)) return scanAll();
  const PairKey low = scale.Cell(CFPPoint(bounds.minX, bounds.minY));
  const PairKey high = scale.Cell(CFPPoint(bounds.maxX, bounds.maxY));
  const PairKey centre = scale.Cell(pt);
  // Rings that miss the box hold nothing: start at the first that meets it.
  const std::int64_t first =
      std::max({std::int64_t{0}, low.a - centre.a, centre.a - high.a, low.b - centre.b, centre.b - high.b});
  const std::size_t budget = 4 * filledCells + 64;
  std::size_t visited = 0;
  for (std::int64_t r = first; !RingBeyond(centre, r, low, high); ++r) {
    if (r > 0 && RingDistanceBound(r, scale) > nearest.distance) return;
    visited += VisitRing(centre, r, low, high, budget - visited, visitCell);
    if (visited > budget) return scanAll();
  }
}

}  // namespace fpgeom::detail
