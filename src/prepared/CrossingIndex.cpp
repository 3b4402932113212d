// Containment of one ring from bands of edges. Every test below is the
// crossing count's own, evaluated in the same order, so the answer has the
// same bits; the bands only leave out edges that the count would pass over.
#include "prepared/CrossingIndex.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "fpgeom/values/Tolerance.h"

namespace fpgeom::detail {
namespace {

enum class EdgeFinding { kMisses, kCrosses, kOnBoundary };

// The crossing count's examination of one edge against the horizontal ray
// from pt towards growing x, in the same order of operations.
EdgeFinding Examine(const CrossingEdge& edge, double x, double y) {
  if (edge.horizontal) {
    const bool onEdge = std::fabs(y - edge.ay) < kPointEpsilon &&
                        ((edge.ax < x && x <= edge.bx) || (edge.bx <= x && x < edge.ax));
    return onEdge ? EdgeFinding::kOnBoundary : EdgeFinding::kMisses;
  }
  if (std::fabs(x - edge.bx) <= kPointEpsilon && std::fabs(y - edge.by) <= kPointEpsilon) {
    return EdgeFinding::kOnBoundary;
  }
  // The edge line's x at height y, evaluated in exactly this order.
  const double lineX = ((edge.bx - edge.ax) * y - edge.bx * edge.ay + edge.by * edge.ax) / (edge.by - edge.ay);
  const bool withinHeights = (edge.ay < y && y <= edge.by) || (edge.by <= y && y < edge.ay);
  if (std::fabs(x - lineX) < kPointEpsilon && withinHeights) return EdgeFinding::kOnBoundary;
  if (!(x - lineX < kPointEpsilon)) return EdgeFinding::kMisses;
  if ((edge.ay < y && y < edge.by) || (edge.by < y && y < edge.ay)) return EdgeFinding::kCrosses;
  if (std::fabs(y - edge.by) < kPointEpsilon && edge.countsAtEnd) return EdgeFinding::kCrosses;
  return EdgeFinding::kMisses;
}

// For each point b, the height step to the first point after it (cyclically)
// whose y differs from b's by 2^-52 or more, or NaN when there is none. Only
// the ends of non-horizontal edges ask, and the runs they skip never overlap,
// so the whole pass is linear.
std::vector<double> NextHeightChanges(const std::vector<RingPoint>& points) {
  const std::size_t count = points.size();
  std::vector<double> changes(count, std::numeric_limits<double>::quiet_NaN());
  for (std::size_t end = 0; end < count; ++end) {
    const RingPoint& start = points[end == 0 ? count - 1 : end - 1];
    if (std::fabs(start.y - points[end].y) < kPointEpsilon) continue;
    std::size_t next = end;
    for (std::size_t step = 1; step <= count; ++step) {
      next = next + 1 == count ? 0 : next + 1;
      const double change = points[next].y - points[end].y;
      if (!(std::fabs(change) < kDoubleEpsilon)) {
        changes[end] = change;
        break;
      }
    }
  }
  return changes;
}

// Heights are widened by twice the tolerance: every test of the count needs
// pt.y within the tolerance of the edge's heights, and rounding the bound to
// a double cannot shut out a double inside it.
constexpr double kBandMargin = 2 * kPointEpsilon;

// Below Low or above High the edge cannot matter.
double Low(const CrossingEdge& edge) { return std::min(edge.ay, edge.by) - kBandMargin; }
double High(const CrossingEdge& edge) { return std::max(edge.ay, edge.by) + kBandMargin; }

bool AllFinite(const std::vector<RingPoint>& points) {
  return std::all_of(points.begin(), points.end(),
                     [](const RingPoint& p) { return std::isfinite(p.x) && std::isfinite(p.y); });
}

}  // namespace

CrossingIndex::CrossingIndex(const std::vector<RingPoint>& points, const CFPRect& bounds) {
  if (points.size() < 2) return;
  m_tooFew = false;
  m_left = bounds.left;
  m_bottom = bounds.bottom;
  m_right = bounds.right;
  m_top = bounds.top;

  const std::vector<double> nextChanges = NextHeightChanges(points);
  std::vector<CrossingEdge> edges;
  edges.reserve(points.size());
  for (std::size_t end = 0; end < points.size(); ++end) {
    const RingPoint& a = points[end == 0 ? points.size() - 1 : end - 1];
    const RingPoint& b = points[end];
    CrossingEdge edge{};
    edge.ax = a.x;
    edge.ay = a.y;
    edge.bx = b.x;
    edge.by = b.y;
    edge.horizontal = std::fabs(a.y - b.y) < kPointEpsilon;
    edge.countsAtEnd = (b.y - a.y >= 0.0) == (nextChanges[end] >= 0.0);
    edges.push_back(edge);
  }

  // A ring with a coordinate that is not finite is counted edge by edge in
  // one band: the heights of its edges say nothing about which edges count.
  m_finite = AllFinite(points);
  std::size_t bands = 1;
  const double height = m_top - m_bottom;
  if (m_finite && height > 0 && std::isfinite(height)) {
    bands = std::max<std::size_t>(1, points.size() / 2);
    m_bandScale = static_cast<double>(bands) / height;
    if (!std::isfinite(m_bandScale)) bands = 1;
  }
  // Edges that span many bands would repeat in each: fewer, taller bands
  // keep the index within a few records per edge.
  const std::size_t budget = 4 * edges.size() + 64;
  std::vector<BandRange> ranges(edges.size());
  for (;; bands = std::max<std::size_t>(1, bands / 2)) {
    m_bandCount = bands;
    if (bands > 1) m_bandScale = static_cast<double>(bands) / height;
    std::size_t records = 0;
    for (std::size_t k = 0; k < edges.size(); ++k) {
      ranges[k] = BandRange{BandOf(Low(edges[k])), BandOf(High(edges[k]))};
      records += ranges[k].last - ranges[k].first + 1;
    }
    if (bands == 1 || records <= budget) break;
  }
  Fill(edges, ranges);
}

// Monotone in y, so an edge listed in the bands of its low and high and
// every band between is found from any height between them.
std::size_t CrossingIndex::BandOf(double y) const {
  if (m_bandCount == 1) return 0;
  const double place = (y - m_bottom) * m_bandScale;
  if (!(place >= 0.0)) return 0;
  if (!(place < static_cast<double>(m_bandCount))) return m_bandCount - 1;
  return static_cast<std::size_t>(place);
}

void CrossingIndex::Fill(const std::vector<CrossingEdge>& edges, const std::vector<BandRange>& ranges) {
  std::vector<std::uint32_t> starts(m_bandCount + 1, 0);
  for (const BandRange& range : ranges) {
    for (std::size_t band = range.first; band <= range.last; ++band) ++starts[band + 1];
  }
  for (std::size_t band = 0; band < m_bandCount; ++band) starts[band + 1] += starts[band];
  m_bandStart = starts;
  m_edges.resize(starts[m_bandCount]);
  for (std::size_t k = 0; k < edges.size(); ++k) {
    for (std::size_t band = ranges[k].first; band <= ranges[k].last; ++band) m_edges[starts[band]++] = edges[k];
  }
}

int CrossingIndex::CountInBand(double x, double y) const {
  const std::size_t band = BandOf(y);
  const CrossingEdge* edge = m_edges.data() + m_bandStart[band];
  const CrossingEdge* const end = m_edges.data() + m_bandStart[band + 1];
  // The count's answer does not depend on the order of its edges: a boundary
  // hit anywhere answers 1, and crossings only add up.
  int crossings = 0;
  for (; edge != end; ++edge) {
    // Also passes over every edge for a height that is not a number, which
    // no test of the count finds on an edge or crossing it in any ring.
    if (m_finite && !(y >= Low(*edge) && y <= High(*edge))) continue;
    const EdgeFinding finding = Examine(*edge, x, y);
    if (finding == EdgeFinding::kOnBoundary) return 1;
    if (finding == EdgeFinding::kCrosses) ++crossings;
  }
  return crossings % 2 == 1 ? 1 : 0;
}

std::vector<RingPoint> RingPointsOf(const CFPPolygon& polygon) {
  std::vector<RingPoint> points;
  points.reserve(static_cast<std::size_t>(polygon.getCount()));
  for (polygon.BeginIteration(DIR_FORWARD); polygon.isIterationFinished() == 0;) {
    const CFPPoint point = polygon.getNextNode();
    points.push_back(RingPoint{point.x, point.y});
  }
  return points;
}

std::size_t CrossingIndex::MemoryBytes() const {
  return sizeof *this + m_bandStart.capacity() * sizeof(std::uint32_t) + m_edges.capacity() * sizeof(CrossingEdge);
}

}  // namespace fpgeom::detail
