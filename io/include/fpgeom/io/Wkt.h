// Well-known text. A document is a sequence of POLYGON, MULTIPOLYGON, POINT
// and MULTIPOINT geometries; every ring becomes one polygon, its repeated
// closing point dropped, and every point joins the document's points.
// Writing gives one POLYGON or MULTIPOLYGON line for the rings (each ring a
// polygon of its own, closed again) and one MULTIPOINT line for the points.
#pragma once

#include <string>

#include "fpgeom/io/Document.h"

namespace fpgeom::io {

// Throws ReadError naming source, the geometry's line and column, and what
// the parser expected.
Document ReadWkt(const std::string& text, const std::string& source);
std::string WriteWkt(const Document& document);

}  // namespace fpgeom::io
