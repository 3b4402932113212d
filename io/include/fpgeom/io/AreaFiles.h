// Regions in normal form (each outer ring, of non-negative area, followed by
// its holes, of negative area) written as polygons with holes rather than one
// polygon a ring. WKT keeps fpgeom's directions (outer rings clockwise, so
// that reading the file back gives each ring its sign); GeoJSON turns outer
// rings counter-clockwise and holes clockwise, as RFC 7946 asks. A hole that
// comes before any outer ring is written as a polygon of its own.
#pragma once

#include <string>

#include "fpgeom/io/Document.h"

namespace fpgeom::io {

// One POLYGON or MULTIPOLYGON line for the rings, one MULTIPOINT line for the
// points.
std::string WriteWktAreas(const Document& document);
// A FeatureCollection: one Polygon feature for each outer ring with its
// holes, and a MultiPoint feature for the points.
std::string WriteGeoJsonAreas(const Document& document);

}  // namespace fpgeom::io
