// GeoJSON. Reading accepts a FeatureCollection, a Feature, a
// GeometryCollection or a bare Point, LineString, Polygon, MultiPoint,
// MultiLineString or MultiPolygon. A polygon's rings are placed by their
// role, whatever their direction: the first is an outer ring (made
// non-negative in area, fpgeom's clockwise), each following one a hole of it
// (made negative), right after it. A LineString is a ring kept as written and
// must close on itself; every position of a Point or MultiPoint is one of the
// document's points. Closing positions are dropped; coordinates beyond x and
// y are dropped, with a note. Writing gives a FeatureCollection: a closed
// LineString feature for each leading ring of negative area that no outer
// ring holds, a Polygon feature for each outer ring with its holes (outer
// rings counter-clockwise, holes clockwise, as RFC 7946 asks) and, when there
// are points, one MultiPoint feature; it reads back ring for ring.
#pragma once

#include <string>

#include "fpgeom/io/Document.h"

namespace fpgeom::io {

// Throws ReadError naming source and either the line and column of a syntax
// error or the JSON pointer of a member that is not what was expected.
Document ReadGeoJson(const std::string& text, const std::string& source);
std::string WriteGeoJson(const Document& document);

}  // namespace fpgeom::io
