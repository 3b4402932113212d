#include "Rings.h"

#include <cmath>
#include <memory>
#include <string>

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
struct StoredPoints : CFPPolygon {
  static const PointList& Of(const CFPPolygon& polygon) { return polygon.*(&StoredPoints::m_points); }
};

// Calls visit(x, y) for the ring's distinct points, head to tail.
template <class Visit>
void VisitDistinct(const StoredRing& ring, Visit visit) {
  const CFPPoint* previous = nullptr;
  unsigned count = 0;
  for (POSITION node = ring.points->GetHeadPosition(); node != nullptr && count < ring.distinct;) {
    const CFPPoint& pt = ring.points->GetNext(node);
    if (previous != nullptr && pt.x == previous->x && pt.y == previous->y) continue;
    previous = &pt;
    visit(pt.x, pt.y);
    ++count;
  }
}

// A GEOS sequence of `size` points and the closing point, made at its full
// size and filled in place (building one from a buffer appends point by point
// and reallocates on the way). fill(put) calls put(x, y) `size` times.
template <class Fill>
GEOSCoordSequence* MakeClosedSequence(const GeosContext& context, unsigned size, Fill fill) {
  const GEOSContextHandle_t handle = context.get();
  GEOSCoordSequence* sequence = GEOSCoordSeq_create_r(handle, size + 1, 2);
  if (sequence == nullptr) context.Fail("building a coordinate sequence");
  unsigned k = 0;
  double firstX = 0.0;
  double firstY = 0.0;
  fill([&](double x, double y) {
    if (k == 0) {
      firstX = x;
      firstY = y;
    }
    GEOSCoordSeq_setXY_r(handle, sequence, k++, x, y);
  });
  GEOSCoordSeq_setXY_r(handle, sequence, size, firstX, firstY);
  return sequence;
}

// The ring's points, closing point and repeats dropped, into a new polygon of
// the region, turned to run clockwise (y up) for an outer ring and
// counter-clockwise for a hole.
void AddRing(const GeosContext& context, CFPPolyRgn& region, const GEOSGeometry* ring, bool outer) {
  const GEOSCoordSequence* sequence = GEOSGeom_getCoordSeq_r(context.get(), ring);
  unsigned size = 0;
  if (sequence == nullptr || GEOSCoordSeq_getSize_r(context.get(), sequence, &size) == 0) context.Fail("reading a ring");
  std::vector<double> buffer(2 * static_cast<std::size_t>(size));
  if (size > 0 && GEOSCoordSeq_copyToBuffer_r(context.get(), sequence, buffer.data(), 0, 0) == 0) {
    context.Fail("reading a ring");
  }
  Ring points;
  points.reserve(size);
  for (unsigned k = 0; k < size; ++k) {
    const Vertex v{buffer[2 * k], buffer[2 * k + 1]};
    if (points.empty() || v.x != points.back().x || v.y != points.back().y) points.push_back(v);
  }
  while (points.size() > 1 && points.back().x == points.front().x && points.back().y == points.front().y) {
    points.pop_back();
  }
  if (points.size() < 3) return;
  double clockwiseArea2 = 0.0;
  for (std::size_t k = 0, n = points.size(); k < n; ++k) {
    const Vertex& a = points[k == 0 ? n - 1 : k - 1];
    clockwiseArea2 += (points[k].x - a.x) * (points[k].y + a.y);
  }
  auto polygon = std::make_unique<CFPPolygon>();
  if ((clockwiseArea2 < 0) == outer) {
    for (auto v = points.rbegin(); v != points.rend(); ++v) polygon->AddTailNode(v->x, v->y);
  } else {
    for (const Vertex& v : points) polygon->AddTailNode(v.x, v.y);
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
    StoredRing ring{&StoredPoints::Of(*polygons.GetNext(at)), 0, 0.0};
    const CFPPoint* head = nullptr;
    const CFPPoint* previous = nullptr;
    unsigned kept = 0;
    for (POSITION node = ring.points->GetHeadPosition(); node != nullptr;) {
      const CFPPoint& pt = ring.points->GetNext(node);
      if (!std::isfinite(pt.x) || !std::isfinite(pt.y)) {
        throw CInvalidArgException("overlay: ring " + std::to_string(rings.size()) + " has a non-finite coordinate");
      }
      if (previous == nullptr) {
        head = &pt;
      } else if (pt.x == previous->x && pt.y == previous->y) {
        continue;
      } else {
        ring.clockwiseArea2 += (pt.x - previous->x) * (pt.y + previous->y);
      }
      previous = &pt;
      ++kept;
    }
    if (kept > 0) ring.clockwiseArea2 += (head->x - previous->x) * (head->y + previous->y);
    // A tail that repeats the head closes the ring and is not a point of it.
    ring.distinct = kept > 1 && previous->x == head->x && previous->y == head->y ? kept - 1 : kept;
    rings.push_back(ring);
  }
  return rings;
}

Ring ToRing(const StoredRing& stored) {
  Ring ring;
  ring.reserve(stored.distinct);
  VisitDistinct(stored, [&](double x, double y) { ring.push_back({x, y}); });
  return ring;
}

Geometry MakeLinearRing(const GeosContext& context, const StoredRing& ring) {
  GEOSCoordSequence* sequence =
      MakeClosedSequence(context, ring.distinct, [&](auto put) { VisitDistinct(ring, put); });
  // The ring takes the sequence, also when it refuses to be built.
  return Own(context, GEOSGeom_createLinearRing_r(context.get(), sequence), "building a ring");
}

Geometry MakeClosedLine(const GeosContext& context, const Ring& ring) {
  GEOSCoordSequence* sequence = MakeClosedSequence(context, static_cast<unsigned>(ring.size()), [&](auto put) {
    for (const Vertex& v : ring) put(v.x, v.y);
  });
  return Own(context, GEOSGeom_createLineString_r(context.get(), sequence), "building a line");
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
