// A benchmark ring as a GEOS polygon: GEOS wants the first point repeated
// at the end, which fpgeom's rings leave implicit.
#pragma once

#include <cstddef>

#include <geos_c.h>

namespace fpgeom::bench {

// Vertices: any sequence of points with x and y members.
template <typename Vertices>
GEOSGeometry* GeosRingPolygon(GEOSContextHandle_t context, const Vertices& vertices) {
  GEOSCoordSequence* sequence = GEOSCoordSeq_create_r(context, static_cast<unsigned>(vertices.size() + 1), 2);
  for (std::size_t k = 0; k <= vertices.size(); ++k) {
    const auto& vertex = vertices[k % vertices.size()];
    GEOSCoordSeq_setXY_r(context, sequence, static_cast<unsigned>(k), vertex.x, vertex.y);
  }
  return GEOSGeom_createPolygon_r(context, GEOSGeom_createLinearRing_r(context, sequence), nullptr, 0);
}

}  // namespace fpgeom::bench
