#include "topology/VertexIndex.h"

#include <algorithm>
#include <cmath>
#include <new>

#include "fpgeom/topology/Vertex.h"
#include "fpgeom/values/Tolerance.h"
#include "values/PointTolerance.h"

namespace fpgeom::detail {

namespace {

// Cells at least 8 eps wide keep the matching look-up to two cells per axis.
constexpr double kSmallestSide = 8 * kPointEpsilon;
constexpr double kSearchReach = 4 * kPointEpsilon;

}  // namespace

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
  // Nothing is nearer than a bound that is not positive, and from a
  // non-finite point every distance is infinite or not a number.
  if (!(maxDistance > 0) || !IsFinite(pt) || m_filed == 0) return nullptr;
  NearestSoFar<CVertex> nearest{maxDistance};
  const auto offer = [&](const Entry& entry) {
    nearest.Offer(entry.Watched(), entry.rank, entry.Watched()->distance(pt));
  };
  SearchOutwards(
      m_scale, m_bounds, m_cells.LiveKeys(), pt, nearest,
      [&](const PairKey& cell) { m_cells.ForEach(cell, [&](const Entry* entry) { offer(*entry); }); },
      [&] {
        m_entries.ForEach([&](const Entry& entry) {
          if (entry.filed) offer(entry);
        });
      });
  return nearest.element;
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
  if (!Vouches()) return;
  Unfile(entry);
  try {
    File(entry);
  } catch (const std::bad_alloc&) {
    Break();
  }
}

void VertexIndex::Release(Entry& entry) noexcept {
  if (!Vouches()) return;
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
    if (!entry.filed) return;
    entry.cell = scale.Cell(entry.Watched()->m_point);
    cells.Add(entry.cell, &entry);
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

// Called from within a vertex's round of watches, so the entries, and the
// watches they are, stay until the list is emptied or destroyed; until then
// every callback returns at once.
void VertexIndex::Break() noexcept { m_state = IndexState::kBroken; }

}  // namespace fpgeom::detail
