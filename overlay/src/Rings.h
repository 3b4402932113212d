// Between regions and engine geometries: the rings of a region as stored,
// GEOS rings and lines built from them, and a region in normal form built
// from a polygonal engine result.
#pragma once

#include <vector>

#include "GeosContext.h"
#include "fpgeom/frame/List.h"
#include "fpgeom/region/FPPolyRgn.h"
#include "fpgeom/values/FPPoint.h"

namespace fpgeom::overlay_detail {

using PointList = CList<CFPPoint, const CFPPoint&>;

// One ring of a region, read where it is stored. Its points are the stored
// ones without repeated consecutive points and without repeats of the head
// at the tail; there are `distinct` of them.
struct StoredRing {
  const PointList* points;
  unsigned distinct;
  double clockwiseArea2;  // twice the signed area, positive when clockwise with y up
};

// Every ring of the region in list order; no cursor moves. Throws
// CInvalidArgException at the first non-finite coordinate.
std::vector<StoredRing> ReadRings(const CFPPolyRgn& region);

struct Vertex {
  double x;
  double y;
};
// A ring's distinct points, the closing point not repeated.
using Ring = std::vector<Vertex>;
Ring ToRing(const StoredRing& ring);

// A closed GEOS ring through the ring's points, or a closed line.
Geometry MakeLinearRing(const GeosContext& context, const StoredRing& ring);
Geometry MakeClosedLine(const GeosContext& context, const Ring& ring);

Geometry MakeEmptyArea(const GeosContext& context);

// Owns the parts and builds a collection of the given type from them.
Geometry MakeCollection(const GeosContext& context, int type, std::vector<Geometry> parts);

// The polygons of a polygonal result (other parts are passed over) as a
// region in normal form: outer rings clockwise, each followed by its holes,
// counter-clockwise, in the order the engine gives them.
CFPPolyRgn ToRegion(const GeosContext& context, const GEOSGeometry* area);

}  // namespace fpgeom::overlay_detail
