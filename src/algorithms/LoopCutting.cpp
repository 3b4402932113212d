#include "algorithms/LoopCutting.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <limits>
#include <memory>
#include <numeric>
#include <optional>
#include <vector>

#include "algorithms/MeetingPoints.h"
#include "fpgeom/polygon/FPPolygon.h"
#include "values/PointTolerance.h"

namespace fpgeom::detail {

namespace {

// CFPPoint's equality, inlined: the member is an exported call, made once per
// node on this search.
bool SamePoint(const CFPPoint& first, const CFPPoint& second) {
  return WithinPointTolerance(first.x, second.x) && WithinPointTolerance(first.y, second.y);
}

// The last node, searching back from the tail, whose point is the same as
// point. A point is always the same as itself (even a NaN coordinate is not
// "greater than the tolerance"), so the search stops at the node holding it.
POSITION LastOccurrence(const PointRing& ring, const CFPPoint& point) {
  POSITION position = ring.GetTailPosition();
  while (!SamePoint(ring.GetAt(position), point)) ring.GetPrev(position);
  return position;
}

constexpr std::size_t kNoNode = std::numeric_limits<std::size_t>::max();

// Cells two point tolerances wide. Coordinates of two points that are the
// same differ by at most the tolerance, or by a hair more that the rounding
// of their difference hides, so the points lie in one cell or in
// neighbouring ones.
constexpr double kCellsPerUnit = 0x1p22;
// Beyond this, and for coordinates that are not numbers, the cell numbers
// would not fit.
constexpr double kLargestIndexed = 0x1p40;
// A ring crowded into a few cells would make the index as large as the
// square of its size; it is cut by searching instead.
constexpr std::size_t kMostSameNodesPerNode = 8;

struct Cell {
  std::int64_t column;
  std::int64_t row;
};

bool operator<(const Cell& first, const Cell& second) {
  return first.column < second.column || (first.column == second.column && first.row < second.row);
}

std::optional<Cell> CellOf(const CFPPoint& point) {
  if (!(std::fabs(point.x) <= kLargestIndexed && std::fabs(point.y) <= kLargestIndexed)) return std::nullopt;
  return Cell{static_cast<std::int64_t>(std::floor(point.x * kCellsPerUnit)),
              static_cast<std::int64_t>(std::floor(point.y * kCellsPerUnit))};
}

// For each node, in list order, the nodes whose points are the same as its
// own, itself among them, the latest first.
class SamePoints {
 public:
  // Nothing when a coordinate cannot be indexed or the points are crowded.
  static std::optional<SamePoints> Of(const std::vector<CFPPoint>& points) {
    std::vector<Cell> cells;
    cells.reserve(points.size());
    for (const CFPPoint& point : points) {
      const std::optional<Cell> cell = CellOf(point);
      if (!cell) return std::nullopt;
      cells.push_back(*cell);
    }
    std::vector<std::size_t> byCell(points.size());
    std::iota(byCell.begin(), byCell.end(), std::size_t{0});
    std::sort(byCell.begin(), byCell.end(), [&](std::size_t first, std::size_t second) {
      return cells[first] < cells[second];
    });
    const auto cellBelow = [&](std::size_t node, const Cell& cell) { return cells[node] < cell; };
    SamePoints same;
    same.m_starts.reserve(points.size() + 1);
    same.m_nodes.reserve(points.size());
    for (std::size_t node = 0; node < points.size(); ++node) {
      const std::size_t start = same.m_nodes.size();
      same.m_starts.push_back(start);
      const Cell& cell = cells[node];
      // In each of the three columns, the three cells from the row below to
      // the row above follow one another in byCell.
      for (std::int64_t column = cell.column - 1; column <= cell.column + 1; ++column) {
        const Cell last{column, cell.row + 1};
        auto other = std::lower_bound(byCell.begin(), byCell.end(), Cell{column, cell.row - 1}, cellBelow);
        for (; other != byCell.end() && !(last < cells[*other]); ++other) {
          if (SamePoint(points[*other], points[node])) same.m_nodes.push_back(*other);
        }
      }
      if (same.m_nodes.size() > kMostSameNodesPerNode * points.size()) return std::nullopt;
      std::sort(same.m_nodes.begin() + static_cast<std::ptrdiff_t>(start), same.m_nodes.end(), std::greater<>());
    }
    same.m_starts.push_back(same.m_nodes.size());
    return same;
  }

  // The latest node still in the ring whose point is the same as node's:
  // node itself at the earliest.
  std::size_t LatestLeft(std::size_t node, const std::vector<bool>& removed) const {
    std::size_t k = m_starts[node];
    while (removed[m_nodes[k]]) ++k;
    return m_nodes[k];
  }

 private:
  SamePoints() = default;

  std::vector<std::size_t> m_starts;
  std::vector<std::size_t> m_nodes;
};

// The cutting of CutIntoLoops on the nodes' numbers: the ring as it shrinks
// is kept as each node's neighbours among the nodes still in it.
OwnedLoopList CutByIndex(const std::vector<CFPPoint>& points, const SamePoints& same) {
  const std::size_t count = points.size();
  std::vector<std::size_t> next(count);
  std::vector<std::size_t> previous(count);
  for (std::size_t node = 0; node < count; ++node) {
    next[node] = node + 1 < count ? node + 1 : kNoNode;
    previous[node] = node > 0 ? node - 1 : kNoNode;
  }
  std::vector<bool> removed(count, false);
  std::size_t head = count > 0 ? 0 : kNoNode;
  OwnedLoopList loops(new LoopList(10));
  while (head != kNoNode) {
    auto loop = std::make_unique<CFPPolygon>();
    for (std::size_t node = head; node != kNoNode;) {
      loop->AddTailNode(points[node]);
      const std::size_t following = next[same.LatestLeft(node, removed)];
      removed[node] = true;
      (previous[node] != kNoNode ? next[previous[node]] : head) = next[node];
      if (next[node] != kNoNode) previous[next[node]] = previous[node];
      node = following;
    }
    loops->AddTail(loop.get());
    loop.release();
  }
  return loops;
}

}  // namespace

OwnedLoopList CutIntoLoops(PointRing& ring) {
  OwnedLoopList loops(new LoopList(10));
  while (!ring.IsEmpty()) {
    auto loop = std::make_unique<CFPPolygon>();
    for (POSITION node = ring.GetHeadPosition(); node != nullptr;) {
      const CFPPoint point = ring.GetAt(node);
      loop->AddTailNode(point);
      const POSITION next = After(ring, LastOccurrence(ring, point));
      ring.RemoveAt(node);
      node = next;
    }
    loops->AddTail(loop.get());
    loop.release();
  }
  return loops;
}

OwnedLoopList CutIntoLoopsByIndex(PointRing& ring) {
  std::vector<CFPPoint> points;
  points.reserve(static_cast<std::size_t>(ring.GetCount()));
  for (POSITION position = ring.GetHeadPosition(); position != nullptr;) points.push_back(ring.GetNext(position));
  const std::optional<SamePoints> same = SamePoints::Of(points);
  if (!same) return CutIntoLoops(ring);
  return CutByIndex(points, *same);
}

OwnedLoopList CutIntoLoopsByIndex(const std::vector<CFPPoint>& points) {
  const std::optional<SamePoints> same = SamePoints::Of(points);
  if (same) return CutByIndex(points, *same);
  PointRing ring;
  for (const CFPPoint& point : points) ring.AddTail(point);
  return CutIntoLoops(ring);
}

}  // namespace fpgeom::detail
