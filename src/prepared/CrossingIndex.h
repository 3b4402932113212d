// The even-odd containment test of one ring (the polygon's PtInSimplePolygon)
// answered from a grid of cells instead of a walk over the ring.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "fpgeom/polygon/FPPolygon.h"
#include "fpgeom/values/FPPoint.h"
#include "fpgeom/values/FPRect.h"

namespace fpgeom::detail {

// A point of a ring as plain coordinates.
struct RingPoint {
  double x, y;
};

// The points of polygon head to tail, read with its cursor, which ends at
// the end.
std::vector<RingPoint> RingPointsOf(const CFPPolygon& polygon);

// One edge a->b as the crossing count examines it, with what the count
// would otherwise look up in the ring at every query: whether the ring goes
// on from b in the vertical direction it came. Left of `left` the count
// meets the edge only to count a crossing, right of `right` never; both are
// widened beyond the edge's box by the count's tolerance and rounding.
struct CrossingEdge {
  double ax, ay, bx, by;
  double left, right;
  bool horizontal;
  bool countsAtEnd;
};

class CrossingIndex {
 public:
  // The ring head to tail and its getBoundsRect.
  CrossingIndex(const std::vector<RingPoint>& points, const CFPRect& bounds);

  // PtInSimplePolygon((x, y)) of the ring: 1 inside or on the boundary, else 0.
  int Contains(double x, double y) const {
    if (m_tooFew) return 0;
    if (x - m_left < -kEpsilon || x - m_right > kEpsilon || y - m_bottom < -kEpsilon || y - m_top > kEpsilon) {
      return 0;
    }
    return CountInCell(x, y);
  }

  std::size_t MemoryBytes() const;

 private:
  static constexpr double kEpsilon = 1.1920928955078125e-07;

  struct Grid {
    std::size_t bands, columns;
  };
  struct Span {
    std::size_t first, last;
  };

  int CountInCell(double x, double y) const;
  std::size_t BandOf(double y) const;
  std::size_t ColumnOf(double x) const;
  void Shape(Grid grid, double height, double width);
  std::size_t Records(const std::vector<Span>& bandSpans) const;
  Span CrossedBands(const CrossingEdge& edge) const;
  std::size_t Columns(const CrossingEdge& edge) const;
  void Fill(const std::vector<Span>& bandSpans);

  bool m_tooFew = true;
  // Whether edges far from a point can be passed over by their heights and
  // widths.
  bool m_finite = false;
  // The ring's bounding rectangle as getBoundsRect gives it.
  double m_left = 0, m_bottom = 0, m_right = 0, m_top = 0;
  double m_bandScale = 0, m_columnScale = 0;
  Grid m_grid{1, 1};
  std::vector<CrossingEdge> m_edges;
  // Edges that cross a band from below it to above it are filed in the
  // cells their widths reach; each cell counts those wholly to its right.
  std::vector<std::uint32_t> m_cellStart;
  std::vector<std::uint32_t> m_cellEdges;
  std::vector<std::uint32_t> m_crossingsRight;
  // Edges that end in a band are kept by band, widest reach to the right
  // first, so that a query stops at the first one wholly to its left.
  std::vector<std::uint32_t> m_bandStart;
  std::vector<std::uint32_t> m_bandEdges;
};

}  // namespace fpgeom::detail
