// The area of a region under a fill rule, as an engine geometry that is
// valid (polygonal, rings apart but for isolated points).
#pragma once

#include <vector>

#include "GeosContext.h"
#include "Rings.h"
#include "fpgeom/overlay/Overlay.h"

namespace fpgeom::overlay_detail {

Geometry BuildArea(const GeosContext& context, const std::vector<StoredRing>& rings, FillRule rule);

// The winding number of the rings around a point (counter-clockwise
// positive), found through horizontal bands so that many queries stay cheap.
// A point on an edge takes the side the half-open crossing rule gives it.
class WindingIndex {
 public:
  explicit WindingIndex(const std::vector<StoredRing>& rings);
  long Winding(double x, double y) const;

 private:
  struct Edge {
    double ax, ay, bx, by;
  };
  std::size_t BandOf(double y) const;

  std::vector<Edge> m_edges;
  std::vector<std::vector<std::size_t>> m_bands;
  double m_bottom = 0.0;
  double m_bandHeight = 1.0;
};

bool Inside(long winding, FillRule rule);

}  // namespace fpgeom::overlay_detail
