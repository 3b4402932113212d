// Containment of one ring from a grid of edges. Every test below is the
// crossing count's own, evaluated in the same order, so the answer has the
// same bits; the grid only leaves out edges that the count would pass over,
// and counts without a look the edges it would find crossing.
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

// How far beyond the edge's own widths the count's line x can fall at a
// height between Low and High: the slope times the heights the margin adds,
// the rounding of the line formula (a few units in the last place of its
// terms, divided by the height), and the tolerance of the x tests. Every
// bound is taken several times over; an edge reached too far is only
// examined where it need not be.
void SetReach(CrossingEdge& edge) {
  const double minX = std::min(edge.ax, edge.bx), maxX = std::max(edge.ax, edge.bx);
  double reach = 2 * kPointEpsilon;
  if (!edge.horizontal) {
    const double dx = std::fabs(edge.bx - edge.ax), dy = std::fabs(edge.by - edge.ay);
    const double heights = std::max(std::fabs(edge.ay), std::fabs(edge.by)) + 1.0;
    const double terms = dx * heights + std::fabs(edge.bx * edge.ay) + std::fabs(edge.by * edge.ax);
    const double widths = std::max(std::fabs(edge.ax), std::fabs(edge.bx));
    reach += 4 * kPointEpsilon * dx / dy + 0x1p-49 * (terms / dy + widths);
  }
  if (std::isnan(reach)) reach = std::numeric_limits<double>::infinity();
  edge.left = minX - reach;
  edge.right = maxX + reach;
}

constexpr std::size_t kMostColumns = 64;

}  // namespace

CrossingIndex::CrossingIndex(const std::vector<RingPoint>& points, const CFPRect& bounds) {
  if (points.size() < 2) return;
  m_tooFew = false;
  m_left = bounds.left;
  m_bottom = bounds.bottom;
  m_right = bounds.right;
  m_top = bounds.top;
  // A ring with a coordinate that is not finite is counted edge by edge in
  // one cell: the heights and widths of its edges say nothing about which
  // edges count.
  m_finite = AllFinite(points);

  const std::vector<double> nextChanges = NextHeightChanges(points);
  m_edges.reserve(points.size());
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
    if (m_finite) {
      SetReach(edge);
    } else {
      edge.left = -std::numeric_limits<double>::infinity();
      edge.right = std::numeric_limits<double>::infinity();
    }
    m_edges.push_back(edge);
  }

  const double height = m_top - m_bottom;
  const double width = m_right - m_left;
  const bool banded = m_finite && height > 0 && std::isfinite(height);
  // Edges that span many cells are filed in each: fewer, taller bands keep
  // the index within 32 records of four bytes per edge.
  const std::size_t budget = 32 * m_edges.size() + 64;
  std::vector<Span> bandSpans(m_edges.size());
  for (std::size_t bands = banded ? std::max<std::size_t>(1, points.size() / 2) : 1;;
       bands = std::max<std::size_t>(1, bands / 2)) {
    Shape(Grid{bands, std::clamp<std::size_t>(bands / 4, 1, kMostColumns)}, height, width);
    if (bands > 1 && m_grid.bands * m_grid.columns > budget / 4) continue;
    for (std::size_t k = 0; k < m_edges.size(); ++k) {
      bandSpans[k] = Span{BandOf(Low(m_edges[k])), BandOf(High(m_edges[k]))};
    }
    if (bands == 1 || Records(bandSpans) <= budget) break;
  }
  Fill(bandSpans);
}

void CrossingIndex::Shape(Grid grid, double height, double width) {
  m_grid = Grid{1, 1};
  if (grid.bands > 1) {
    m_bandScale = static_cast<double>(grid.bands) / height;
    if (!std::isfinite(m_bandScale)) return;
    m_grid.bands = grid.bands;
  }
  if (m_grid.bands > 1 && grid.columns > 1 && width > 0 && std::isfinite(width)) {
    m_columnScale = static_cast<double>(grid.columns) / width;
    if (std::isfinite(m_columnScale)) m_grid.columns = grid.columns;
  }
}

// Monotone in y, so an edge listed in the bands of its low and high and
// every band between is found from any height between them.
std::size_t CrossingIndex::BandOf(double y) const {
  if (m_grid.bands == 1) return 0;
  const double place = (y - m_bottom) * m_bandScale;
  if (!(place >= 0.0)) return 0;
  if (!(place < static_cast<double>(m_grid.bands))) return m_grid.bands - 1;
  return static_cast<std::size_t>(place);
}

// Monotone in x as BandOf is in y: a point in a column left of the column
// of an edge's left is left of it, and one right of the column of its right
// is right of it.
std::size_t CrossingIndex::ColumnOf(double x) const {
  if (m_grid.columns == 1) return 0;
  const double place = (x - m_left) * m_columnScale;
  if (!(place >= 0.0)) return 0;
  if (!(place < static_cast<double>(m_grid.columns))) return m_grid.columns - 1;
  return static_cast<std::size_t>(place);
}

// The bands the edge runs through from below every height of them to above
// every height of them, so that at each of those heights the count finds it
// strictly between its ends: the bands strictly between the bands of its
// ends, as BandOf is monotone (a height in a band above the band of an end
// is above that end). None (first > last) for a horizontal edge.
CrossingIndex::Span CrossingIndex::CrossedBands(const CrossingEdge& edge) const {
  const Span none{1, 0};
  if (edge.horizontal) return none;
  const std::size_t low = BandOf(std::min(edge.ay, edge.by)), high = BandOf(std::max(edge.ay, edge.by));
  return high >= low + 2 ? Span{low + 1, high - 1} : none;
}

std::size_t CrossingIndex::Columns(const CrossingEdge& edge) const {
  return ColumnOf(edge.right) - ColumnOf(edge.left) + 1;
}

// A crossed band holds the edge in each column its widths reach, each other
// band of its span once: counted per edge, not per band, since the first
// grids tried may be far too fine.
std::size_t CrossingIndex::Records(const std::vector<Span>& bandSpans) const {
  std::size_t records = 0;
  for (std::size_t k = 0; k < m_edges.size(); ++k) {
    const Span crossed = CrossedBands(m_edges[k]);
    const std::size_t crossings = crossed.first <= crossed.last ? crossed.last - crossed.first + 1 : 0;
    records += bandSpans[k].last - bandSpans[k].first + 1 - crossings + crossings * Columns(m_edges[k]);
  }
  return records;
}

void CrossingIndex::Fill(const std::vector<Span>& bandSpans) {
  const std::size_t columns = m_grid.columns;
  const std::size_t cells = m_grid.bands * columns;
  std::vector<std::uint32_t> cellStart(cells + 1, 0), bandStart(m_grid.bands + 1, 0);
  std::vector<std::int64_t> rightSteps(cells + 1, 0);
  for (std::size_t k = 0; k < m_edges.size(); ++k) {
    const Span crossed = CrossedBands(m_edges[k]);
    const std::size_t first = ColumnOf(m_edges[k].left), last = ColumnOf(m_edges[k].right);
    for (std::size_t band = bandSpans[k].first; band <= bandSpans[k].last; ++band) {
      if (band < crossed.first || band > crossed.last) {
        ++bandStart[band + 1];
        continue;
      }
      const std::size_t row = band * columns;
      for (std::size_t column = first; column <= last; ++column) ++cellStart[row + column + 1];
      // Wholly to the right of the cells of the row left of its own.
      rightSteps[row] += 1;
      rightSteps[row + first] -= 1;
    }
  }
  for (std::size_t cell = 0; cell < cells; ++cell) cellStart[cell + 1] += cellStart[cell];
  for (std::size_t band = 0; band < m_grid.bands; ++band) bandStart[band + 1] += bandStart[band];
  m_cellStart = cellStart;
  m_bandStart = bandStart;
  m_cellEdges.resize(cellStart[cells]);
  m_bandEdges.resize(bandStart[m_grid.bands]);
  m_crossingsRight.resize(cells);
  std::int64_t running = 0;
  for (std::size_t cell = 0; cell < cells; ++cell) {
    running += rightSteps[cell];
    m_crossingsRight[cell] = static_cast<std::uint32_t>(running);
  }
  for (std::size_t k = 0; k < m_edges.size(); ++k) {
    const Span crossed = CrossedBands(m_edges[k]);
    const std::size_t first = ColumnOf(m_edges[k].left), last = ColumnOf(m_edges[k].right);
    const auto index = static_cast<std::uint32_t>(k);
    for (std::size_t band = bandSpans[k].first; band <= bandSpans[k].last; ++band) {
      if (band < crossed.first || band > crossed.last) {
        m_bandEdges[bandStart[band]++] = index;
        continue;
      }
      for (std::size_t column = first; column <= last; ++column) m_cellEdges[cellStart[band * columns + column]++] = index;
    }
  }
  if (!m_finite) return;
  for (std::size_t band = 0; band < m_grid.bands; ++band) {
    std::stable_sort(m_bandEdges.begin() + m_bandStart[band], m_bandEdges.begin() + m_bandStart[band + 1],
                     [this](std::uint32_t a, std::uint32_t b) { return m_edges[a].right > m_edges[b].right; });
  }
}

int CrossingIndex::CountInCell(double x, double y) const {
  // A coordinate that is not a number puts the point on no edge and makes
  // it cross none, in any ring.
  if (std::isnan(x) || std::isnan(y)) return 0;
  const std::size_t band = BandOf(y);
  const std::size_t cell = band * m_grid.columns + ColumnOf(x);
  // The count's answer does not depend on the order of its edges: a boundary
  // hit anywhere answers 1, and crossings only add up.
  std::uint32_t crossings = m_crossingsRight[cell];
  for (std::uint32_t k = m_cellStart[cell]; k < m_cellStart[cell + 1]; ++k) {
    const EdgeFinding finding = Examine(m_edges[m_cellEdges[k]], x, y);
    if (finding == EdgeFinding::kOnBoundary) return 1;
    if (finding == EdgeFinding::kCrosses) ++crossings;
  }
  for (std::uint32_t k = m_bandStart[band]; k < m_bandStart[band + 1]; ++k) {
    const CrossingEdge& edge = m_edges[m_bandEdges[k]];
    if (x > edge.right) break;
    if (m_finite && !(y >= Low(edge) && y <= High(edge))) continue;
    const EdgeFinding finding = Examine(edge, x, y);
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
  const std::size_t indexes = m_cellStart.capacity() + m_cellEdges.capacity() + m_crossingsRight.capacity() +
                              m_bandStart.capacity() + m_bandEdges.capacity();
  return sizeof *this + m_edges.capacity() * sizeof(CrossingEdge) + indexes * sizeof(std::uint32_t);
}

}  // namespace fpgeom::detail
