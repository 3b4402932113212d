// The indexed sweeps. A sweep tests its edge S against every later edge, but
// by the rounding analysis at the top of SelfMeetingScreen.cpp,
// IntersectSegments can report a meeting only for a pair that
//   (1) comes within a proximity margin of each other, or
//   (2) lies within a few 2^-26 in direction, with offsets along S's normal
//       that come within an offset margin, however far apart the two are, or
//   (3) whose tested edge is shorter than the short-edge length, when a
//       parallel pair can be reported from far away.
// The analysis holds for any segments whose coordinate differences stay below
// its extent E. Inserted points lie on the ring's edges, within a hair of its
// bounding box, so twice the box's larger side serves for every working copy.
//
// Each node belongs to the region of the ring edge it was inserted into. A
// sweep tests every later edge of its own region, in list order: they lie on
// S's own line, where (2) rules nothing out. The edges of later regions are
// held in an index, but the closing edge, which each sweep tests by itself:
// in a grid of cells by place for (1), in bins by direction for (2) and in a
// list for (3). An entry is an edge's pair of nodes; once a point splits the
// edge, or the sweeps reach its region, the entry is dead and is dropped when
// next met. A sweep gathers the live edges of the three that start after S's
// end in list order and existed when the sweep began, and tests them in list
// order; when S shortens it gathers again for the shorter S. Every edge it
// leaves out would have given INTERSECT_NONE or INTERSECT_PARALLEL, which
// change nothing.
//
// List order across regions is the regions' order; within a region each node
// carries a label that grows along the list, halfway between its neighbours'
// when it is inserted, the region's labels spread out again when there is no
// room.
#include "algorithms/IndexedSweeps.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>
#include <unordered_map>
#include <utility>

#include "fpgeom/values/FPSegment.h"

namespace fpgeom::detail {

namespace {

using Node = std::size_t;
constexpr Node kNoNode = std::numeric_limits<Node>::max();

// As for the self-meeting screen: beyond this, products of differences could
// overflow and the rounding bounds would not hold.
constexpr double kLargestCoordinate = 0x1p500;
// The least extent the grid is built on: cells of a 2048th of it stay normal
// numbers.
constexpr double kSmallestExtent = 0x1p-500;

constexpr double kPi = 3.14159265358979323846;
// Lines at least this far apart in direction meet, if at all, within the
// proximity margin.
constexpr double kBinWidth = 0x1p-26;
const std::int64_t kBins = static_cast<std::int64_t>(kPi / kBinWidth) + 1;
// Bins searched on either side; two, because the last bin is narrower than
// the others and rounding can move a direction across a bin's border.
constexpr std::int64_t kBinReach = 2;

// The grid grows as the working copy does, up to this many cells a side.
constexpr std::size_t kLargestGridSide = 2048;
constexpr std::size_t kEntriesPerCell = 4;

// The margins, at least eight times the bounds of the analysis for extent
// E: (1) 0.38 * 2^-22 E, (2) 6uE + sqrt2 E sin(3 * 2^-26) <= 0.27 * 2^-22 E,
// (3) the screen's short-edge length, doubled here.
double ProximityMargin(double extent) { return 0x1p-20 * extent + 0x1p-47; }
double OffsetMargin(double extent) { return 0x1p-20 * extent; }
double ShortLength(double extent) { return 0x1p-27 * (1.0 + extent) / extent; }

struct Entry {
  Node start;
  Node end;
};

// Keeps the entries for which keep is true, in any order.
template <class Keep>
void Compact(std::vector<Entry>& entries, Keep keep) {
  std::size_t k = 0;
  while (k < entries.size()) {
    if (keep(entries[k])) {
      ++k;
    } else {
      entries[k] = entries.back();
      entries.pop_back();
    }
  }
}

class IndexedSweeps {
 public:
  IndexedSweeps(const std::vector<CFPPoint>& ring, std::uint64_t pointLimit, double left, double bottom,
                double extent);
  SweptRing Run();

 private:
  bool Before(Node first, Node second) const {
    return m_region[first] < m_region[second] ||
           (m_region[first] == m_region[second] && m_label[first] < m_label[second]);
  }
  // Unsplit, and in a region that the sweeps have not reached.
  bool Live(const Entry& entry) const {
    return m_next[entry.start] == entry.end && m_region[entry.start] > m_currentRegion;
  }

  bool Test(Node start, Node& end, Node u, Node v);
  Node InsertAfter(Node node, const CFPPoint& point);
  void Label(Node node, Node before);
  void Relabel(std::size_t region);

  void Register(Node start, Node end);
  void RegisterInGrid(const Entry& entry);
  void RebuildGrid(std::size_t side);
  template <class Visit>
  void ForEachCell(const CFPPoint& first, const CFPPoint& second, Visit visit) const;
  std::int64_t BinOf(double dx, double dy) const;

  // Appends the live edges of later regions that start after `after` in
  // list order and existed when the sweep began, that may meet the edge from
  // start to end; in list order.
  void GatherIndexed(Node start, Node end, Node after);
  // The nodes of the current region after `after`, but those inserted in this
  // sweep, in list order.
  void WalkCurrentRegion(Node after);
  void Consider(const Entry& entry, Node after);

  // The working copy as a singly linked list, with each node's region (the
  // ring edge it belongs to) and label (its order within the region).
  std::vector<CFPPoint> m_points;
  std::vector<Node> m_next;
  std::vector<std::size_t> m_region;
  std::vector<std::uint64_t> m_label;
  std::vector<std::uint64_t> m_bornInSweep;
  std::vector<std::uint64_t> m_seenInGathering;
  Node m_tail;
  const std::uint64_t m_pointLimit;
  std::uint64_t m_sweep = 0;
  // The region of the current edge's start. The index holds only the edges
  // of later regions: the sweeps never pass back, and the current region's
  // edges after S are all tested anyway, since they lie on S's own line.
  std::size_t m_currentRegion = 0;
  std::uint64_t m_gathering = 0;
  // Written by IntersectSegments only when the edges meet; kept across
  // tests, since most find nothing.
  CFPPoint m_meeting;
  bool m_met = false;
  bool m_ranAway = false;

  const double m_left;
  const double m_bottom;
  const double m_proximity;
  const double m_offset;
  const double m_shortLength;
  std::size_t m_gridSide = 1;
  double m_cellSize;
  double m_extent;
  std::size_t m_gridEntries = 0;
  std::vector<std::vector<Entry>> m_cells;
  std::unordered_map<std::int64_t, std::vector<Entry>> m_bins;
  std::vector<Entry> m_shortEdges;
  std::vector<Node> m_candidates;
};

IndexedSweeps::IndexedSweeps(const std::vector<CFPPoint>& ring, std::uint64_t pointLimit, double left,
                             double bottom, double extent)
    : m_points(ring),
      m_tail(ring.size() - 1),
      m_pointLimit(pointLimit),
      m_left(left),
      m_bottom(bottom),
      m_proximity(ProximityMargin(extent)),
      m_offset(OffsetMargin(extent)),
      m_shortLength(ShortLength(extent)),
      m_cellSize(extent),
      m_extent(extent) {
  const std::size_t count = ring.size();
  m_next.resize(count);
  m_region.resize(count);
  m_label.assign(count, 0);
  m_bornInSweep.assign(count, 0);
  m_seenInGathering.assign(count, 0);
  for (Node node = 0; node < count; ++node) {
    m_next[node] = node + 1 < count ? node + 1 : kNoNode;
    m_region[node] = node;
  }
  std::size_t side = 1;
  while (side * side < count && side < kLargestGridSide) side *= 2;
  RebuildGrid(side);
  for (Node node = 0; node + 1 < count; ++node) Register(node, node + 1);
}

SweptRing IndexedSweeps::Run() {
  const Node head = 0;
  Node start = head;
  for (Node end = m_next[start]; end != kNoNode && end != m_tail; end = m_next[start]) {
    ++m_sweep;
    m_currentRegion = m_region[start];
    // The closing edge as the sweep began; a point inserted into it becomes
    // the new tail.
    const Node tail = m_tail;
    m_candidates.clear();
    WalkCurrentRegion(end);
    std::size_t walked = m_candidates.size();
    GatherIndexed(start, end, end);
    for (std::size_t k = 0; k < m_candidates.size() && !m_ranAway;) {
      const Node u = m_candidates[k];
      if (!Test(start, end, u, m_next[u])) {
        ++k;
        continue;
      }
      // S is shorter: the rest of the current region stays as walked, the
      // later regions are gathered again.
      m_candidates.erase(m_candidates.begin(), m_candidates.begin() + static_cast<std::ptrdiff_t>(k + 1));
      walked = walked > k + 1 ? walked - (k + 1) : 0;
      m_candidates.resize(walked);
      GatherIndexed(start, end, u);
      k = 0;
    }
    if (start != head && !m_ranAway) Test(start, end, tail, head);
    if (m_ranAway) break;
    start = end;
  }
  SweptRing swept;
  swept.met = m_met;
  swept.ranAway = m_ranAway;
  swept.points.reserve(m_points.size());
  for (Node node = head; node != kNoNode; node = m_next[node]) swept.points.push_back(m_points[node]);
  return swept;
}

// As the plain sweeps test a pair: true when the current edge was shortened.
bool IndexedSweeps::Test(Node start, Node& end, Node u, Node v) {
  CFPPoint& meeting = m_meeting;
  const INTERSECT_TYPE type = IntersectSegments(m_points[start], m_points[end], m_points[u], m_points[v], meeting);
  if (type != INTERSECT_POINT && type != INTERSECT_OVERLAP) return false;
  m_met = true;
  bool shortened = false;
  if (meeting != m_points[start] && meeting != m_points[end]) {
    end = InsertAfter(start, meeting);
    shortened = true;
  }
  if (meeting != m_points[u] && meeting != m_points[v]) InsertAfter(u, meeting);
  return shortened;
}

Node IndexedSweeps::InsertAfter(Node node, const CFPPoint& point) {
  const Node inserted = m_points.size();
  m_points.push_back(point);
  m_next.push_back(m_next[node]);
  m_next[node] = inserted;
  m_region.push_back(m_region[node]);
  m_label.push_back(0);
  m_bornInSweep.push_back(m_sweep);
  m_seenInGathering.push_back(0);
  if (node == m_tail) m_tail = inserted;
  Label(inserted, node);
  if (m_points.size() > m_pointLimit) {
    m_ranAway = true;
    return inserted;
  }
  Register(node, inserted);
  if (m_next[inserted] != kNoNode) Register(inserted, m_next[inserted]);
  return inserted;
}

// Halfway between the labels of the node's neighbours in its region, or
// all the region's labels spread out again when they leave no room.
void IndexedSweeps::Label(Node node, Node before) {
  const std::uint64_t low = m_label[before];
  const Node after = m_next[node];
  const std::uint64_t high = after != kNoNode && m_region[after] == m_region[node]
                                 ? m_label[after]
                                 : std::numeric_limits<std::uint64_t>::max();
  if (high - low >= 2) {
    m_label[node] = low + (high - low) / 2;
  } else {
    Relabel(m_region[node]);
  }
}

void IndexedSweeps::Relabel(std::size_t region) {
  std::size_t count = 0;
  for (Node node = region; node != kNoNode && m_region[node] == region; node = m_next[node]) ++count;
  const std::uint64_t step = std::numeric_limits<std::uint64_t>::max() / (count + 1);
  std::uint64_t label = 0;
  for (Node node = region; node != kNoNode && m_region[node] == region; node = m_next[node]) {
    m_label[node] = label;
    label += step;
  }
}

void IndexedSweeps::Register(Node start, Node end) {
  const Entry entry{start, end};
  if (!Live(entry)) return;
  const double dx = m_points[end].x - m_points[start].x;
  const double dy = m_points[end].y - m_points[start].y;
  if (std::fabs(dx) < m_shortLength && std::fabs(dy) < m_shortLength) {
    m_shortEdges.push_back(entry);
    return;
  }
  m_bins[BinOf(dx, dy)].push_back(entry);
  RegisterInGrid(entry);
  if (m_gridEntries > kEntriesPerCell * m_cells.size() && m_gridSide < kLargestGridSide) {
    RebuildGrid(m_gridSide * 2);
  }
}

void IndexedSweeps::RegisterInGrid(const Entry& entry) {
  ForEachCell(m_points[entry.start], m_points[entry.end], [&](std::size_t cell) {
    std::vector<Entry>& entries = m_cells[cell];
    // Neighbouring pieces of one edge share cells; one entry a cell will do.
    if (!entries.empty() && entries.back().start == entry.start && entries.back().end == entry.end) return;
    entries.push_back(entry);
    ++m_gridEntries;
  });
}

void IndexedSweeps::RebuildGrid(std::size_t side) {
  m_gridSide = side;
  m_cellSize = m_extent / static_cast<double>(side);
  m_cells.assign(side * side, {});
  m_gridEntries = 0;
  for (const auto& bin : m_bins) {
    for (const Entry& entry : bin.second) {
      if (Live(entry)) RegisterInGrid(entry);
    }
  }
}

// Every cell that a box around the segment, the proximity margin wide,
// touches: the segment is cut into pieces no longer than a cell, each
// covered by its own box. The pieces' ends are rounded, by far less than the
// margin.
template <class Visit>
void IndexedSweeps::ForEachCell(const CFPPoint& first, const CFPPoint& second, Visit visit) const {
  const double dx = second.x - first.x;
  const double dy = second.y - first.y;
  const double cells = std::ceil(std::max(std::fabs(dx), std::fabs(dy)) / m_cellSize);
  const auto pieces = static_cast<std::size_t>(std::clamp(cells, 1.0, 2.0 * static_cast<double>(m_gridSide)));
  const double last = static_cast<double>(m_gridSide - 1);
  const auto cellOf = [&](double coordinate, double origin) {
    return static_cast<std::size_t>(std::clamp(std::floor((coordinate - origin) / m_cellSize), 0.0, last));
  };
  CFPPoint from = first;
  for (std::size_t piece = 1; piece <= pieces; ++piece) {
    const double t = static_cast<double>(piece) / static_cast<double>(pieces);
    const CFPPoint to = piece == pieces ? second : CFPPoint(first.x + dx * t, first.y + dy * t);
    const std::size_t left = cellOf(std::min(from.x, to.x) - m_proximity, m_left);
    const std::size_t right = cellOf(std::max(from.x, to.x) + m_proximity, m_left);
    const std::size_t bottom = cellOf(std::min(from.y, to.y) - m_proximity, m_bottom);
    const std::size_t top = cellOf(std::max(from.y, to.y) + m_proximity, m_bottom);
    for (std::size_t row = bottom; row <= top; ++row) {
      for (std::size_t column = left; column <= right; ++column) visit(row * m_gridSide + column);
    }
    from = to;
  }
}

// The direction of the line, modulo pi, in bins of kBinWidth.
std::int64_t IndexedSweeps::BinOf(double dx, double dy) const {
  double direction = std::atan2(dy, dx);
  if (direction < 0.0) direction += kPi;
  if (direction >= kPi) direction -= kPi;
  return std::clamp(static_cast<std::int64_t>(direction / kBinWidth), std::int64_t{0}, kBins - 1);
}

void IndexedSweeps::Consider(const Entry& entry, Node after) {
  const Node start = entry.start;
  if (m_seenInGathering[start] == m_gathering) return;
  m_seenInGathering[start] = m_gathering;
  if (m_bornInSweep[start] == m_sweep || !Before(after, start)) return;
  m_candidates.push_back(start);
}

void IndexedSweeps::WalkCurrentRegion(Node after) {
  if (m_region[after] != m_currentRegion) return;
  // The closing edge is tested by itself.
  for (Node u = m_next[after]; u != kNoNode && m_next[u] != kNoNode && m_region[u] == m_currentRegion;
       u = m_next[u]) {
    if (m_bornInSweep[u] != m_sweep) m_candidates.push_back(u);
  }
}

void IndexedSweeps::GatherIndexed(Node start, Node end, Node after) {
  ++m_gathering;
  const std::size_t walked = m_candidates.size();
  const auto live = [this](const Entry& entry) { return Live(entry); };
  ForEachCell(m_points[start], m_points[end], [&](std::size_t cell) {
    std::vector<Entry>& entries = m_cells[cell];
    const std::size_t before = entries.size();
    Compact(entries, live);
    m_gridEntries -= before - entries.size();
    for (const Entry& entry : entries) Consider(entry, after);
  });
  const CFPPoint& first = m_points[start];
  const CFPPoint& second = m_points[end];
  const double dx = second.x - first.x;
  const double dy = second.y - first.y;
  // A zero-length edge has no direction; against it the cross product is
  // exactly zero and only (1) and (3) apply.
  if (dx != 0.0 || dy != 0.0) {
    const double length = std::hypot(dx, dy);
    const double normalX = -dy / length;
    const double normalY = dx / length;
    const auto offset = [&](const CFPPoint& point) {
      return (point.x - m_left) * normalX + (point.y - m_bottom) * normalY;
    };
    const double low = std::min(offset(first), offset(second)) - m_offset;
    const double high = std::max(offset(first), offset(second)) + m_offset;
    const std::int64_t bin = BinOf(dx, dy);
    for (std::int64_t reach = -kBinReach; reach <= kBinReach; ++reach) {
      const auto found = m_bins.find(((bin + reach) % kBins + kBins) % kBins);
      if (found == m_bins.end()) continue;
      Compact(found->second, live);
      for (const Entry& entry : found->second) {
        const double from = offset(m_points[entry.start]);
        const double to = offset(m_points[entry.end]);
        if (std::max(from, to) >= low && std::min(from, to) <= high) Consider(entry, after);
      }
    }
  }
  Compact(m_shortEdges, live);
  for (const Entry& entry : m_shortEdges) Consider(entry, after);
  std::sort(m_candidates.begin() + static_cast<std::ptrdiff_t>(walked), m_candidates.end(),
            [this](Node first, Node second) { return Before(first, second); });
}

}  // namespace

std::optional<SweptRing> MarkMeetingPointsIndexed(const std::vector<CFPPoint>& ring, std::uint64_t pointLimit) {
  if (ring.size() < 3) return std::nullopt;
  double left = ring.front().x, right = left, bottom = ring.front().y, top = bottom;
  for (const CFPPoint& point : ring) {
    if (!(std::fabs(point.x) <= kLargestCoordinate && std::fabs(point.y) <= kLargestCoordinate)) return std::nullopt;
    left = std::min(left, point.x);
    right = std::max(right, point.x);
    bottom = std::min(bottom, point.y);
    top = std::max(top, point.y);
  }
  const double side = std::max(right - left, top - bottom);
  // Inserted points stray from the box by rounding only; all points at one
  // place make every edge short, for which any extent serves. Any extent
  // above the coordinate differences serves the analysis, so a ring within a
  // few subnormals is given a larger one: its cells, a grid side's fraction
  // of the extent, would otherwise round to zero width.
  const double extent = side > 0.0 ? std::max(2.0 * side, kSmallestExtent) : 1.0;
  return IndexedSweeps(ring, pointLimit, left, bottom, extent).Run();
}

}  // namespace fpgeom::detail
