// Well-known text. A document is a sequence of geometries: POINT,
// LINESTRING, POLYGON, MULTIPOINT, MULTILINESTRING, MULTIPOLYGON and
// GEOMETRYCOLLECTION, each possibly EMPTY. A polygon's rings are placed by
// their role, whatever their direction in the text: its first ring is an
// outer ring (made non-negative in area), each following one a hole of it
// (made negative), right after it. A LINESTRING is a ring kept as written and
// must close on itself. Repeated closing points are dropped; every point
// joins the document's points. Z and M values are dropped, and the document
// notes it. Writing gives, one geometry a line: a closed LINESTRING for each
// leading ring of negative area that no outer ring holds, one POLYGON or
// MULTIPOLYGON with the holes of each outer ring (fpgeom's directions, rings
// closed again), one MULTIPOINT for the points, and GEOMETRYCOLLECTION EMPTY
// for a document with none of them; it reads back ring for ring.
#pragma once

#include <string>

#include "fpgeom/io/Document.h"

namespace fpgeom::io {

// Throws ReadError naming source, the line and column of the offending
// token, and what was expected there.
Document ReadWkt(const std::string& text, const std::string& source);
std::string WriteWkt(const Document& document);

}  // namespace fpgeom::io
