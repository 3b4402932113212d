// GeoJSON. Reading accepts a FeatureCollection, a Feature, a
// GeometryCollection or a bare Point, LineString, Polygon, MultiPoint,
// MultiLineString or MultiPolygon; every ring becomes one polygon (its
// closing position dropped) in the order met, a LineString is a ring and
// must close on itself, every position of a Point or MultiPoint one of the
// document's points. Coordinates beyond x and y are dropped, with a note.
// Ring orientation is kept as it is: fpgeom calls a clockwise ring filled.
// Writing gives a FeatureCollection with one Polygon feature per ring and,
// when there are points, one MultiPoint feature.
#pragma once

#include <string>

#include "fpgeom/io/Document.h"

namespace fpgeom::io {

// Throws ReadError naming source and either the line and column of a syntax
// error or the JSON pointer of a member that is not what was expected.
Document ReadGeoJson(const std::string& text, const std::string& source);
std::string WriteGeoJson(const Document& document);

}  // namespace fpgeom::io
