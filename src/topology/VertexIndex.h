// A spatial hash of a vertex list's positions that answers the list's
// look-ups exactly as its walks do: the same vertex, and the cursor where
// the walk leaves it.
//
// Why the answers are the walk's:
// - Positions. Every listed vertex carries a watch from this index and tells
//   it of each move (CVertex::change) and of its destruction; the position
//   is not writable otherwise. So each vertex is filed in the cell of the
//   position it has now. Non-finite positions match nothing and are nearest
//   to nothing, so they are not filed.
// - Order. The list only grows at the tail and loses entries, so the rank
//   given at filing is list order. Among candidates, the lowest rank that
//   qualifies is the first the walk would meet.
// - Matching. A vertex matches pt when the rounded differences are within
//   eps = 2^-23 per coordinate. The exact difference is then below
//   eps (1 + 2^-52), and rounding, the power-of-two scaling and flooring
//   are monotonic, so such a vertex lies in a cell from that of
//   pt - 4 eps to that of pt + 4 eps (as rounded) in each coordinate; the
//   look-up visits those cells (one or two per axis, as cells are at least
//   8 eps wide). When pt is large enough that 4 eps is below its rounding
//   step, only a vertex at pt itself can match, and it lies in pt's cell.
// - Nearest. Cells are visited ring by ring outwards; a vertex in ring r
//   is more than r - 1 cell sides away, so once that bound (less a margin
//   for the rounding of hypot) exceeds the best distance found, no vertex
//   further out can be nearer or tie. Ties go to the lower rank.
// - Short lists and failure. A list walks until it has grown long enough
//   to be worth indexing (IndexState.h). When the index cannot file a
//   vertex (no memory, or one vertex listed twice) it stops vouching
//   and the list walks until it is emptied.
#pragma once

#include <cstddef>
#include <cstdint>

#include "fpgeom/frame/ObList.h"
#include "fpgeom/frame/WinTypes.h"
#include "fpgeom/values/FPPoint.h"
#include "topology/EntryPool.h"
#include "topology/IndexState.h"
#include "topology/KeyedChains.h"
#include "topology/SpatialGrid.h"
#include "topology/VertexWatch.h"

class CVertex;

namespace fpgeom::detail {

class VertexIndex {
 public:
  using List = CTypedPtrList<CObList, CVertex*>;

  VertexIndex() = default;
  VertexIndex(const VertexIndex&) = delete;
  VertexIndex& operator=(const VertexIndex&) = delete;
  ~VertexIndex() { Forget(); }

  // When false, the list must walk: the index has lost track.
  bool Vouches() const noexcept { return m_state == IndexState::kVouching; }

  // The walk's answers. FindFirstAt sets the cursor as the walk would;
  // Nearest leaves the cursor to the caller (the walk ends at the end).
  CVertex* FindFirstAt(const List& list, POSITION& cursor, const CFPPoint& pt) const;
  CVertex* Nearest(const CFPPoint& pt, double maxDistance) const;
  // The list entry of vertex, or null when it is not listed.
  POSITION EntryOf(const CVertex& vertex) const noexcept;

  // Keeps step with the list: an entry appended at the tail, the entry of a
  // vertex removed, and every entry gone (which lets a broken index vouch
  // again).
  void Appended(const List& list, POSITION node) noexcept;
  void Removed(const CVertex& vertex) noexcept;
  void Cleared() noexcept;

 private:
  class Entry final : public VertexWatch {
   public:
    explicit Entry(VertexIndex& index) noexcept : VertexWatch(&index), m_index(index) {}

    POSITION node = nullptr;
    std::uint64_t rank = 0;
    bool filed = false;
    PairKey cell{0, 0};

   private:
    void Moved() noexcept override { m_index.Refile(*this); }
    void Destroyed() noexcept override { m_index.Release(*this); }

    VertexIndex& m_index;
  };

  void Index(POSITION node, CVertex& vertex) noexcept;
  void File(Entry& entry);
  void Unfile(Entry& entry) noexcept;
  void Refile(Entry& entry) noexcept;
  void Release(Entry& entry) noexcept;
  void Rescale();
  void Forget() noexcept;
  void Break() noexcept;

  EntryPool<Entry> m_entries;
  KeyedChains<Entry> m_cells;
  GridScale m_scale;
  Bounds m_bounds;
  std::size_t m_filed = 0;
  std::size_t m_rescaleAt = 0;
  std::uint64_t m_nextRank = 0;
  IndexState m_state = IndexState::kWalking;
};

}  // namespace fpgeom::detail
