// PreparedRegion: the region's queries over its polygons prepared one by one,
// in list order, so that ties and signs come out as the region's own.
#include "fpgeom/prepared/PreparedRegion.h"

#include <cmath>

#include "fpgeom/frame/Exceptions.h"

namespace fpgeom {

PreparedRegion::PreparedRegion(const CFPPolyRgn& region) {
  m_polygons.reserve(static_cast<std::size_t>(region.getCount()));
  for (region.BeginIteration(); region.isIterationFinished() == 0;) m_polygons.emplace_back(*region.getNextPolygon());
}

int PreparedRegion::PtInRgn(const CFPPoint& pt) const {
  for (const PreparedPolygon& polygon : m_polygons) {
    if (polygon.PtInPolygon(pt) != 0) return 1;
  }
  return 0;
}

double PreparedRegion::DistanceFromPoint(const CFPPoint& pt) const {
  if (m_polygons.empty()) throw CInvalidArgException("the distance from an empty region is undefined");
  double nearest = m_polygons.front().DistanceFromPoint(pt);
  for (std::size_t k = 1; k < m_polygons.size(); ++k) {
    const double distance = m_polygons[k].DistanceFromPoint(pt);
    // Strict, so that of two polygons at the same distance the earlier wins.
    if (std::fabs(nearest) > std::fabs(distance)) nearest = distance;
  }
  return nearest;
}

void PreparedRegion::PtInRgn(const double* xy, std::size_t count, int* results) const {
  for (std::size_t k = 0; k < count; ++k) results[k] = PtInRgn(CFPPoint(xy[2 * k], xy[2 * k + 1]));
}

std::size_t PreparedRegion::MemoryBytes() const {
  std::size_t bytes = sizeof *this + m_polygons.capacity() * sizeof(PreparedPolygon);
  for (const PreparedPolygon& polygon : m_polygons) bytes += polygon.MemoryBytes();
  return bytes;
}

}  // namespace fpgeom
