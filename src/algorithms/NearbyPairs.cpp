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

#include "algorithms/ScreenedRing.h"

namespace fpgeom::detail {

namespace {

struct CellEntry {
  std::uint64_t cell;
  std::size_t edge;
  bool operator<(const CellEntry& other) const {
    return cell != other.cell ? cell < other.cell : edge < other.edge;
  }
  bool operator==(const CellEntry& other) const { return cell == other.cell && edge == other.edge; }
};

class EdgeGrid {
 public:
  EdgeGrid(double cellSize, double fattening) : m_cellSize(cellSize), m_fattening(fattening) {}

  // Long edges go in as pieces about one cell long, so that a long oblique
  // edge does not claim the whole box around it. The pieces' ends are
  // computed once each and shared, so the pieces join up.
  void AddEdge(const CFPPoint& start, const CFPPoint& end, std::size_t edge) {
    const double dx = end.x - start.x;
    const double dy = end.y - start.y;
    const auto pieces = static_cast<std::size_t>(std::max(1.0, std::ceil(std::max(std::fabs(dx), std::fabs(dy)) / m_cellSize)));
    CFPPoint from = start;
    for (std::size_t piece = 1; piece <= pieces; ++piece) {
      const double along = static_cast<double>(piece) / static_cast<double>(pieces);
      const CFPPoint to = piece == pieces ? end : CFPPoint(start.x + dx * along, start.y + dy * along);
      AddBox(std::min(from.x, to.x), std::min(from.y, to.y), std::max(from.x, to.x), std::max(from.y, to.y), edge);
      from = to;
    }
  }

  // Sorted by cell, then by edge, each edge once per cell.
  std::vector<CellEntry> TakeEntries() {
    std::sort(m_entries.begin(), m_entries.end());
    m_entries.erase(std::unique(m_entries.begin(), m_entries.end()), m_entries.end());
    return std::move(m_entries);
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
      for (std::uint64_t row = firstRow; row <= lastRow; ++row) m_entries.push_back({column << 32 | row, edge});
    }
  }

  const double m_cellSize;
  const double m_fattening;
  std::vector<CellEntry> m_entries;
};

// About one mean edge (largest coordinate difference), so that a cell of a
// smooth ring holds a few edges; never so small that the box has more than
// 2^20 cells a side, nor that the fattening spans more than a quarter cell.
double CellSize(const ScreenedRing& ring, double fattening) {
  double total = 0.0;
  for (std::size_t edge = 0; edge < ring.EdgeCount(); ++edge) {
    const CFPPoint& start = ring.LocalStart(edge);
    const CFPPoint& end = ring.LocalEnd(edge);
    total += std::max(std::fabs(end.x - start.x), std::fabs(end.y - start.y));
  }
  const double mean = total / static_cast<double>(ring.EdgeCount());
  return std::max({mean, 4 * fattening, 0x1p-20 * ring.Extent()});
}

}  // namespace

bool NearbyPairsClear(const ScreenedRing& ring, CandidateTester& tester) {
  const double fattening = 2 * ProximityMargin(ring.Extent());
  EdgeGrid grid(CellSize(ring, fattening), fattening);
  for (std::size_t edge = 0; edge < ring.EdgeCount(); ++edge) grid.AddEdge(ring.LocalStart(edge), ring.LocalEnd(edge), edge);
  const std::vector<CellEntry> entries = grid.TakeEntries();
  // A pair that shares several cells is tested in each: testing is cheaper
  // than remembering.
  for (std::size_t begin = 0; begin < entries.size();) {
    std::size_t end = begin + 1;
    while (end < entries.size() && entries[end].cell == entries[begin].cell) ++end;
    for (std::size_t first = begin; first < end; ++first) {
      for (std::size_t second = first + 1; second < end; ++second) {
        if (!tester.Clear(entries[first].edge, entries[second].edge)) return false;
      }
    }
    begin = end;
  }
  return true;
}

}  // namespace fpgeom::detail
