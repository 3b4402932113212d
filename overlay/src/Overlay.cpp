#include "fpgeom/overlay/Overlay.h"

#include "Area.h"
#include "GeosContext.h"
#include "Rings.h"
#include "fpgeom/frame/Exceptions.h"

#include <cmath>

namespace fpgeom {
namespace {

using overlay_detail::BuildArea;
using overlay_detail::ReadRings;
using overlay_detail::GeosContext;
using overlay_detail::Geometry;
using overlay_detail::Own;
using overlay_detail::ToRegion;

using Operation = GEOSGeometry* (*)(GEOSContextHandle_t, const GEOSGeometry*, const GEOSGeometry*);

CFPPolyRgn Combine(const CFPPolyRgn& a, const CFPPolyRgn& b, FillRule rule, Operation operation, const char* what) {
  // Both regions are read (and checked) before the engine starts.
  const auto ringsA = ReadRings(a);
  const auto ringsB = ReadRings(b);
  const GeosContext context;
  const Geometry areaA = BuildArea(context, ringsA, rule);
  const Geometry areaB = BuildArea(context, ringsB, rule);
  const Geometry result = Own(context, operation(context.get(), areaA.get(), areaB.get()), what);
  return ToRegion(context, result.get());
}

}  // namespace

CFPPolyRgn Normalize(const CFPPolyRgn& region, FillRule rule) {
  const auto rings = ReadRings(region);
  const GeosContext context;
  const Geometry area = BuildArea(context, rings, rule);
  return ToRegion(context, area.get());
}

CFPPolyRgn Union(const CFPPolyRgn& a, const CFPPolyRgn& b, FillRule rule) {
  return Combine(a, b, rule, &GEOSUnion_r, "the union");
}

CFPPolyRgn Intersection(const CFPPolyRgn& a, const CFPPolyRgn& b, FillRule rule) {
  return Combine(a, b, rule, &GEOSIntersection_r, "the intersection");
}

CFPPolyRgn Difference(const CFPPolyRgn& a, const CFPPolyRgn& b, FillRule rule) {
  return Combine(a, b, rule, &GEOSDifference_r, "the difference");
}

CFPPolyRgn SymmetricDifference(const CFPPolyRgn& a, const CFPPolyRgn& b, FillRule rule) {
  return Combine(a, b, rule, &GEOSSymDifference_r, "the symmetric difference");
}

int AreaContains(const CFPPolyRgn& region, const CFPPoint& pt, FillRule rule) {
  const auto rings = ReadRings(region);
  if (!std::isfinite(pt.x) || !std::isfinite(pt.y)) throw CInvalidArgException("overlay: non-finite point");
  const GeosContext context;
  const Geometry area = BuildArea(context, rings, rule);
  const Geometry point = Own(context, GEOSGeom_createPointFromXY_r(context.get(), pt.x, pt.y), "building a point");
  const char covers = GEOSCovers_r(context.get(), area.get(), point.get());
  if (covers == 2) context.Fail("locating the point");
  return covers == 1 ? 1 : 0;
}

}  // namespace fpgeom
