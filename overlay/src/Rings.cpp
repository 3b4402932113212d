#include "Rings.h"

#include <cmath>
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

// A GEOS sequence of the ring's points and the closing point.
GEOSCoordSequence* MakeClosedSequence(const GeosContext& context, const Ring& ring) {
  const std::size_t size = ring.size();
  std::vector<double> buffer(2 * size + 2);
  for (std::size_t k = 0; k < size; ++k) {
    buffer[2 * k] = ring[k].x;
    buffer[2 * k + 1] = ring[k].y;
  }
  if (size > 0) {
    buffer[2 * size] = ring[0].x;
    buffer[2 * size + 1] = ring[0].y;
  }
  GEOSCoordSequence* sequence =
      GEOSCoordSeq_copyFromBuffer_r(context.get(), buffer.data(), static_cast<unsigned>(buffer.size() / 2), 0, 0);
  if (sequence == nullptr) context.Fail("building a coordinate sequence");
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
    const PointList& points = StoredPoints::Of(*polygons.GetNext(at));
    StoredRing ring{{}, 0.0};
    ring.points.reserve(static_cast<std::size_t>(points.GetCount()));
    for (POSITION node = points.GetHeadPosition(); node != nullptr;) {
      const CFPPoint& pt = points.GetNext(node);
      if (!std::isfinite(pt.x) || !std::isfinite(pt.y)) {
        throw CInvalidArgException("overlay: ring " + std::to_string(rings.size()) + " has a non-finite coordinate");
      }
      if (!ring.points.empty()) {
        const Vertex& previous = ring.points.back();
        if (pt.x == previous.x && pt.y == previous.y) continue;
        ring.clockwiseArea2 += (pt.x - previous.x) * (pt.y + previous.y);
      }
      ring.points.push_back({pt.x, pt.y});
    }
    if (!ring.points.empty()) {
      const Vertex& head = ring.points.front();
      const Vertex& tail = ring.points.back();
      ring.clockwiseArea2 += (head.x - tail.x) * (head.y + tail.y);
      // A tail that repeats the head closes the ring and is not a point of it.
      if (ring.points.size() > 1 && tail.x == head.x && tail.y == head.y) ring.points.pop_back();
    }
    rings.push_back(std::move(ring));
  }
  return rings;
}

Geometry MakeLinearRing(const GeosContext& context, const Ring& ring) {
  // The ring takes the sequence, also when it refuses to be built.
  return Own(context, GEOSGeom_createLinearRing_r(context.get(), MakeClosedSequence(context, ring)), "building a ring");
}

Geometry MakeClosedLine(const GeosContext& context, const Ring& ring) {
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
