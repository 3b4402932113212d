// PreparedRegion: a snapshot of every polygon of a region, each prepared as
// PreparedPolygon is, answering the region's point queries with the same bits
// and safe to query from many threads at once.
#pragma once

#include <cstddef>
#include <vector>

#include "fpgeom/frame/Export.h"
#include "fpgeom/prepared/PreparedPolygon.h"
#include "fpgeom/region/FPPolyRgn.h"
#include "fpgeom/values/FPPoint.h"

namespace fpgeom {

class FPGEOM_API PreparedRegion {
 public:
  // Walks the region with its cursor, which ends at the end, and prepares
  // each polygon in list order.
  explicit PreparedRegion(const CFPPolyRgn& region);

  int PtInRgn(const CFPPoint& pt) const;
  // Throws CInvalidArgException for an empty region, as the region does.
  double DistanceFromPoint(const CFPPoint& pt) const;
  void PtInRgn(const double* xy, std::size_t count, int* results) const;

  // The prepared polygons in the region's list order.
  std::size_t PolygonCount() const { return m_polygons.size(); }
  const PreparedPolygon& Polygon(std::size_t index) const { return m_polygons.at(index); }

  std::size_t MemoryBytes() const;

 private:
  std::vector<PreparedPolygon> m_polygons;
};

}  // namespace fpgeom
