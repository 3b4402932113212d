// Well-known text. A document is a sequence of geometries: POINT,
// LINESTRING, POLYGON, MULTIPOINT, MULTILINESTRING, MULTIPOLYGON and
// GEOMETRYCOLLECTION, each possibly EMPTY. Every ring becomes one polygon,
// its repeated closing point dropped; a LINESTRING is a ring and must close
// on itself; every point joins the document's points. Z and M values are
// dropped, and the document notes it. Writing gives one POLYGON or
// MULTIPOLYGON line for the rings (each ring a polygon of its own, closed
// again), one MULTIPOINT line for the points, and GEOMETRYCOLLECTION EMPTY
// for a document with neither.
#pragma once

#include <string>

#include "fpgeom/io/Document.h"

namespace fpgeom::io {

// Throws ReadError naming source, the line and column of the offending
// token, and what was expected there.
Document ReadWkt(const std::string& text, const std::string& source);
std::string WriteWkt(const Document& document);

}  // namespace fpgeom::io
