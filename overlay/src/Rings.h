// Between regions and engine geometries: the rings of a region as plain
// coordinates, GEOS rings and polygons built from them, and a region in normal
// form built from a polygonal engine result.
#pragma once

#include <vector>

#include "GeosContext.h"
#include "fpgeom/region/FPPolyRgn.h"

namespace fpgeom::overlay_detail {

struct Vertex {
  double x;
  double y;
};

// A ring without its closing point and without repeated consecutive points.
using Ring = std::vector<Vertex>;

// Every ring of the region in list order, repeats dropped (rings left with
// no point at all are dropped too). Throws CInvalidArgException at the first
// non-finite coordinate.
std::vector<Ring> ExtractRings(const CFPPolyRgn& region);

// Twice the signed area, positive for a clockwise ring with y up (the
// library's filled sense).
double ClockwiseArea2(const Ring& ring);

// A closed GEOS ring or line through the points (the closing point added).
Geometry MakeLinearRing(const GeosContext& context, const Ring& ring);
Geometry MakeClosedLine(const GeosContext& context, const Ring& ring);

Geometry MakeEmptyArea(const GeosContext& context);

// Owns the parts and builds a collection of the given type from them.
Geometry MakeCollection(const GeosContext& context, int type, std::vector<Geometry> parts);

// The polygons of a polygonal result (other parts are passed over) as a
// region in normal form: outer rings clockwise, each followed by its holes,
// counter-clockwise, in the engine's canonical order.
CFPPolyRgn ToRegion(const GeosContext& context, GEOSGeometry* area);

}  // namespace fpgeom::overlay_detail
