// Regions written as areas: the overlay results, in normal form, written as
// polygons with holes. The document writers of Wkt.h and GeoJson.h write
// every document that way, so these are the same functions under the names
// the overlay callers know.
#pragma once

#include <string>

#include "fpgeom/io/Document.h"

namespace fpgeom::io {

std::string WriteWktAreas(const Document& document);
std::string WriteGeoJsonAreas(const Document& document);

}  // namespace fpgeom::io
