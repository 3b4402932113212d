#include "Rings.h"

#include <cmath>
#include <cstddef>
#include <memory>
#include <string>
#include <utility>

#include "fpgeom/frame/Exceptions.h"
#include "fpgeom/polygon/FPPolygon.h"

namespace fpgeom::overlay_detail {
namespace {

// Read access to the stored lists, so that reading a region walks neither
// its cursor nor its polygons' cursors.
struct StoredPolygons : CFPPolyRgn {
  static const CTypedPtrList<CObList, CFPPolygon*>& Of(const CFPPolyRgn& region) {
    return region.*(&StoredPolygons::m_polygons);
  }
};
using PointList = CList<CFPPoint, const CFPPoint&>;
struct StoredPoints : CFPPolygon {
  static const PointList& Of(const CFPPolygon& polygon) { return polygon.*(&StoredPoints::m_points); }
};

// Room for count coordinates, left unset: every one is written before it is
// read, and zeroing them first would cost a pass of its own.
std::unique_ptr<double[]> CoordinateBuffer(std::size_t count) { return std::unique_ptr<double[]>(new double[count]); }

// A GEOS sequence of the ring's points and the closing point, copied by the
// engine from the stored ring itself.
GEOSCoordSequence* MakeClosedSequence(const GeosContext& context, const StoredRing& ring) {
  const auto* coordinates = reinterpret_cast<const double*>(ring.closed.data());
  GEOSCoordSequence* sequence =
      GEOSCoordSeq_copyFromBuffer_r(context.get(), coordinates, static_cast<unsigned>(ring.closed.size()), 0, 0);
  if (sequence == nullptr) context.Fail("building a coordinate sequence");
  return sequence;
}

// The ring's points, closing point and repeats dropped, into a new polygon of
// the region, turned to run clockwise (y up) for an outer ring and
// counter-clockwise for a hole. A repeated point adds nothing to the area's
// sum, so the sum and the count of distinct points come from the engine's
// coordinates as they are.
void AddRing(const GeosContext& context, CFPPolyRgn& region, const GEOSGeometry* ring, bool outer) {
  const GEOSCoordSequence* sequence = GEOSGeom_getCoordSeq_r(context.get(), ring);
  unsigned size = 0;
  if (sequence == nullptr || GEOSCoordSeq_getSize_r(context.get(), sequence, &size) == 0) context.Fail("reading a ring");
  if (size == 0) return;
  const std::unique_ptr<double[]> buffer = CoordinateBuffer(2 * static_cast<std::size_t>(size));
  if (GEOSCoordSeq_copyToBuffer_r(context.get(), sequence, buffer.get(), 0, 0) == 0) context.Fail("reading a ring");
  const auto x = [&buffer](std::size_t k) { return buffer[2 * k]; };
  const auto y = [&buffer](std::size_t k) { return buffer[2 * k + 1]; };
  const auto repeats = [&](std::size_t k, std::size_t previous) { return x(k) == x(previous) && y(k) == y(previous); };
  std::size_t end = size;
  while (end > 1 && repeats(end - 1, 0)) --end;
  std::size_t distinct = 1;
  double clockwiseArea2 = (x(0) - x(end - 1)) * (y(0) + y(end - 1));
  for (std::size_t k = 1; k < end; ++k) {
    if (!repeats(k, k - 1)) ++distinct;
    clockwiseArea2 += (x(k) - x(k - 1)) * (y(k) + y(k - 1));
  }
  if (distinct < 3) return;
  auto polygon = std::make_unique<CFPPolygon>();
  if ((clockwiseArea2 < 0) == outer) {
    for (std::size_t k = end; k-- > 0;) {
      if (k + 1 == end || !repeats(k, k + 1)) polygon->AddTailNode(x(k), y(k));
    }
  } else {
    for (std::size_t k = 0; k < end; ++k) {
      if (k == 0 || !repeats(k, k - 1)) polygon->AddTailNode(x(k), y(k));
    }
  }
  region.AddPolygon(polygon.release());
}

void AddPolygons(const GeosContext& context, CFPPolyRgn& region, const GEOSGeometry* geometry) {
  const int type = GEOSGeomTypeId_r(context.get(), geometry);
  if (type == GEOS_POLYGON) {
    if (GEOSisEmpty_r(context.get(), geometry) == 1) return;
    AddRing(context, region, GEOSGetExteriorRing_r(context.get(), geometry), true);
    const int holes = GEOSGetNumInteriorRings_r(context.get(), geometry);
    for (int k = 0; k < holes; ++k) AddRing(context, region, GEOSGetInteriorRingN_r(context.get(), geometry, k), false);
  } else if (type == GEOS_MULTIPOLYGON || type == GEOS_GEOMETRYCOLLECTION) {
    const int parts = GEOSGetNumGeometries_r(context.get(), geometry);
    for (int k = 0; k < parts; ++k) AddPolygons(context, region, GEOSGetGeometryN_r(context.get(), geometry, k));
  }
}

}  // namespace

std::vector<StoredRing> ReadRings(const CFPPolyRgn& region) {
  std::vector<StoredRing> rings;
  const auto& polygons = StoredPolygons::Of(region);
  rings.reserve(static_cast<std::size_t>(polygons.GetCount()));
  for (POSITION at = polygons.GetHeadPosition(); at != nullptr;) {
    const PointList& points = StoredPoints::Of(*polygons.GetNext(at));
    StoredRing ring{{}, 0.0};
    Ring& closed = ring.closed;
    closed.reserve(static_cast<std::size_t>(points.GetCount()) + 1);
    for (POSITION node = points.GetHeadPosition(); node != nullptr;) {
      const CFPPoint& pt = points.GetNext(node);
      if (!std::isfinite(pt.x) || !std::isfinite(pt.y)) {
        throw CInvalidArgException("overlay: ring " + std::to_string(rings.size()) + " has a non-finite coordinate");
      }
      if (!closed.empty()) {
        const Vertex& previous = closed.back();
        if (pt.x == previous.x && pt.y == previous.y) continue;
        ring.clockwiseArea2 += (pt.x - previous.x) * (pt.y + previous.y);
      }
      closed.push_back({pt.x, pt.y});
    }
    if (!closed.empty()) {
      const Vertex head = closed.front();
      const Vertex& tail = closed.back();
      ring.clockwiseArea2 += (head.x - tail.x) * (head.y + tail.y);
      // A tail that repeats the head closes the ring already.
      if (closed.size() == 1 || tail.x != head.x || tail.y != head.y) closed.push_back(head);
    }
    rings.push_back(std::move(ring));
  }
  return rings;
}

Geometry MakeLinearRing(const GeosContext& context, const StoredRing& ring) {
  // The ring takes the sequence, also when it refuses to be built.
  return Own(context, GEOSGeom_createLinearRing_r(context.get(), MakeClosedSequence(context, ring)), "building a ring");
}

Geometry MakeClosedLine(const GeosContext& context, const StoredRing& ring) {
  return Own(context, GEOSGeom_createLineString_r(context.get(), MakeClosedSequence(context, ring)), "building a line");
}

Geometry MakeEmptyArea(const GeosContext& context) {
  return Own(context, GEOSGeom_createEmptyPolygon_r(context.get()), "building an empty area");
}

Geometry MakeCollection(const GeosContext& context, int type, std::vector<Geometry> parts) {
  std::vector<GEOSGeometry*> raw;
  raw.reserve(parts.size());
  for (Geometry& part : parts) raw.push_back(part.get());
  GEOSGeometry* collection =
      GEOSGeom_createCollection_r(context.get(), type, raw.data(), static_cast<unsigned>(raw.size()));
  // On success the collection owns the parts; on failure GEOS destroys them.
  for (Geometry& part : parts) static_cast<void>(part.release());
  return Own(context, collection, "building a collection");
}

CFPPolyRgn ToRegion(const GeosContext& context, const GEOSGeometry* area) {
  CFPPolyRgn region;
  AddPolygons(context, region, area);
  return region;
}

}  // namespace fpgeom::overlay_detail
