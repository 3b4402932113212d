// Edits and look-ups of a vertex and an edge list, decoded from bytes and
// applied through CheckedTopology, which answers each again by walking. A
// grid map large enough that the lists answer from their spatial indexes,
// then steps at the places where an index can go wrong: exactly 2^-23 from
// a listed position and one ulp either side, lattices finer and coarser than
// the tolerance, huge, tiny and denormal coordinates, -0, NaN, infinities.
// Shared by the differential test (random bytes) and the fuzz target.
#pragma once

#include <cfloat>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <memory>
#include <utility>
#include <vector>

#include "ByteReader.h"
#include "fpgeom/fpgeom.h"
#include "support/CheckedTopology.h"

// Outside fpgeom::test, whose code the fuzz build does not instrument: the
// decoding's branches guide the fuzzer.
namespace fpgeom::workload {

struct Limits {
  int operations;
  int grids;
  int fewestCellsPerSide;
  int extraCellsPerSide;
};

// The lists index themselves from 128 entries on: the edge list of all but
// the smallest grids at once, the vertex list of the larger ones, of those
// whose cells keep their own corners, or after vertices are added.
constexpr Limits kFuzzLimits{64, 2, 7, 5};

class TopologyWorkload {
 public:
  TopologyWorkload(const std::uint8_t* data, std::size_t size, const Limits& limits, test::Report report,
                   test::Narration narration = test::Narration::kDescribeEachStep)
      : m_input(data, size), m_limits(limits), m_topology("input", std::move(report), narration) {}

  const test::CheckedTopology& Topology() const { return m_topology; }

  // Whether the lists agreed with the walks throughout.
  bool Run() {
    BuildGrid();
    for (int done = 0; done < m_limits.operations && !m_input.IsExhausted() && m_topology.Agrees(); ++done) Step();
    m_topology.CheckOrder();
    return m_topology.Agrees();
  }

 private:
  static constexpr double kInfinity = std::numeric_limits<double>::infinity();
  static constexpr int kRecentVertices = 32;

  template <class Element, std::size_t n>
  static const Element& Choose(const Element (&table)[n], std::uint8_t choice) {
    return table[choice % n];
  }

  // Where the grid lies and how far apart its corners are: ordinary, at and
  // below the tolerance, where 2^-23 is one ulp, near the overflow of cell
  // numbers and of coordinates, denormal. Cells of three or four corners,
  // linked as a host builds a map, so that they share corners and sides,
  // or kept apart with their corners appended (a lattice finer than the
  // tolerance would otherwise merge into too few vertices to be indexed).
  void BuildGrid() {
    static constexpr double kOrigins[] = {0, -0.0, 1e9, -1e9, 4.6e18, -4.6e18, 1e300, DBL_MIN, 0.5 * DBL_MAX, -1024.5};
    static constexpr double kSteps[] = {1,     kPointEpsilon, kPointEpsilon / 2, 1.5 * kPointEpsilon, 2 * kPointEpsilon,
                                        1e-7,  0.25,          10,                1024,                1e17,
                                        1e299, 0.125 * DBL_MAX, 4 * DBL_TRUE_MIN, 1e-310};
    ++m_grids;
    m_x0 = Choose(kOrigins, m_input.Byte());
    m_y0 = Choose(kOrigins, m_input.Byte());
    m_step = Choose(kSteps, m_input.Byte());
    m_columns = m_limits.fewestCellsPerSide + m_input.UpTo(m_limits.extraCellsPerSide);
    m_rows = m_limits.fewestCellsPerSide + m_input.UpTo(m_limits.extraCellsPerSide);
    const std::uint8_t triangles = m_input.Byte();
    const std::uint8_t apart = m_input.Byte();
    const auto isSet = [](std::uint8_t bits, int cell) { return (bits >> (cell % 8) & 1) != 0; };
    for (int i = 0; i < m_columns; ++i) {
      for (int j = 0; j < m_rows; ++j) {
        std::vector<CFPPoint> ring{At(i, j), At(i, j + 1), At(i + 1, j + 1)};
        if (!isSet(triangles, i + j)) ring.push_back(At(i + 1, j));
        CFPPolygon* cell = m_polygons.emplace_back(std::make_unique<CFPPolygon>()).get();
        for (const CFPPoint& corner : ring) cell->AddTailNode(corner);
        AddCell(cell, ring, isSet(apart, i + 3 * j));
      }
    }
  }

  // Linked as LinkPolygons links a ring, call for call: each corner found or
  // added, each side between two vertices found or added, its ends made
  // neighbours; or kept apart, with new vertices.
  void AddCell(CFPPolygon* cell, const std::vector<CFPPoint>& ring, bool apart) {
    std::vector<CVertex*> corners;
    for (const CFPPoint& corner : ring) {
      corners.push_back(apart ? m_topology.AppendVertex(corner, cell) : m_topology.AddVertex(corner, cell));
    }
    for (std::size_t k = 0; k < corners.size(); ++k) {
      CVertex* from = corners[k];
      CVertex* to = corners[(k + 1) % corners.size()];
      if (from == to) continue;
      m_topology.AddEdge(from, to, cell);
      if (!apart) m_topology.MakeNeighbours(from, to);
    }
  }

  void Step() {
    switch (m_input.UpTo(12)) {
      case 0: case 1: {
        const CFPPoint pt = Point();
        return void(m_topology.AddVertex(pt, Polygon()));
      }
      case 2:
        return void(m_topology.AppendVertex(Point(), nullptr));
      case 3:
        if (CVertex* vertex = RecentVertex(); vertex != nullptr && m_topology.CanDelete(vertex)) {
          m_topology.DeleteVertex(vertex);
        }
        return;
      case 4:
        if (CVertex* vertex = Pick(m_topology.Vertices())) {
          m_topology.Move(vertex, m_input.UpTo(1) == 0 ? Near(vertex->m_point) : Point());
        }
        return;
      case 5:
        return AddEdge();
      case 6: {
        CEdge* edge = Pick(m_topology.Edges());
        const bool firstEnd = m_input.UpTo(1) == 0;
        CVertex* vertex = Pick(m_topology.Vertices());
        if (edge != nullptr && vertex != nullptr) m_topology.SetEnd(edge, firstEnd, vertex);
        return;
      }
      case 7: case 8: {
        const CFPPoint pt = Point();
        const CVertex* measured = Pick(m_topology.Vertices());
        return void(m_topology.NearestVertex(pt, Distance(measured ? measured->distance(pt) : m_step)));
      }
      case 9: case 10: {
        const CFPPoint pt = Point();
        const CEdge* measured = Pick(m_topology.Edges());
        return void(m_topology.NearestEdge(pt, Distance(measured ? measured->distance(pt) : m_step)));
      }
      case 11: {
        // The first entries of one list, which leaves its cursor on the next.
        const bool vertices = m_input.UpTo(1) == 0;
        const std::size_t listed = vertices ? m_topology.Vertices().size() : m_topology.Edges().size();
        const std::size_t count = m_input.Raw<std::uint16_t>() % (listed + 2);
        return vertices ? m_topology.IterateVertices(count) : m_topology.IterateEdges(count);
      }
      default:
        // Back to walking, then indexed afresh on a new grid.
        if (m_grids < m_limits.grids) {
          m_topology.Empty();
          BuildGrid();
        }
    }
  }

  // New pairs, a vertex with itself, or the ends of a listed edge in either
  // order.
  void AddEdge() {
    CVertex* first = Pick(m_topology.Vertices());
    CVertex* second = Pick(m_topology.Vertices());
    const CEdge* edge = Pick(m_topology.Edges());
    const int mode = m_input.UpTo(3);
    if (mode == 0) second = first;
    if (edge != nullptr && (mode == 1 || mode == 2)) {
      first = edge->m_pVertex1;
      second = edge->m_pVertex2;
      if (mode == 2) std::swap(first, second);
    }
    CFPPolygon* polygon = Polygon();
    if (first != nullptr) m_topology.AddEdge(first, second, polygon);
  }

  template <class Element>
  Element* Pick(const std::vector<Element*>& elements) {
    const std::uint16_t choice = m_input.Raw<std::uint16_t>();
    return elements.empty() ? nullptr : elements[choice % elements.size()];
  }

  // One of the last vertices listed: those that no side of the grid uses.
  CVertex* RecentVertex() {
    const std::vector<CVertex*>& vertices = m_topology.Vertices();
    const std::size_t back = m_input.Byte() % kRecentVertices;
    return back < vertices.size() ? vertices[vertices.size() - 1 - back] : nullptr;
  }

  CFPPolygon* Polygon() { return m_polygons[m_input.Raw<std::uint16_t>() % m_polygons.size()].get(); }

  CFPPoint At(double i, double j) const { return CFPPoint(m_x0 + i * m_step, m_y0 + j * m_step); }

  // x itself, at the tolerance from x, one ulp beyond or inside that, one
  // ulp from x (the other zero for a zero), or a fraction of the tolerance
  // away.
  double Near(double x) {
    const bool up = m_input.UpTo(1) == 0;
    const double away = up ? kInfinity : -kInfinity;
    const double atTolerance = up ? x + kPointEpsilon : x - kPointEpsilon;
    switch (m_input.UpTo(6)) {
      case 0: return x;
      case 1: return atTolerance;
      case 2: return std::nextafter(atTolerance, away);
      case 3: return std::nextafter(atTolerance, x);
      case 4: return std::nextafter(x, away);
      case 5: return x == 0 ? -x : std::nextafter(x, -away);
      default: return x + static_cast<std::int8_t>(m_input.Byte()) * (kPointEpsilon / 64);
    }
  }
  CFPPoint Near(const CFPPoint& point) {
    const double x = Near(point.x);
    return CFPPoint(x, Near(point.y));
  }

  // Grid coordinates from two before the first corner to two past the last,
  // now and then halfway between.
  double LatticeIndex(int cells) {
    const double half = m_input.UpTo(3) == 0 ? 0.5 : 0.0;
    return m_input.UpTo(cells + 4) - 2.0 + half;
  }

  CFPPoint Point() {
    switch (m_input.UpTo(7)) {
      case 0: case 1: case 2:
        if (const CVertex* vertex = Pick(m_topology.Vertices())) return Near(vertex->m_point);
        return At(0, 0);
      case 3: {
        const double i = LatticeIndex(m_columns);
        return Near(At(i, LatticeIndex(m_rows)));
      }
      case 4:
        if (const CEdge* edge = Pick(m_topology.Edges())) return Near(BesideEdge(*edge));
        return At(0, 0);
      case 5:
        return m_input.Point();
      case 6: {
        const double x = At(LatticeIndex(m_columns), 0).x;
        return CFPPoint(x, m_input.Coordinate());
      }
      default: {
        const double x = m_input.Coordinate();
        return CFPPoint(x, At(0, LatticeIndex(m_rows)).y);
      }
    }
  }

  // On the edge's line: at an end, the middle, or somewhat past either end.
  CFPPoint BesideEdge(const CEdge& edge) {
    const CFPPoint a = static_cast<const CVertex*>(edge.m_pVertex1)->m_point;
    const CFPPoint b = static_cast<const CVertex*>(edge.m_pVertex2)->m_point;
    const double t = m_input.Byte() / 128.0 - 0.5;
    return CFPPoint(a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t);
  }

  // Degenerate, grid-sized, or exactly the distance of a listed element,
  // where only the strict comparison decides.
  double Distance(double measured) {
    const double kFixed[] = {0, DBL_TRUE_MIN, kPointEpsilon, m_step, 1e300, kInfinity,
                             std::numeric_limits<double>::quiet_NaN(), -1};
    switch (m_input.UpTo(4)) {
      case 0: return Choose(kFixed, m_input.Byte());
      case 1: return m_step * (m_input.Byte() / 32.0);
      case 2: return measured;
      case 3: return std::nextafter(measured, kInfinity);
      default: return std::nextafter(measured, 0.0);
    }
  }

  fuzz::ByteReader m_input;
  Limits m_limits;
  int m_grids = 0;
  double m_x0 = 0, m_y0 = 0, m_step = 1;
  int m_columns = 0, m_rows = 0;
  // Declared before the topology, so that they outlive its links.
  std::vector<std::unique_ptr<CFPPolygon>> m_polygons;
  test::CheckedTopology m_topology;
};

}  // namespace fpgeom::workload
