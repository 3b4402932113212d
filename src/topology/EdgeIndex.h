// What an edge list keeps to answer its look-ups exactly as its walks do:
// the first edge between two vertices, with the cursor where the walk
// leaves it, and the nearest edge.
//
// Why the answers are the walk's:
// - Ends. Every listed edge watches its two end vertices, so the edges
//   between a and b are among the watches on a. An assignment to an end
//   reaches the index through the edge's own watch and moves the end
//   watches with it. Edges with a null end, or whose end vertex has been
//   destroyed (the walk still compares its address), are kept aside and
//   compared on every look-up. The list only grows at the tail, so the
//   lowest rank that joins a and b is the first edge the walk meets.
// - Nearest. Built on the first search and kept from then on: each edge is
//   filed in every cell of its bounding box, and its end vertices tell the
//   index when they move. An edge not met in the rings searched so far has
//   its box wholly outside them, so every point of it is more than r - 1
//   cell sides away; the distance formula's rounding stays far below the
//   margin RingDistanceBound keeps, for edges up to 64 cells long. Longer
//   edges, edges with a non-finite end and edges whose end has been
//   destroyed are kept aside and measured on every search. Ties go to the
//   lower rank.
// - Short lists and failure. A list walks until it has grown long enough
//   to be worth indexing (IndexState.h). When the index cannot file an edge
//   (no memory) it stops vouching and the list walks until it is emptied.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "fpgeom/frame/ObList.h"
#include "fpgeom/frame/WinTypes.h"
#include "fpgeom/values/FPPoint.h"
#include "topology/EdgeWatch.h"
#include "topology/EntryPool.h"
#include "topology/IndexState.h"
#include "topology/KeyedChains.h"
#include "topology/SpatialGrid.h"
#include "topology/VertexWatch.h"

class CEdge;
class CVertex;

namespace fpgeom::detail {

class EdgeIndex {
 public:
  using List = CTypedPtrList<CObList, CEdge*>;

  EdgeIndex() = default;
  EdgeIndex(const EdgeIndex&) = delete;
  EdgeIndex& operator=(const EdgeIndex&) = delete;
  ~EdgeIndex() { Forget(); }

  // When false, the list must walk: the index has lost track.
  bool Vouches() const noexcept { return m_state == IndexState::kVouching; }

  // The walk's answers. FindFirstBetween sets the cursor as the walk would;
  // Nearest leaves the cursor to the caller (the walk ends at the end) and
  // may stop vouching, when it cannot build its cells, without answering.
  CEdge* FindFirstBetween(const List& list, POSITION& cursor, const CVertex* a, const CVertex* b) const;
  CEdge* Nearest(const CFPPoint& pt, double maxDistance) noexcept;

  // Keeps step with the list: an entry appended at the tail, and every entry
  // gone (which lets a broken index vouch again).
  void Appended(const List& list, POSITION node) noexcept;
  void Cleared() noexcept;

 private:
  class Entry;
  enum class Place { kNone, kCells, kAside };

  // Tells the index when an end of its edge moves or is destroyed.
  class EndWatch final : public VertexWatch {
   public:
    EndWatch(EdgeIndex& index, Entry& entry) noexcept : VertexWatch(&index), m_entry(entry) {}
    Entry& entry() const noexcept { return m_entry; }

   private:
    void Moved() noexcept override;
    void Destroyed() noexcept override;

    Entry& m_entry;
  };

  class Entry final : public EdgeWatch {
   public:
    explicit Entry(EdgeIndex& index) noexcept : index(index), ends{{index, *this}, {index, *this}} {}

    EdgeIndex& index;
    EndWatch ends[2];
    POSITION node = nullptr;
    std::uint64_t rank = 0;
    // Both ends watched, or else listed among the unwatched at
    // unwatchedSlot.
    bool EndsWatched() const noexcept { return ends[0].Watched() != nullptr || ends[1].Watched() != nullptr; }
    std::size_t unwatchedSlot = 0;
    Place place = Place::kNone;
    PairKey low{0, 0};
    PairKey high{0, 0};
    std::size_t asideSlot = 0;

   private:
    void EndsChanged() noexcept override { index.Rekey(*this); }
    void Destroyed() noexcept override { index.Release(*this); }
  };


  void Index(POSITION node, CEdge& edge) noexcept;
  void WatchEnds(Entry& entry) noexcept;
  void ListUnwatched(Entry& entry) noexcept;
  void UnwatchEnds(Entry& entry) noexcept;
  void Rekey(Entry& entry) noexcept;
  void Release(Entry& entry) noexcept;
  void Orphan(Entry& entry) noexcept;

  // The spatial part: built on the first search, then kept.
  void BuildCells();
  void Replace(Entry& entry) noexcept;
  void PlaceEdge(Entry& entry);
  void Unplace(Entry& entry) noexcept;
  void Rescale();

  void Forget() noexcept;
  void Break() noexcept;

  EntryPool<Entry> m_entries;
  std::size_t m_listed = 0;
  std::vector<Entry*> m_unwatched;
  std::uint64_t m_nextRank = 0;
  IndexState m_state = IndexState::kWalking;

  bool m_hasCells = false;
  KeyedChains<Entry> m_cells;
  std::vector<Entry*> m_aside;
  GridScale m_scale;
  Bounds m_bounds;
  std::size_t m_inCells = 0;
  std::size_t m_rescaleAt = 0;
};

}  // namespace fpgeom::detail
