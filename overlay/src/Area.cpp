// How a region becomes an area.
//
// Most regions already are one: outer rings (clockwise) each followed by their
// holes, valid as a multipolygon. Then every point of the area lies in an odd
// number of rings and its winding numbers add up to exactly one, and every
// other point to zero, so both fill rules give that multipolygon, and it is
// handed to the engine as it is after the validity check.
//
// Every other region (rings that meet themselves or each other, overlapping or
// repeated rings, holes outside their rings, rings in any direction) is read
// from its linework: the engine nodes all edges together and polygonizes them
// into faces, each face lies wholly inside or wholly outside the area, so one
// interior point per face decides it, by the winding number of the original
// rings there (the engine's noding merges repeated edges, so the winding is
// counted on the rings themselves, not on the noded lines). The faces kept
// form a coverage, whose union is the area.
#include "Area.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "SimpleRing.h"

namespace fpgeom::overlay_detail {
namespace {

bool IsInteriorWhole(const StoredRing& ring) { return ring.size() >= 3; }

// The region as outer rings with their holes when it is one in that order
// and valid; null otherwise.
Geometry TryAsGiven(const GeosContext& context, const std::vector<StoredRing>& rings) {
  std::vector<Geometry> polygons;
  bool certainlyValid = false;
  std::size_t k = 0;
  while (k < rings.size()) {
    if (!IsInteriorWhole(rings[k]) || !(rings[k].clockwiseArea2 > 0)) return nullptr;
    // A lone outer ring that is certainly simple is a valid polygon; anything
    // less certain is left to the engine's check.
    certainlyValid = rings.size() == 1 && IsCertainlySimple(rings[k].closed.data(), rings[k].size());
    Geometry shell = MakeLinearRing(context, rings[k]);
    std::vector<Geometry> holes;
    for (++k; k < rings.size() && !(rings[k].clockwiseArea2 > 0); ++k) {
      if (!IsInteriorWhole(rings[k]) || !(rings[k].clockwiseArea2 < 0)) return nullptr;
      holes.push_back(MakeLinearRing(context, rings[k]));
    }
    std::vector<GEOSGeometry*> rawHoles;
    for (Geometry& hole : holes) rawHoles.push_back(hole.get());
    GEOSGeometry* polygon = GEOSGeom_createPolygon_r(context.get(), shell.get(), rawHoles.data(),
                                                     static_cast<unsigned>(rawHoles.size()));
    if (polygon == nullptr) context.Fail("building a polygon");
    static_cast<void>(shell.release());
    for (Geometry& hole : holes) static_cast<void>(hole.release());
    polygons.push_back(Geometry(polygon, GeometryDeleter{context.get()}));
  }
  // One polygon goes as itself: the engine's overlay takes a slower road for
  // a collection, even of one.
  Geometry area = polygons.size() == 1 ? std::move(polygons.front())
                                       : MakeCollection(context, GEOS_MULTIPOLYGON, std::move(polygons));
  const char valid = certainlyValid ? 1 : GEOSisValid_r(context.get(), area.get());
  if (valid == 2) context.Fail("checking a region");
  return valid == 1 ? std::move(area) : nullptr;
}

Geometry FromLinework(const GeosContext& context, const std::vector<StoredRing>& rings, FillRule rule) {
  std::vector<Geometry> lines;
  for (const StoredRing& ring : rings) {
    if (IsInteriorWhole(ring)) lines.push_back(MakeClosedLine(context, ring));
  }
  if (lines.empty()) return MakeEmptyArea(context);
  const Geometry linework = MakeCollection(context, GEOS_MULTILINESTRING, std::move(lines));
  const Geometry noded = Own(context, GEOSNode_r(context.get(), linework.get()), "noding the rings");
  const GEOSGeometry* nodedRaw = noded.get();
  const Geometry faces = Own(context, GEOSPolygonize_r(context.get(), &nodedRaw, 1), "finding the faces");

  const WindingIndex index(rings);
  std::vector<Geometry> kept;
  const int count = GEOSGetNumGeometries_r(context.get(), faces.get());
  for (int k = 0; k < count; ++k) {
    const GEOSGeometry* face = GEOSGetGeometryN_r(context.get(), faces.get(), k);
    const Geometry probe = Own(context, GEOSPointOnSurface_r(context.get(), face), "finding a point in a face");
    double x = 0.0;
    double y = 0.0;
    if (GEOSisEmpty_r(context.get(), probe.get()) == 1) continue;
    if (GEOSGeomGetX_r(context.get(), probe.get(), &x) == 0 || GEOSGeomGetY_r(context.get(), probe.get(), &y) == 0) {
      context.Fail("reading a point");
    }
    if (Inside(index.Winding(x, y), rule)) {
      kept.push_back(Own(context, GEOSGeom_clone_r(context.get(), face), "copying a face"));
    }
  }
  if (kept.empty()) return MakeEmptyArea(context);
  const Geometry coverage = MakeCollection(context, GEOS_GEOMETRYCOLLECTION, std::move(kept));
  // The faces form a coverage, whose union is cheap; where noding in floating
  // point left two faces overlapping by a sliver, the general union joins
  // them.
  if (GEOSGeometry* joined = GEOSCoverageUnion_r(context.get(), coverage.get())) {
    return Geometry(joined, GeometryDeleter{context.get()});
  }
  return Own(context, GEOSUnaryUnion_r(context.get(), coverage.get()), "joining the faces");
}

}  // namespace

bool Inside(long winding, FillRule rule) {
  return rule == FillRule::kEvenOdd ? (winding % 2) != 0 : winding != 0;
}

WindingIndex::WindingIndex(const std::vector<StoredRing>& rings) {
  double bottom = INFINITY;
  double top = -INFINITY;
  for (const StoredRing& ring : rings) {
    if (!IsInteriorWhole(ring)) continue;
    for (std::size_t k = 0, n = ring.size(); k < n; ++k) {
      const Vertex& a = ring.closed[k];
      const Vertex& b = ring.closed[k + 1];
      if (a.y == b.y) continue;  // a horizontal edge is never crossed by the rule below
      m_edges.push_back({a.x, a.y, b.x, b.y});
      bottom = std::min({bottom, a.y, b.y});
      top = std::max({top, a.y, b.y});
    }
  }
  if (m_edges.empty()) return;
  // About as many bands as the square root of the edges: few edges per band
  // for maps of many small rings. Where long edges would fill too many bands
  // (rings through far-apart points), fewer and taller bands keep the index
  // within a few entries an edge.
  m_bottom = bottom;
  std::size_t bands = std::max<std::size_t>(1, static_cast<std::size_t>(std::sqrt(double(m_edges.size()))));
  for (;;) {
    m_bands.assign(bands, {});
    m_bandHeight = (top - bottom) / static_cast<double>(bands);
    if (!(m_bandHeight > 0) || !std::isfinite(m_bandHeight)) m_bandHeight = 1.0;
    std::size_t entries = 0;
    for (const Edge& edge : m_edges) entries += BandOf(std::max(edge.ay, edge.by)) - BandOf(std::min(edge.ay, edge.by)) + 1;
    if (bands == 1 || entries <= 16 * m_edges.size()) break;
    bands /= 2;
  }
  for (std::size_t e = 0; e < m_edges.size(); ++e) {
    const Edge& edge = m_edges[e];
    const std::size_t first = BandOf(std::min(edge.ay, edge.by));
    const std::size_t last = BandOf(std::max(edge.ay, edge.by));
    for (std::size_t band = first; band <= last; ++band) m_bands[band].push_back(e);
  }
}

std::size_t WindingIndex::BandOf(double y) const {
  const double offset = std::floor((y - m_bottom) / m_bandHeight);
  if (!(offset > 0)) return 0;
  return std::min(m_bands.size() - 1, static_cast<std::size_t>(offset));
}

long WindingIndex::Winding(double x, double y) const {
  if (m_bands.empty()) return 0;
  long winding = 0;
  for (const std::size_t e : m_bands[BandOf(y)]) {
    const Edge& edge = m_edges[e];
    const double side = (edge.bx - edge.ax) * (y - edge.ay) - (x - edge.ax) * (edge.by - edge.ay);
    if (edge.ay <= y && y < edge.by) {
      if (side > 0) ++winding;
    } else if (edge.by <= y && y < edge.ay) {
      if (side < 0) --winding;
    }
  }
  return winding;
}

Geometry BuildArea(const GeosContext& context, const std::vector<StoredRing>& rings, FillRule rule) {
  if (rings.empty()) return MakeEmptyArea(context);
  if (Geometry area = TryAsGiven(context, rings)) return area;
  return FromLinework(context, rings, rule);
}

}  // namespace fpgeom::overlay_detail
