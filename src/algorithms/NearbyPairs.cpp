// Pairs whose segments come near each other: a uniform grid of cells about
// one mean edge long, each edge entered into every cell that its fattened
// shape touches, and every pair of edges that share a cell a candidate. Two
// segments within the proximity margin share the cell that holds the nearer
// point of either, since the other is fattened by twice the margin (the
// excess covers the rounding of the pieces and cell bounds, a few uE).
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "algorithms/RadixSort.h"
#include "algorithms/ScratchVector.h"
#include "algorithms/ScreenedRing.h"

namespace fpgeom::detail {

namespace {

// Cells and edges packed into one number, the cell's row-major number above
// the edge's: the sort moves eight bytes an entry, and an edge that enters a
// cell twice gives two equal entries.
class EdgeGrid {
 public:
  // A smooth ring's edges enter three or four cells each; room for four
  // saves the copies of growing.
  EdgeGrid(double cellSize, double fattening, std::uint64_t rows, int edgeBits, std::size_t edges)
      : m_cellSize(cellSize), m_fattening(fattening), m_rows(rows), m_edgeBits(edgeBits) {
    m_entries->reserve(4 * edges);
  }

  // Long edges go in as pieces about one cell long, so that a long oblique
  // edge does not claim the whole box around it. The pieces' ends are
  // computed once each and shared, so the pieces join up.
  void AddEdge(const LocalPoint& start, const LocalPoint& end, std::size_t edge) {
    const double dx = end.x - start.x;
    const double dy = end.y - start.y;
    const double pieces = std::max(1.0, std::ceil(std::max(std::fabs(dx), std::fabs(dy)) / m_cellSize));
    LocalPoint from = start;
    for (double piece = 1; piece <= pieces; ++piece) {
      const double along = piece / pieces;
      const LocalPoint to = piece == pieces ? end : LocalPoint{start.x + dx * along, start.y + dy * along};
      AddBox(std::min(from.x, to.x), std::min(from.y, to.y), std::max(from.x, to.x), std::max(from.y, to.y), edge);
      from = to;
    }
  }

  // Sorted by cell, then by edge, each edge once per cell. The edges went in
  // in order, so a stable sort by cell alone orders them within each cell.
  const std::vector<std::uint64_t>& SortedEntries(int cellBits) {
    RadixSort(*m_entries, cellBits, [this](std::uint64_t entry) { return CellOf(entry); });
    m_entries->erase(std::unique(m_entries->begin(), m_entries->end()), m_entries->end());
    return *m_entries;
  }

  std::uint64_t CellOf(std::uint64_t entry) const { return entry >> m_edgeBits; }
  std::size_t EdgeOf(std::uint64_t entry) const {
    return static_cast<std::size_t>(entry & ((std::uint64_t{1} << m_edgeBits) - 1));
  }

 private:
  // Local coordinates are at least 0, so the shifted cell numbers are too.
  std::uint64_t CellNumber(double coordinate) const {
    return static_cast<std::uint64_t>(std::floor(coordinate / m_cellSize) + 1.0);
  }

  void AddBox(double left, double bottom, double right, double top, std::size_t edge) {
    const std::uint64_t firstColumn = CellNumber(left - m_fattening);
    const std::uint64_t lastColumn = CellNumber(right + m_fattening);
    const std::uint64_t firstRow = CellNumber(bottom - m_fattening);
    const std::uint64_t lastRow = CellNumber(top + m_fattening);
    for (std::uint64_t column = firstColumn; column <= lastColumn; ++column) {
      for (std::uint64_t row = firstRow; row <= lastRow; ++row) {
        m_entries->push_back((column * m_rows + row) << m_edgeBits | edge);
      }
    }
  }

  const double m_cellSize;
  const double m_fattening;
  const std::uint64_t m_rows;
  const int m_edgeBits;
  ScratchVector<std::uint64_t> m_entries;
};

int BitsFor(std::uint64_t count) {
  int bits = 1;
  while (bits < 64 && (std::uint64_t{1} << bits) < count) ++bits;
  return bits;
}

// About one mean edge (largest coordinate difference), so that a cell of a
// smooth ring holds a few edges; never so small that the box has more than
// 2^20 cells a side, nor that the fattening spans more than a quarter cell.
double CellSize(const ScreenedRing& ring, double fattening) {
  double total = 0.0;
  for (std::size_t edge = 0; edge < ring.EdgeCount(); ++edge) {
    const LocalPoint start = ring.LocalStart(edge);
    const LocalPoint end = ring.LocalEnd(edge);
    total += std::max(std::fabs(end.x - start.x), std::fabs(end.y - start.y));
  }
  const double mean = total / static_cast<double>(ring.EdgeCount());
  return std::max({mean, 4 * fattening, 0x1p-20 * ring.Extent()});
}

}  // namespace

bool TestNearbyPairs(const ScreenedRing& ring, CandidateTester& tester) {
  const double fattening = 2 * ProximityMargin(ring.Extent());
  const double cellSize = CellSize(ring, fattening);
  // Cell numbers run from 0 to the extent's cells plus two (one each side
  // for the fattening), at most 2^20 + 3 a side.
  const auto sideCells = static_cast<std::uint64_t>(ring.Extent() / cellSize) + 4;
  const int edgeBits = BitsFor(ring.EdgeCount());
  const int cellBits = BitsFor(sideCells * sideCells);
  if (cellBits + edgeBits > 64) return false;
  EdgeGrid grid(cellSize, fattening, sideCells, edgeBits, ring.EdgeCount());
  for (std::size_t edge = 0; edge < ring.EdgeCount(); ++edge) grid.AddEdge(ring.LocalStart(edge), ring.LocalEnd(edge), edge);
  const std::vector<std::uint64_t>& entries = grid.SortedEntries(cellBits);
  // A pair that shares several cells is tested in each: testing is cheaper
  // than remembering.
  for (std::size_t begin = 0; begin < entries.size();) {
    const std::uint64_t cell = grid.CellOf(entries[begin]);
    std::size_t end = begin + 1;
    while (end < entries.size() && grid.CellOf(entries[end]) == cell) ++end;
    for (std::size_t first = begin; first < end; ++first) {
      for (std::size_t second = first + 1; second < end; ++second) {
        if (!tester.Test(grid.EdgeOf(entries[first]), grid.EdgeOf(entries[second]))) return false;
      }
    }
    begin = end;
  }
  return true;
}

}  // namespace fpgeom::detail
