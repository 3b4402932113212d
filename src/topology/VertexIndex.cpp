#include "topology/VertexIndex.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <new>

#include "fpgeom/topology/Vertex.h"
#include "fpgeom/values/Tolerance.h"
#include "topology/PositionMatch.h"

namespace fpgeom::detail {

namespace {

// Cells at least 8 eps wide keep the matching look-up to two cells per axis.
constexpr double kSmallestSide = 8 * kPointEpsilon;
constexpr double kSearchReach = 4 * kPointEpsilon;

bool IsFinite(const CFPPoint& p) { return std::isfinite(p.x) && std::isfinite(p.y); }

}  // namespace

struct VertexIndex::Best {
  double distance;
  std::uint64_t rank = std::numeric_limits<std::uint64_t>::max();
  CVertex* vertex = nullptr;
};

CVertex* VertexIndex::FindFirstAt(const List& list, POSITION& cursor, const CFPPoint& pt) const {
  const Entry* first = nullptr;
  if (IsFinite(pt)) {
    const PairKey low = m_scale.Cell(CFPPoint(pt.x - kSearchReach, pt.y - kSearchReach));
    const PairKey high = m_scale.Cell(CFPPoint(pt.x + kSearchReach, pt.y + kSearchReach));
    for (std::int64_t x = low.a; x <= high.a; ++x) {
      for (std::int64_t y = low.b; y <= high.b; ++y) {
        m_cells.ForEach(PairKey{x, y}, [&](const Entry* entry) {
          if ((first == nullptr || entry->rank < first->rank) && IsSamePosition(entry->Watched()->m_point, pt)) {
            first = entry;
          }
        });
      }
    }
  }
  if (first == nullptr) {
    cursor = nullptr;
    return nullptr;
  }
  cursor = first->node;
  return list.GetNext(cursor);
}

CVertex* VertexIndex::Nearest(const CFPPoint& pt, double maxDistance) const {
  Best best{maxDistance};
  // Nothing is nearer than a bound that is not positive, and from a
  // non-finite point every distance is infinite or not a number.
  if (!(maxDistance > 0) || !IsFinite(pt) || m_filed == 0) return nullptr;
  const PairKey low = m_scale.Cell(CFPPoint(m_bounds.minX, m_bounds.minY));
  const PairKey high = m_scale.Cell(CFPPoint(m_bounds.maxX, m_bounds.maxY));
  Bounds query;
  query.Include(pt);
  if (!m_scale.Covers(query)) {
    ScanAll(pt, best);
    return best.vertex;
  }
  // Ring after ring while a nearer vertex may lie further out; a search
  // that would visit more cells than are filled scans the vertices instead.
  const PairKey centre = m_scale.Cell(pt);
  const std::int64_t first = std::max({std::int64_t{0}, low.a - centre.a, centre.a - high.a, low.b - centre.b, centre.b - high.b});
  const std::size_t budget = 4 * m_cells.LiveKeys() + 64;
  std::size_t visited = 0;
  for (std::int64_t r = first; !RingBeyond(centre, r, low, high); ++r) {
    if (r > 0 && RingDistanceBound(r, m_scale) > best.distance) break;
    visited += VisitRing(centre, r, low, high, [&](const PairKey& cell) {
      m_cells.ForEach(cell, [&](const Entry* entry) { Consider(*entry, pt, best); });
    });
    if (visited > budget) {
      ScanAll(pt, best);
      break;
    }
  }
  return best.vertex;
}

void VertexIndex::Consider(const Entry& entry, const CFPPoint& pt, Best& best) const {
  const double d = entry.Watched()->distance(pt);
  if (d < best.distance || (best.vertex != nullptr && d == best.distance && entry.rank < best.rank)) {
    best.distance = d;
    best.rank = entry.rank;
    best.vertex = entry.Watched();
  }
}

void VertexIndex::ScanAll(const CFPPoint& pt, Best& best) const {
  m_entries.ForEach([&](const Entry& entry) {
    if (entry.filed) Consider(entry, pt, best);
  });
}

POSITION VertexIndex::EntryOf(const CVertex& vertex) const noexcept {
  const auto* entry = static_cast<const Entry*>(VertexWatch::Find(vertex, this));
  return entry != nullptr ? entry->node : nullptr;
}

void VertexIndex::Appended(const List& list, POSITION node) noexcept {
  IndexAppended(m_state, list, node, [this](POSITION at, CVertex& vertex) { Index(at, vertex); });
}

void VertexIndex::Index(POSITION node, CVertex& vertex) noexcept {
  // A vertex listed twice would need two entries under one watch.
  if (VertexWatch::Find(vertex, this) != nullptr) return Break();
  try {
    Entry& entry = m_entries.Take(*this);
    entry.node = node;
    entry.rank = m_nextRank++;
    entry.Watch(&vertex);
    File(entry);
  } catch (const std::bad_alloc&) {
    Break();
  }
}

void VertexIndex::Removed(const CVertex& vertex) noexcept {
  if (!Vouches()) return;
  if (auto* entry = static_cast<Entry*>(VertexWatch::Find(vertex, this))) {
    entry->Watch(nullptr);
    Release(*entry);
  }
}

void VertexIndex::Cleared() noexcept {
  Forget();
  m_state = IndexState::kWalking;
}

void VertexIndex::File(Entry& entry) {
  const CFPPoint& position = entry.Watched()->m_point;
  if (!IsFinite(position)) return;
  m_bounds.Include(position);
  if (m_filed >= m_rescaleAt || !m_scale.Covers(m_bounds)) {
    Rescale();
  }
  entry.cell = m_scale.Cell(position);
  m_cells.Add(entry.cell, &entry);
  entry.filed = true;
  ++m_filed;
}

void VertexIndex::Unfile(Entry& entry) noexcept {
  if (!entry.filed) return;
  m_cells.Remove(entry.cell, &entry);
  entry.filed = false;
  --m_filed;
}

void VertexIndex::Refile(Entry& entry) noexcept {
  Unfile(entry);
  try {
    File(entry);
  } catch (const std::bad_alloc&) {
    Break();
  }
}

void VertexIndex::Release(Entry& entry) noexcept {
  Unfile(entry);
  entry.node = nullptr;
  m_entries.Give(entry);
}

// Sizes the cells to the positions filed so far and files them afresh; the
// next rescale waits until their number has doubled, so filing stays linear.
void VertexIndex::Rescale() {
  KeyedChains<Entry> cells;
  const GridScale scale = GridScale::Fitting(m_filed + 1, m_bounds, 0, kSmallestSide);
  m_entries.ForEach([&](Entry& entry) {
    if (entry.filed) cells.Add(scale.Cell(entry.Watched()->m_point), &entry);
  });
  m_entries.ForEach([&](Entry& entry) {
    if (entry.filed) entry.cell = scale.Cell(entry.Watched()->m_point);
  });
  m_cells = std::move(cells);
  m_scale = scale;
  m_rescaleAt = 2 * m_filed + 64;
}

// Destroying the entries ends their watches.
void VertexIndex::Forget() noexcept {
  m_entries.Clear();
  m_cells.Clear();
  m_bounds = Bounds();
  m_filed = 0;
  m_rescaleAt = 0;
  m_nextRank = 0;
}

void VertexIndex::Break() noexcept {
  Forget();
  m_state = IndexState::kBroken;
}

}  // namespace fpgeom::detail
