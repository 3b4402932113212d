#include "Rings.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>

#include "fpgeom/frame/Exceptions.h"
#include "fpgeom/polygon/FPPolygon.h"

namespace fpgeom::overlay_detail {
namespace {

void AppendVertex(Ring& ring, double x, double y) {
  if (!ring.empty() && ring.back().x == x && ring.back().y == y) return;
  ring.push_back({x, y});
}

void DropClosingRepeat(Ring& ring) {
  while (ring.size() > 1 && ring.back().x == ring.front().x && ring.back().y == ring.front().y) ring.pop_back();
}

Geometry MakeSequenceGeometry(const GeosContext& context, const Ring& ring, bool asRing) {
  std::vector<double> buffer;
  buffer.reserve(2 * ring.size() + 2);
  for (const Vertex& v : ring) {
    buffer.push_back(v.x);
    buffer.push_back(v.y);
  }
  buffer.push_back(ring.front().x);
  buffer.push_back(ring.front().y);
  GEOSCoordSequence* sequence = GEOSCoordSeq_copyFromBuffer_r(
      context.get(), buffer.data(), static_cast<unsigned>(ring.size() + 1), 0, 0);
  if (sequence == nullptr) context.Fail("building a coordinate sequence");
  // The geometry takes the sequence, also when it refuses to be built.
  return asRing ? Own(context, GEOSGeom_createLinearRing_r(context.get(), sequence), "building a ring")
                : Own(context, GEOSGeom_createLineString_r(context.get(), sequence), "building a line");
}

Ring ReadRing(const GeosContext& context, const GEOSGeometry* ring) {
  const GEOSCoordSequence* sequence = GEOSGeom_getCoordSeq_r(context.get(), ring);
  unsigned size = 0;
  if (sequence == nullptr || GEOSCoordSeq_getSize_r(context.get(), sequence, &size) == 0) context.Fail("reading a ring");
  std::vector<double> buffer(2 * static_cast<std::size_t>(size));
  if (size > 0 && GEOSCoordSeq_copyToBuffer_r(context.get(), sequence, buffer.data(), 0, 0) == 0) {
    context.Fail("reading a ring");
  }
  Ring out;
  out.reserve(size);
  for (unsigned k = 0; k < size; ++k) AppendVertex(out, buffer[2 * k], buffer[2 * k + 1]);
  DropClosingRepeat(out);
  return out;
}

void AddRing(CFPPolyRgn& region, Ring ring, bool outer) {
  if (ring.size() < 3) return;
  if ((ClockwiseArea2(ring) < 0) == outer) std::reverse(ring.begin(), ring.end());
  auto polygon = std::make_unique<CFPPolygon>();
  for (const Vertex& v : ring) polygon->AddTailNode(v.x, v.y);
  region.AddPolygon(polygon.release());
}

void AddPolygons(const GeosContext& context, CFPPolyRgn& region, const GEOSGeometry* geometry) {
  const int type = GEOSGeomTypeId_r(context.get(), geometry);
  if (type == GEOS_POLYGON) {
    if (GEOSisEmpty_r(context.get(), geometry) == 1) return;
    AddRing(region, ReadRing(context, GEOSGetExteriorRing_r(context.get(), geometry)), true);
    const int holes = GEOSGetNumInteriorRings_r(context.get(), geometry);
    for (int k = 0; k < holes; ++k) {
      AddRing(region, ReadRing(context, GEOSGetInteriorRingN_r(context.get(), geometry, k)), false);
    }
  } else if (type == GEOS_MULTIPOLYGON || type == GEOS_GEOMETRYCOLLECTION) {
    const int parts = GEOSGetNumGeometries_r(context.get(), geometry);
    for (int k = 0; k < parts; ++k) AddPolygons(context, region, GEOSGetGeometryN_r(context.get(), geometry, k));
  }
}

}  // namespace

std::vector<Ring> ExtractRings(const CFPPolyRgn& region) {
  std::vector<Ring> rings;
  region.BeginIteration();
  while (region.isIterationFinished() == 0) {
    const CFPPolygon& polygon = *region.getNextPolygon();
    Ring ring;
    polygon.BeginIteration(DIR_FORWARD);
    while (polygon.isIterationFinished() == 0) {
      const CFPPoint pt = polygon.getNextNode();
      if (!std::isfinite(pt.x) || !std::isfinite(pt.y)) {
        throw CInvalidArgException("overlay: ring " + std::to_string(rings.size()) + " has a non-finite coordinate");
      }
      AppendVertex(ring, pt.x, pt.y);
    }
    DropClosingRepeat(ring);
    rings.push_back(std::move(ring));
  }
  return rings;
}

double ClockwiseArea2(const Ring& ring) {
  double sum = 0.0;
  for (std::size_t k = 0, n = ring.size(); k < n; ++k) {
    const Vertex& a = ring[k];
    const Vertex& b = ring[(k + 1) % n];
    sum += (b.x - a.x) * (b.y + a.y);
  }
  return sum;
}

Geometry MakeLinearRing(const GeosContext& context, const Ring& ring) { return MakeSequenceGeometry(context, ring, true); }

Geometry MakeClosedLine(const GeosContext& context, const Ring& ring) { return MakeSequenceGeometry(context, ring, false); }

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

CFPPolyRgn ToRegion(const GeosContext& context, GEOSGeometry* area) {
  if (GEOSNormalize_r(context.get(), area) != 0) context.Fail("ordering the result");
  CFPPolyRgn region;
  AddPolygons(context, region, area);
  return region;
}

}  // namespace fpgeom::overlay_detail
