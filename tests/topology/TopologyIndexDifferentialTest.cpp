// The look-ups of CVertexList and CEdgeList checked against the walks that
// define them (support/CheckedTopology.h) over long mixes of edits and
// queries, at positions where a spatial index can go wrong: exactly 2^-23
// from a listed position and one ulp either side, lattices finer and coarser
// than 2^-23, huge, tiny and denormal coordinates, -0, NaN and infinities.
// FPGEOM_INDEX_OPERATIONS sets the number of random operations (spread over
// the seeds); without it the run is brief.
#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <memory>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "TopologySupport.h"
#include "fpgeom/fpgeom.h"
#include "support/CheckedTopology.h"

using namespace topology_test;
using fpgeom::test::CheckedTopology;
using fpgeom::test::Outcomes;

namespace {

constexpr double kEpsilon = fpgeom::kPointEpsilon;
constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

void AddFailure(const std::string& failure) { ADD_FAILURE() << failure; }

// The lattice of one epoch: the polygons' corners lie at origin + i * step.
struct Lattice {
  double x0, y0, step;
};

// Corners at the tolerance, finer (merging), where 2^-23 is one ulp, near
// 2^62 where numbering cells overflows, with far corners overflowing to
// infinity, and denormal.
const Lattice kLattices[] = {
    {0, 0, 1}, {0, 0, kEpsilon}, {0, 0, kEpsilon / 2}, {-0.0, 0, 1.5 * kEpsilon}, {0, 0, 1e-7},
    {1e9, -1e9, kEpsilon}, {1e9, 1e9, 0.25}, {4.6e18, -4.6e18, 1024}, {-4.6e18, 1e3, 1e17},
    {1e300, -1e300, 1e299}, {0.5 * DBL_MAX, -0.5 * DBL_MAX, 0.125 * DBL_MAX}, {0, 0, 4 * DBL_TRUE_MIN},
    {DBL_MIN, -DBL_MIN, 1e-310},
};

const double kSpecialCoordinates[] = {
    0.0,    -0.0,    DBL_TRUE_MIN, -DBL_TRUE_MIN, DBL_MIN, kEpsilon,  -kEpsilon,  1e9,  -1e9, 4.6e18,
    0x1p62, 0x1p63, -0x1p63,       1e300,         -1e300,  DBL_MAX,   -DBL_MAX,   kInfinity, -kInfinity, kNaN,
};

// Every operation an index must follow, in epochs that each start from
// empty lists and new polygons on a new lattice.
class RandomWorkload {
 public:
  explicit RandomWorkload(std::uint64_t seed)
      : m_random(seed), m_topology("seed " + std::to_string(seed), AddFailure) {}
  const CheckedTopology& Topology() const { return m_topology; }

  void Run(std::size_t operations) {
    constexpr std::size_t kOrderCheckInterval = 2048;
    m_longestEpoch = std::max<std::size_t>(4096, operations / 8);
    std::size_t epochEnd = 0;
    for (std::size_t done = 0; done < operations && m_topology.Agrees(); ++done) {
      if (done == epochEnd) {
        m_topology.CheckOrder();
        m_topology.Empty();
        NewEpoch();
        epochEnd = done + EpochLength();
      } else if (done % kOrderCheckInterval == 0) {
        m_topology.CheckOrder();
      }
      Step();
    }
    m_topology.CheckOrder();
  }

 private:
  std::size_t Below(std::size_t n) { return n == 0 ? 0 : m_random() % n; }
  bool OneIn(std::size_t n) { return Below(n) == 0; }
  double Uniform(double low, double high) { return low + (high - low) * (m_random() >> 11) * 0x1p-53; }
  template <class Element>
  Element* Pick(const std::vector<Element*>& elements) {
    return elements.empty() ? nullptr : elements[Below(elements.size())];
  }

  // From a handful of operations up to an eighth of a long run, every
  // doubling as likely as the next.
  std::size_t EpochLength() {
    std::size_t doublings = 1;
    while ((std::size_t{4} << doublings) <= m_longestEpoch) ++doublings;
    const std::size_t scale = std::size_t{4} << Below(doublings);
    return scale + Below(scale);
  }

  // Squares and triangles that share their corners as the cells of a map do.
  void NewEpoch() {
    m_lattice = kLattices[Below(std::size(kLattices))];
    m_cells = std::size_t{1} << Below(6);
    m_polygons.clear();
    for (std::size_t i = 0; i < m_cells; ++i) {
      for (std::size_t j = 0; j < m_cells; ++j) {
        CFPPolygon& cell = *m_polygons.emplace_back(std::make_unique<CFPPolygon>());
        cell.AddTailNode(LatticeX(i), LatticeY(j));
        cell.AddTailNode(LatticeX(i), LatticeY(j + 1));
        if (!OneIn(3)) cell.AddTailNode(LatticeX(i + 1), LatticeY(j + 1));
        cell.AddTailNode(LatticeX(i + 1), LatticeY(j));
      }
    }
  }

  double LatticeX(double i) const { return m_lattice.x0 + i * m_lattice.step; }
  double LatticeY(double j) const { return m_lattice.y0 + j * m_lattice.step; }
  // At the tolerance from x, one ulp either side of it, within twice it, or
  // the other zero.
  double NearBoundary(double x) {
    const double away = OneIn(2) ? kInfinity : -kInfinity;
    const double atTolerance = x + std::copysign(kEpsilon, away);
    switch (Below(6)) {
      case 0: return x;
      case 1: return atTolerance;
      case 2: return std::nextafter(atTolerance, away);
      case 3: return std::nextafter(atTolerance, x);
      case 4: return x + Uniform(-2, 2) * kEpsilon;
      default: return x == 0 ? -x : std::nextafter(x, away);
    }
  }

  CFPPoint Near(const CFPPoint& point) { return CFPPoint(NearBoundary(point.x), NearBoundary(point.y)); }
  // A corner as the polygon has it now, after whatever moves it has seen.
  CFPPoint CornerOf(const CFPPolygon& polygon) {
    const Ring ring = PointsOf(polygon);
    if (ring.empty()) return CFPPoint(LatticeX(0), LatticeY(0));
    const auto& [x, y] = ring[Below(ring.size())];
    return CFPPoint(x, y);
  }

  CFPPoint AnyPoint() {
    const CVertex* vertex = Pick(m_topology.Vertices());
    const double half = OneIn(4) ? 0.5 : 0.0;
    const CFPPoint onLattice(LatticeX(Below(m_cells + 5) - 2.0 + half), LatticeY(Below(m_cells + 5) - 2.0 + half));
    const double special = kSpecialCoordinates[Below(std::size(kSpecialCoordinates))];
    switch (Below(10)) {
      case 0: case 1: case 2: case 3: return CornerOf(*m_polygons[Below(m_polygons.size())]);
      case 4: return Near(CornerOf(*m_polygons[Below(m_polygons.size())]));
      case 5: case 6: return Near(vertex ? vertex->m_point : onLattice);
      case 7: return onLattice;
      case 8: return OneIn(2) ? CFPPoint(special, onLattice.y) : CFPPoint(onLattice.x, special);
      default: return CFPPoint(LatticeX(Uniform(-2, m_cells + 2)), LatticeY(Uniform(-2, m_cells + 2)));
    }
  }

  // Degenerate, lattice-sized, or exactly an element's distance, where only
  // the strict comparison decides.
  double AnyDistance(double elementDistance) {
    const double kFixed[] = {0, DBL_TRUE_MIN, kEpsilon, 1e300, kInfinity, kNaN, -1};
    switch (Below(6)) {
      case 0: return kFixed[Below(std::size(kFixed))];
      case 1: case 2: return m_lattice.step * Uniform(0, 3);
      case 3: return elementDistance;
      case 4: return std::nextafter(elementDistance, kInfinity);
      default: return m_lattice.step;
    }
  }

  // On or beside the edge's line: at an end, the middle, or somewhat past.
  CFPPoint BesideEdge(const CEdge& edge) {
    const CFPPoint a = static_cast<const CVertex*>(edge.m_pVertex1)->m_point;
    const CFPPoint b = static_cast<const CVertex*>(edge.m_pVertex2)->m_point;
    const double kAlong[] = {0, 0.5, 1, Uniform(-0.2, 1.2)};
    const double t = kAlong[Below(std::size(kAlong))];
    const CFPPoint onLine(a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t);
    const double spread = m_lattice.step;
    return OneIn(2) ? Near(onLine) : CFPPoint(onLine.x + Uniform(-1, 1) * spread, onLine.y + Uniform(-1, 1) * spread);
  }

  void Step() {
    CFPPolygon* polygon = m_polygons[Below(m_polygons.size())].get();
    CVertex* vertex = Pick(m_topology.Vertices());
    CVertex* other = Pick(m_topology.Vertices());
    CEdge* edge = Pick(m_topology.Edges());
    const CFPPoint pt = AnyPoint();
    const std::size_t roll = Below(100);
    if (roll < 30 || vertex == nullptr) {
      // Mostly a corner of the polygon, as a host builds a topology.
      const CFPPoint corner = CornerOf(*polygon);
      m_topology.AddVertex(OneIn(3) ? pt : OneIn(3) ? Near(corner) : corner, polygon);
    } else if (roll < 34) {
      // Without a test, so that several vertices can share one position.
      m_topology.AppendVertex(std::make_unique<CVertex>(OneIn(2) ? other->m_point : pt));
    } else if (roll < 40) {
      if (m_topology.CanDelete(vertex)) m_topology.DeleteVertex(vertex);
    } else if (roll < 48) {
      const CFPPoint at = vertex->m_point;
      const double reach = 0.6 * m_lattice.step;
      const CFPPoint targets[] = {Near(at), other->m_point, pt,
                                  CFPPoint(at.x + Uniform(-reach, reach), at.y + Uniform(-reach, reach))};
      m_topology.Move(vertex, targets[Below(std::size(targets))]);
    } else if (roll < 62) {
      m_topology.NearestVertex(pt, AnyDistance(other->distance(pt)));
    } else if (roll < 76 || edge == nullptr) {
      // New pairs, a vertex with itself, or a listed edge's ends either way.
      if (edge && OneIn(3)) {
        vertex = edge->m_pVertex1;
        other = edge->m_pVertex2;
        if (OneIn(2)) std::swap(vertex, other);
      }
      m_topology.AddEdge(vertex, OneIn(8) ? vertex : other, polygon);
    } else if (roll < 80) {
      m_topology.SetEnd(edge, OneIn(2), other);
    } else if (roll < 92) {
      const CFPPoint near = OneIn(2) ? BesideEdge(*edge) : pt;
      m_topology.NearestEdge(near, AnyDistance(edge->distance(near)));
    } else if (roll < 94) {
      // As a host splits a side: the new vertex joins the list as it is.
      if (std::unique_ptr<CVertex> made{edge->CreateVertex(BesideEdge(*edge))}) {
        m_topology.KeepWithNeighbours({made.get(), edge->m_pVertex1, edge->m_pVertex2});
        m_topology.AppendVertex(std::move(made));
      }
    } else if (OneIn(2)) {
      m_topology.IterateVertices(Below(m_topology.Vertices().size() + 2));
    } else {
      m_topology.IterateEdges(Below(m_topology.Edges().size() + 2));
    }
  }

  std::mt19937_64 m_random;
  Lattice m_lattice{};
  std::size_t m_cells = 1;
  std::size_t m_longestEpoch = 4096;
  // Declared before the topology, so that they outlive its links.
  std::vector<std::unique_ptr<CFPPolygon>> m_polygons;
  CheckedTopology m_topology;
};

std::size_t OperationsToRun() {
  const char* setting = std::getenv("FPGEOM_INDEX_OPERATIONS");
  return setting ? std::strtoull(setting, nullptr, 10) : 60000;
}

}  // namespace

TEST(TopologyIndex, RandomEditsAndLookUpsAgreeWithTheWalkInAnswerOrderAndCursor) {
  const std::size_t operations = OperationsToRun();
  Outcomes seen;
  for (const std::uint64_t seed : {1, 2, 3, 4}) {
    RandomWorkload workload(seed);
    workload.Run(operations / 4);
    if (!workload.Topology().Agrees()) return;
    for (const auto& [outcome, count] : workload.Topology().Seen()) seen[outcome] += count;
  }
  // Agreeing proves little unless the mix reached every kind of answer.
  if (operations < 1000) return;
  for (const char* outcome : {"vertex found", "vertex made", "vertex deleted", "move made", "move refused",
                              "nearest vertex", "edge found", "edge made", "nearest edge"}) {
    EXPECT_GT(seen[outcome], 0u) << outcome;
  }
}

// A map of square cells built as a host builds it, four corners and four
// sides per cell, then edited through the look-ups: corners picked near a
// point and dragged, sides picked near a point and split, corners added again.
TEST(TopologyIndex, AGridMapBuiltDraggedAndSplitAsAHostDoesAgreesWithTheWalk) {
  constexpr std::size_t kCells = 12;
  constexpr double kSide = 10;
  std::mt19937_64 random(7);
  const auto uniform = [&random](double low, double high) { return low + (high - low) * (random() >> 11) * 0x1p-53; };
  const auto gridPoint = [&random] {
    return CFPPoint(kSide * double(random() % (kCells + 1)), kSide * double(random() % (kCells + 1)));
  };
  std::vector<std::unique_ptr<CFPPolygon>> cells;  // outlive the topology's links
  CheckedTopology topology("grid map", AddFailure);
  for (std::size_t i = 0; i < kCells; ++i) {
    for (std::size_t j = 0; j < kCells && topology.Agrees(); ++j) {
      CFPPolygon* cell = cells.emplace_back(std::make_unique<CFPPolygon>()).get();
      const CFPPoint ring[] = {CFPPoint(kSide * i, kSide * j), CFPPoint(kSide * i, kSide * (j + 1)),
                               CFPPoint(kSide * (i + 1), kSide * (j + 1)), CFPPoint(kSide * (i + 1), kSide * j)};
      for (const CFPPoint& corner : ring) cell->AddTailNode(corner);
      topology.Link(cell);
    }
  }
  for (int drag = 0; drag < 1500 && topology.Agrees(); ++drag) {
    const CFPPoint corner = gridPoint();
    const CFPPoint pick(corner.x + uniform(-3, 3), corner.y + uniform(-3, 3));
    if (CVertex* vertex = topology.NearestVertex(pick, kSide / 2)) {
      const CFPPoint at = vertex->m_point;
      topology.Move(vertex, drag % 7 == 0 ? gridPoint() : CFPPoint(at.x + uniform(-4, 4), at.y + uniform(-4, 4)));
    }
    CEdge* side = topology.NearestEdge(pick, kSide / 2);
    std::unique_ptr<CVertex> middle(side && drag % 4 == 0 ? side->CreateVertex(pick) : nullptr);
    if (middle != nullptr) {
      CVertex* far = side->m_pVertex2;
      CVertex* split = middle.get();
      side->BeginIteration();
      CFPPolygon* polygon = side->GetCurrentPoly();
      topology.AppendVertex(std::move(middle));
      topology.SetEnd(side, false, split);
      topology.AddEdge(split, far, polygon);
    }
    const std::size_t i = std::size_t(corner.x / kSide) % kCells, j = std::size_t(corner.y / kSide) % kCells;
    if (drag % 5 == 0) topology.AddVertex(corner, cells[i * kCells + j].get());
  }
  topology.CheckOrder();
  EXPECT_GT(topology.Seen()["move made"], 0u);
  EXPECT_GT(topology.Seen()["move refused"], 0u);
}
