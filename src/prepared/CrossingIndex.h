// The even-odd containment test of one ring (the polygon's PtInSimplePolygon)
// answered from horizontal bands of edges instead of a walk over the ring.
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
// on from b in the vertical direction it came.
struct CrossingEdge {
  double ax, ay, bx, by;
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
    return CountInBand(x, y);
  }

  std::size_t MemoryBytes() const;

 private:
  static constexpr double kEpsilon = 1.1920928955078125e-07;

  int CountInBand(double x, double y) const;
  std::size_t BandOf(double y) const;
  struct BandRange {
    std::size_t first, last;
  };
  void Fill(const std::vector<CrossingEdge>& edges, const std::vector<BandRange>& ranges);

  bool m_tooFew = true;
  // Whether edges far from a height can be passed over by their heights.
  bool m_finite = false;
  // The ring's bounding rectangle as getBoundsRect gives it.
  double m_left = 0, m_bottom = 0, m_right = 0, m_top = 0;
  double m_bandScale = 0;
  std::size_t m_bandCount = 1;
  // The edges of band k are m_edges[m_bandStart[k]] up to m_bandStart[k + 1].
  std::vector<std::uint32_t> m_bandStart;
  std::vector<CrossingEdge> m_edges;
};

}  // namespace fpgeom::detail
