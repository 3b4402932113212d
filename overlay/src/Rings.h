// Between regions and engine geometries: the rings of a region as stored,
// GEOS rings and lines built from them, and a region in normal form built
// from a polygonal engine result.
#pragma once

#include <cstddef>
#include <vector>

#include "GeosContext.h"
#include "fpgeom/frame/List.h"
#include "fpgeom/region/FPPolyRgn.h"
#include "fpgeom/values/FPPoint.h"

namespace fpgeom::overlay_detail {

struct Vertex {
  double x;
  double y;
};
// Points laid out as the engine's coordinate buffers are: x and y in turn.
static_assert(sizeof(Vertex) == 2 * sizeof(double) && alignof(Vertex) == alignof(double));
// A ring's distinct points, the closing point not repeated.
using Ring = std::vector<Vertex>;

// One ring of a region: its points without repeated consecutive points and
// without a repeat of the head at the tail, then the head once more, so that
// the engine can copy the closed ring straight from it.
struct StoredRing {
  Ring closed;            // empty for a ring without points
  double clockwiseArea2;  // twice the signed area, positive when clockwise with y up

  std::size_t size() const { return closed.empty() ? 0 : closed.size() - 1; }
};

// Every ring of the region in list order; no cursor moves. Throws
// CInvalidArgException at the first non-finite coordinate.
std::vector<StoredRing> ReadRings(const CFPPolyRgn& region);

// A GEOS ring through the stored ring's points, or a closed line.
Geometry MakeLinearRing(const GeosContext& context, const StoredRing& ring);
Geometry MakeClosedLine(const GeosContext& context, const StoredRing& ring);

Geometry MakeEmptyArea(const GeosContext& context);

// Owns the parts and builds a collection of the given type from them.
Geometry MakeCollection(const GeosContext& context, int type, std::vector<Geometry> parts);

// The polygons of a polygonal result (other parts are passed over) as a
// region in normal form: outer rings clockwise, each followed by its holes,
// counter-clockwise, in the order the engine gives them.
CFPPolyRgn ToRegion(const GeosContext& context, const GEOSGeometry* area);

}  // namespace fpgeom::overlay_detail
