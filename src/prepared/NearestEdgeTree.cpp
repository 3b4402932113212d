// Nearest-edge search with pruning by bounding boxes. A box is passed over
// only when its distance exceeds the best distance found by far more than
// the rounding of CFPSegment::distance can account for, so no edge whose
// computed distance could be the least is ever skipped.
#include "prepared/NearestEdgeTree.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "fpgeom/values/FPSegment.h"

namespace fpgeom::detail {
namespace {

constexpr std::size_t kLeafEdges = 8;
// Beyond this magnitude squared distances could overflow; such rings and
// points are walked edge by edge.
constexpr double kLargestSearched = 1e150;
// The distance is a few roundings of coordinate differences away from the
// true one, an absolute error of some units in the last place of the largest
// coordinate involved. This slack is millions of times that.
constexpr double kRelativeSlack = 1e-9;
constexpr double kAbsoluteSlack = 1e-300;

constexpr double kInfinity = std::numeric_limits<double>::infinity();

bool HasLength(const RingPoint& start, const RingPoint& end) { return start.x != end.x || start.y != end.y; }

template <class Point>
double Magnitude(const Point& point) {
  return std::max(std::fabs(point.x), std::fabs(point.y));
}

}  // namespace

NearestEdgeTree::NearestEdgeTree(const std::vector<RingPoint>& points) {
  const std::size_t count = points.size();
  m_edges.reserve(count);
  for (std::size_t end = 0; end < count; ++end) {
    const RingPoint& start = points[end == 0 ? count - 1 : end - 1];
    if (!HasLength(start, points[end])) continue;
    CFPSegment& edge = m_edges.emplace_back();
    edge.pt1.x = start.x;
    edge.pt1.y = start.y;
    edge.pt2.x = points[end].x;
    edge.pt2.y = points[end].y;
  }
  bool finite = true;
  for (const RingPoint& point : points) {
    finite = finite && std::isfinite(point.x) && std::isfinite(point.y);
    m_magnitude = std::max(m_magnitude, Magnitude(point));
  }
  m_searchable = finite && m_magnitude <= kLargestSearched && m_edges.size() > kLeafEdges;
  if (!m_searchable) return;

  const std::size_t leaves = (m_edges.size() + kLeafEdges - 1) / kLeafEdges;
  while (m_firstLeaf < leaves) m_firstLeaf *= 2;
  m_boxes.assign(2 * m_firstLeaf, Box{kInfinity, kInfinity, -kInfinity, -kInfinity});
  for (std::size_t edge = 0; edge < m_edges.size(); ++edge) {
    Box& box = m_boxes[m_firstLeaf + edge / kLeafEdges];
    for (const CFPPoint* point : {&m_edges[edge].pt1, &m_edges[edge].pt2}) {
      box.left = std::min(box.left, point->x);
      box.bottom = std::min(box.bottom, point->y);
      box.right = std::max(box.right, point->x);
      box.top = std::max(box.top, point->y);
    }
  }
  for (std::size_t node = m_firstLeaf - 1; node >= 1; --node) {
    const Box& first = m_boxes[2 * node];
    const Box& second = m_boxes[2 * node + 1];
    m_boxes[node] = Box{std::min(first.left, second.left), std::min(first.bottom, second.bottom),
                        std::max(first.right, second.right), std::max(first.top, second.top)};
  }
}

double NearestEdgeTree::LeastInLeaf(std::size_t leaf, const CFPPoint& pt, double least) const {
  const std::size_t last = std::min(m_edges.size(), (leaf + 1) * kLeafEdges);
  for (std::size_t edge = leaf * kLeafEdges; edge < last; ++edge) {
    least = std::min(least, m_edges[edge].distance(pt));
  }
  return least;
}

double NearestEdgeTree::LeastByWalk(const CFPPoint& pt) const {
  double least = kInfinity;
  for (std::size_t leaf = 0; leaf * kLeafEdges < m_edges.size(); ++leaf) least = LeastInLeaf(leaf, pt, least);
  return least;
}

double NearestEdgeTree::Least(const CFPPoint& pt) const {
  if (!m_searchable || !(Magnitude(pt) <= kLargestSearched)) return LeastByWalk(pt);
  const double slack = kRelativeSlack * (m_magnitude + Magnitude(pt)) + kAbsoluteSlack;
  const auto boxDistance = [&pt](const Box& box) {
    const double dx = std::max({box.left - pt.x, pt.x - box.right, 0.0});
    const double dy = std::max({box.bottom - pt.y, pt.y - box.top, 0.0});
    return std::sqrt(dx * dx + dy * dy);
  };

  struct Pending {
    std::size_t node;
    double distance;
  };
  // Depth-first, nearer child first; the depth is at most 64, and each level
  // leaves at most one sibling pending.
  Pending pending[72];
  std::size_t top = 0;
  pending[top++] = Pending{1, boxDistance(m_boxes[1])};
  double least = kInfinity;
  while (top > 0) {
    const Pending next = pending[--top];
    if (next.distance > least + slack) continue;
    if (next.node >= m_firstLeaf) {
      least = LeastInLeaf(next.node - m_firstLeaf, pt, least);
      continue;
    }
    Pending first{2 * next.node, boxDistance(m_boxes[2 * next.node])};
    Pending second{2 * next.node + 1, boxDistance(m_boxes[2 * next.node + 1])};
    if (second.distance > first.distance) std::swap(first, second);
    pending[top++] = first;
    pending[top++] = second;
  }
  return least;
}

std::size_t NearestEdgeTree::MemoryBytes() const {
  return sizeof *this + m_edges.capacity() * sizeof(CFPSegment) + m_boxes.capacity() * sizeof(Box);
}

}  // namespace fpgeom::detail
