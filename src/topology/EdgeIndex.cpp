#include "topology/EdgeIndex.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <new>

#include "fpgeom/topology/Edge.h"
#include "fpgeom/topology/Vertex.h"

namespace fpgeom::detail {

namespace {

constexpr std::int64_t kLongestInCells = 64;
constexpr double kSmallestSide = 0x1p-1000;

}  // namespace

void EdgeIndex::EndWatch::Moved() noexcept { m_entry.index.Replace(m_entry); }

void EdgeIndex::EndWatch::Destroyed() noexcept { m_entry.index.Orphan(m_entry); }

CEdge* EdgeIndex::FindFirstBetween(const List& list, POSITION& cursor, const CVertex* a, const CVertex* b) const {
  const Entry* first = nullptr;
  const auto consider = [&](const Entry& entry) {
    const CEdge& edge = *entry.Watched();
    const bool joins = (edge.m_pVertex1 == a && edge.m_pVertex2 == b) || (edge.m_pVertex1 == b && edge.m_pVertex2 == a);
    if (joins && (first == nullptr || entry.rank < first->rank)) first = &entry;
  };
  if (const CVertex* end = a != nullptr ? a : b) {
    for (const VertexWatch* watch = VertexWatch::First(*end); watch != nullptr; watch = watch->Next()) {
      if (watch->Owner() == this) consider(static_cast<const EndWatch*>(watch)->entry());
    }
  }
  for (const Entry* entry : m_unwatched) consider(*entry);
  if (first == nullptr) {
    cursor = nullptr;
    return nullptr;
  }
  cursor = first->node;
  return list.GetNext(cursor);
}

void EdgeIndex::Appended(const List& list, POSITION node) noexcept {
  IndexAppended(m_state, list, node, [this](POSITION at, CEdge& edge) { Index(at, edge); });
}

void EdgeIndex::Index(POSITION node, CEdge& edge) noexcept {
  try {
    // Room for every edge to be unwatched or aside, so that neither ever
    // allocates.
    if (m_unwatched.capacity() < m_listed + 1) {
      m_unwatched.reserve(2 * m_listed + 16);
      m_aside.reserve(2 * m_listed + 16);
    }
    Entry& entry = m_entries.Take(*this);
    entry.node = node;
    entry.rank = m_nextRank++;
    entry.Watch(&edge);
    ++m_listed;
    WatchEnds(entry);
    if (m_hasCells) PlaceEdge(entry);
  } catch (const std::bad_alloc&) {
    Break();
  }
}

void EdgeIndex::Cleared() noexcept {
  Forget();
  m_state = IndexState::kWalking;
}

void EdgeIndex::WatchEnds(Entry& entry) noexcept {
  const CEdge& edge = *entry.Watched();
  if (edge.m_pVertex1 != nullptr && edge.m_pVertex2 != nullptr) {
    entry.ends[0].Watch(edge.m_pVertex1);
    entry.ends[1].Watch(edge.m_pVertex2);
    return;
  }
  ListUnwatched(entry);
}

void EdgeIndex::ListUnwatched(Entry& entry) noexcept {
  entry.unwatchedSlot = m_unwatched.size();
  m_unwatched.push_back(&entry);
}

// Also from an orphan's first destroyed end, when the other is still
// watched.
void EdgeIndex::UnwatchEnds(Entry& entry) noexcept {
  if (entry.EndsWatched()) {
    for (EndWatch& end : entry.ends) end.Watch(nullptr);
    return;
  }
  Entry* last = m_unwatched.back();
  m_unwatched[entry.unwatchedSlot] = last;
  last->unwatchedSlot = entry.unwatchedSlot;
  m_unwatched.pop_back();
}

void EdgeIndex::Rekey(Entry& entry) noexcept {
  if (!Vouches()) return;
  UnwatchEnds(entry);
  WatchEnds(entry);
  Replace(entry);
}

// The edge was destroyed while listed: the list now holds a dangling entry,
// which the index no longer reads.
void EdgeIndex::Release(Entry& entry) noexcept {
  if (!Vouches()) return;
  UnwatchEnds(entry);
  Unplace(entry);
  entry.node = nullptr;
  --m_listed;
  m_entries.Give(entry);
}

// An end was destroyed: the edge keeps its address, which the walk still
// compares, but its position can no longer be read.
void EdgeIndex::Orphan(Entry& entry) noexcept {
  if (!Vouches()) return;
  UnwatchEnds(entry);
  ListUnwatched(entry);
  Replace(entry);
}

CEdge* EdgeIndex::Nearest(const CFPPoint& pt, double maxDistance) noexcept {
  // Nothing is nearer than a bound that is not positive, and from a
  // non-finite point every distance is infinite or not a number.
  if (!(maxDistance > 0) || !IsFinite(pt) || m_listed == 0) return nullptr;
  if (!m_hasCells) {
    try {
      BuildCells();
    } catch (const std::bad_alloc&) {
      Break();
      return nullptr;
    }
  }
  NearestSoFar<CEdge> nearest{maxDistance};
  const auto offer = [&](const Entry& entry) {
    nearest.Offer(entry.Watched(), entry.rank, entry.Watched()->distance(pt));
  };
  for (const Entry* entry : m_aside) offer(*entry);
  if (m_inCells == 0) return nearest.element;
  SearchOutwards(
      m_scale, m_bounds, m_cells.LiveKeys(), pt, nearest,
      [&](const PairKey& cell) { m_cells.ForEach(cell, [&](const Entry* entry) { offer(*entry); }); },
      [&] {
        m_entries.ForEach([&](const Entry& entry) {
          if (entry.place == Place::kCells) offer(entry);
        });
      });
  return nearest.element;
}

void EdgeIndex::BuildCells() {
  m_hasCells = true;
  Rescale();
}

void EdgeIndex::Replace(Entry& entry) noexcept {
  if (!Vouches() || !m_hasCells) return;
  Unplace(entry);
  try {
    PlaceEdge(entry);
  } catch (const std::bad_alloc&) {
    Break();
  }
}

// Files the edge in the cells of its bounding box, or aside. Rescales
// instead when the edges in cells have doubled since the last rescale or
// the grid no longer covers the bounds.
void EdgeIndex::PlaceEdge(Entry& entry) {
  const CEdge& edge = *entry.Watched();
  const CVertex* a = edge.m_pVertex1;
  const CVertex* b = edge.m_pVertex2;
  const bool measurable = entry.EndsWatched() && IsFinite(a->m_point) && IsFinite(b->m_point);
  if (measurable) {
    m_bounds.Include(a->m_point);
    m_bounds.Include(b->m_point);
    if (m_inCells >= m_rescaleAt || !m_scale.Covers(m_bounds)) return Rescale();
    const PairKey low = m_scale.Cell(CFPPoint(std::min(a->m_point.x, b->m_point.x), std::min(a->m_point.y, b->m_point.y)));
    const PairKey high = m_scale.Cell(CFPPoint(std::max(a->m_point.x, b->m_point.x), std::max(a->m_point.y, b->m_point.y)));
    if (high.a - low.a < kLongestInCells && high.b - low.b < kLongestInCells) {
      entry.place = Place::kCells;
      entry.low = low;
      entry.high = high;
      for (std::int64_t x = low.a; x <= high.a; ++x) {
        for (std::int64_t y = low.b; y <= high.b; ++y) m_cells.Add(PairKey{x, y}, &entry);
      }
      ++m_inCells;
      return;
    }
  }
  entry.place = Place::kAside;
  entry.asideSlot = m_aside.size();
  m_aside.push_back(&entry);
}

void EdgeIndex::Unplace(Entry& entry) noexcept {
  if (entry.place == Place::kCells) {
    for (std::int64_t x = entry.low.a; x <= entry.high.a; ++x) {
      for (std::int64_t y = entry.low.b; y <= entry.high.b; ++y) m_cells.Remove(PairKey{x, y}, &entry);
    }
    --m_inCells;
  } else if (entry.place == Place::kAside) {
    Entry* last = m_aside.back();
    m_aside[entry.asideSlot] = last;
    last->asideSlot = entry.asideSlot;
    m_aside.pop_back();
  }
  entry.place = Place::kNone;
}

// Sizes the cells to the edges listed and files them all afresh; the next
// rescale waits until the edges in cells have doubled, so filing stays
// linear.
void EdgeIndex::Rescale() {
  double extents = 0;
  std::size_t measured = 0;
  m_entries.ForEach([&](Entry& entry) {
    Unplace(entry);
    if (entry.node == nullptr || !entry.EndsWatched()) return;
    const CEdge& edge = *entry.Watched();
    const CFPPoint& a = edge.m_pVertex1->m_point;
    const CFPPoint& b = edge.m_pVertex2->m_point;
    const double extent = std::max(std::fabs(b.x - a.x), std::fabs(b.y - a.y));
    if (!std::isfinite(extent)) return;
    extents += extent;
    ++measured;
  });
  const double typicalExtent = measured > 0 ? extents / static_cast<double>(measured) : 0;
  m_cells.Clear();
  m_scale = GridScale::Fitting(measured, m_bounds, typicalExtent, kSmallestSide);
  m_rescaleAt = std::numeric_limits<std::size_t>::max();
  m_entries.ForEach([&](Entry& entry) {
    if (entry.node != nullptr) PlaceEdge(entry);
  });
  m_rescaleAt = 2 * m_inCells + 64;
}

// Destroying the entries ends their watches.
void EdgeIndex::Forget() noexcept {
  m_entries.Clear();
  m_listed = 0;
  m_unwatched.clear();
  m_nextRank = 0;
  m_hasCells = false;
  m_cells.Clear();
  m_aside.clear();
  m_bounds = Bounds();
  m_inCells = 0;
  m_rescaleAt = 0;
}

// Called from within a vertex's round of watches, so the entries, and the
// watches they are, stay until the list is emptied or destroyed; until then
// every callback returns at once.
void EdgeIndex::Break() noexcept { m_state = IndexState::kBroken; }

}  // namespace fpgeom::detail
