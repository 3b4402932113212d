// Nearly parallel pairs on nearly one line. Rounding can make
// IntersectSegments report such a pair as meeting however far apart the
// segments are, so they are found by direction and offset rather than by
// place: the edges are sorted into direction bins of width about 2^-26 (lines,
// so directions modulo pi), and within each bin and its successor the edges
// whose offsets along a common normal come within the margin are candidates.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "algorithms/RadixSort.h"
#include "algorithms/ScratchVector.h"
#include "algorithms/ScreenedRing.h"

namespace fpgeom::detail {

namespace {

constexpr double kPi = 3.14159265358979323846;
// pi divided into bins of width about 2^-26, exactly, so that the last bin is
// as wide as the others and wraps round to the first.
const std::int64_t kDirectionBins = static_cast<std::int64_t>(kPi * 0x1p26);
const double kBinWidth = kPi / static_cast<double>(kDirectionBins);
// Bits for a bin number; an edge number never needs more than the other 36.
const int kBinBits = BitsBelow(static_cast<std::uint64_t>(kDirectionBins));

// An edge's offsets along the normal of its group's reference direction.
struct OffsetRange {
  double low;
  double high;
  std::size_t edge;
  bool inOwnBin;
  bool axisParallel;
};

// The edges sorted by the directions of their lines in [0, pi), each packed
// with its bin into one number, the bin above the edge: half the bytes of a
// pair to write, sort and read. Zero-length edges have no direction and are
// left out (against them D is exactly 0).
class DirectionBins {
 public:
  explicit DirectionBins(const ScreenedRing& ring) : m_edgeBits(BitsBelow(ring.EdgeCount())) {
    m_entries->reserve(ring.EdgeCount());
    for (std::size_t edge = 0; edge < ring.EdgeCount(); ++edge) {
      const double dx = ring.End(edge).x - ring.Start(edge).x;
      const double dy = ring.End(edge).y - ring.Start(edge).y;
      if (dx == 0.0 && dy == 0.0) continue;
      double direction = std::atan2(dy, dx);
      if (direction < 0.0) direction += kPi;
      if (direction >= kPi) direction -= kPi;
      const auto bin = std::min(kDirectionBins - 1, static_cast<std::int64_t>(direction / kBinWidth));
      m_entries->push_back(static_cast<std::uint64_t>(std::max<std::int64_t>(bin, 0)) << m_edgeBits | edge);
    }
    RadixSort(*m_entries, kBinBits, [this](std::uint64_t entry) { return entry >> m_edgeBits; });
  }

  std::size_t Size() const { return m_entries->size(); }
  std::int64_t BinAt(std::size_t k) const { return static_cast<std::int64_t>((*m_entries)[k] >> m_edgeBits); }
  std::size_t EdgeAt(std::size_t k) const {
    return static_cast<std::size_t>((*m_entries)[k] & ((std::uint64_t{1} << m_edgeBits) - 1));
  }
  // The end of the run of one bin that starts at begin.
  std::size_t RunEnd(std::size_t begin) const {
    std::size_t end = begin + 1;
    while (end < m_entries->size() && BinAt(end) == BinAt(begin)) ++end;
    return end;
  }

 private:
  const int m_edgeBits;
  ScratchVector<std::uint64_t> m_entries;
};

OffsetRange OffsetsOf(const ScreenedRing& ring, std::size_t edge, double normalX, double normalY, bool inOwnBin) {
  const LocalPoint start = ring.LocalStart(edge);
  const LocalPoint end = ring.LocalEnd(edge);
  const double first = start.x * normalX + start.y * normalY;
  const double second = end.x * normalX + end.y * normalY;
  const bool axisParallel = ring.Start(edge).y == ring.End(edge).y || ring.Start(edge).x == ring.End(edge).x;
  return {std::min(first, second), std::max(first, second), edge, inOwnBin, axisParallel};
}

bool ByLowOffset(const OffsetRange& first, const OffsetRange& second) { return first.low < second.low; }

// Pairs within one group; a pair of which neither edge lies in the group's
// own bin belongs to the next group. Axis-parallel edges are kept apart, so
// that a grid of collinear horizontal edges costs nothing here.
bool TestGroup(std::vector<OffsetRange>& oblique, std::vector<OffsetRange>& axisParallel, double margin,
                CandidateTester& tester) {
  const auto ownsPair = [](const OffsetRange& first, const OffsetRange& second) {
    return first.inOwnBin || second.inOwnBin;
  };
  std::sort(oblique.begin(), oblique.end(), ByLowOffset);
  std::sort(axisParallel.begin(), axisParallel.end(), ByLowOffset);
  for (std::size_t i = 0; i < oblique.size(); ++i) {
    for (std::size_t j = i + 1; j < oblique.size() && oblique[j].low <= oblique[i].high + margin; ++j) {
      if (ownsPair(oblique[i], oblique[j]) && !tester.Test(oblique[i].edge, oblique[j].edge)) return false;
    }
  }
  double widestAxisParallel = 0.0;
  for (const OffsetRange& range : axisParallel) widestAxisParallel = std::max(widestAxisParallel, range.high - range.low);
  for (const OffsetRange& range : oblique) {
    const OffsetRange probe{range.low - margin - widestAxisParallel, 0.0, 0, false, false};
    auto other = std::lower_bound(axisParallel.begin(), axisParallel.end(), probe, ByLowOffset);
    for (; other != axisParallel.end() && other->low <= range.high + margin; ++other) {
      const bool near = range.low <= other->high + margin;
      if (near && ownsPair(range, *other) && !tester.Test(range.edge, other->edge)) return false;
    }
  }
  // Two axis-parallel edges in one group run along the same axis (their
  // directions differ by less than 2^-25, not by pi/2), both exactly
  // horizontal or both exactly vertical: D is exactly 0, so the parallel
  // branch decides them, which the proximity search covers.
  return true;
}

}  // namespace

bool TestNearlyCollinearPairs(const ScreenedRing& ring, CandidateTester& tester) {
  const DirectionBins bins(ring);
  const double margin = LineOffsetMargin(ring.Extent());
  const std::size_t firstRunEnd = bins.Size() > 0 ? bins.RunEnd(0) : 0;
  std::vector<OffsetRange> oblique;
  std::vector<OffsetRange> axisParallel;
  const auto add = [&](std::size_t begin, std::size_t end, bool own, double normalX, double normalY) {
    for (std::size_t k = begin; k < end; ++k) {
      const OffsetRange range = OffsetsOf(ring, bins.EdgeAt(k), normalX, normalY, own);
      (range.axisParallel ? axisParallel : oblique).push_back(range);
    }
  };
  // Runs of one bin, [begin, end), each with the run after it.
  for (std::size_t begin = 0, end = firstRunEnd; begin < bins.Size();) {
    const std::int64_t bin = bins.BinAt(begin);
    // The next bin, wrapping from the last round to the first.
    const bool lastRun = end == bins.Size();
    const std::size_t nextBegin = lastRun ? 0 : end;
    const std::size_t nextEnd = lastRun ? firstRunEnd : bins.RunEnd(end);
    const bool nextBinFilled = nextBegin != begin && bins.BinAt(nextBegin) == (bin + 1) % kDirectionBins;
    // A lone edge makes no pair.
    if (nextBinFilled || end - begin >= 2) {
      const double reference = static_cast<double>(bin) * kBinWidth;
      const double normalX = -std::sin(reference);
      const double normalY = std::cos(reference);
      oblique.clear();
      axisParallel.clear();
      add(begin, end, true, normalX, normalY);
      if (nextBinFilled) add(nextBegin, nextEnd, false, normalX, normalY);
      if (!TestGroup(oblique, axisParallel, margin, tester)) return false;
    }
    begin = end;
    end = nextEnd;
  }
  return true;
}

}  // namespace fpgeom::detail
