// Builds a grid map large enough that the vertex and edge lists answer from
// their spatial indexes, then applies edits and look-ups decoded from the
// input both to the lists and to a record of their order: every look-up's
// answer and both cursors must be those of the walk over the record
// (support/CheckedTopology.h). Positions are decoded near listed ones, at
// exactly 2^-23 and one ulp either side, so that the indexes' cell
// boundaries and search rings meet the tolerance edge on.
#include <cfloat>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "ByteReader.h"
#include "Invariant.h"
#include "fpgeom/fpgeom.h"
#include "support/CheckedTopology.h"

namespace fpgeom::fuzz {
namespace {

using fpgeom::test::CheckedTopology;
using fpgeom::test::Narration;
using fpgeom::test::Report;

constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// Bounds that keep one input to milliseconds: the lists hold a few hundred
// entries at most, and every step is checked by walking them.
constexpr int kMaxOperations = 64;
constexpr int kMaxGrids = 2;
// 7 x 7 to 12 x 12 cells. The lists index themselves from 128 entries on:
// the edge list of all but the smallest grids at once, the vertex list of
// the larger ones, of those whose cells keep their own corners, or after
// vertices are added.
constexpr int kFewestCellsPerSide = 7;
constexpr int kMostExtraCellsPerSide = 5;
constexpr int kRecentVertices = 32;

// Where the grid lies and how far apart its corners are: ordinary, at and
// below the tolerance, where 2^-23 is one ulp, near the overflow of cell
// numbers and of coordinates, denormal.
const double kOrigins[] = {0, -0.0, 1e9, -1e9, 4.6e18, -4.6e18, 1e300, DBL_MIN, 0.5 * DBL_MAX, -1024.5};
const double kSteps[] = {1,    kPointEpsilon, kPointEpsilon / 2, 1.5 * kPointEpsilon, 2 * kPointEpsilon,
                         1e-7, 0.25,          10,                1024,                1e17,
                         1e299, 0.125 * DBL_MAX, 4 * DBL_TRUE_MIN, 1e-310};

template <class Element, std::size_t n>
const Element& Choose(const Element (&table)[n], std::uint8_t choice) {
  return table[choice % n];
}

class Session {
 public:
  Session(const std::uint8_t* data, std::size_t size, Report report, Narration narration)
      : m_input(data, size), m_topology("fuzz input", std::move(report), narration) {}

  // Whether the lists agreed with the walks throughout.
  bool Run() {
    BuildGrid();
    for (int done = 0; done < kMaxOperations && !m_input.IsExhausted() && m_topology.Agrees(); ++done) Step();
    m_topology.CheckOrder();
    return m_topology.Agrees();
  }

 private:
  // Cells of three or four corners, each added as a host builds a map:
  // through LinkPolygons, so that cells share corners and sides, or, for the
  // cells that keep apart, with corners appended as new vertices (a lattice
  // finer than the tolerance would otherwise merge into too few vertices to
  // be indexed) and sides through AddEdge.
  void BuildGrid() {
    ++m_grids;
    m_x0 = Choose(kOrigins, m_input.Byte());
    m_y0 = Choose(kOrigins, m_input.Byte());
    m_step = Choose(kSteps, m_input.Byte());
    m_columns = kFewestCellsPerSide + m_input.UpTo(kMostExtraCellsPerSide);
    m_rows = kFewestCellsPerSide + m_input.UpTo(kMostExtraCellsPerSide);
    const std::uint8_t triangles = m_input.Byte();
    const std::uint8_t apart = m_input.Byte();
    for (int i = 0; i < m_columns; ++i) {
      for (int j = 0; j < m_rows; ++j) {
        std::vector<CFPPoint> ring{LatticePoint(i, j), LatticePoint(i, j + 1), LatticePoint(i + 1, j + 1)};
        if (!IsSet(triangles, i + j)) ring.push_back(LatticePoint(i + 1, j));
        AddCell(ring, IsSet(apart, i + 3 * j));
      }
    }
  }

  static bool IsSet(std::uint8_t bits, int cell) { return (bits >> (cell % 8) & 1) != 0; }

  void AddCell(const std::vector<CFPPoint>& ring, bool apart) {
    CFPPolygon* cell = m_polygons.emplace_back(std::make_unique<CFPPolygon>()).get();
    for (const CFPPoint& corner : ring) cell->AddTailNode(corner);
    if (!apart) return m_topology.Link(cell);
    std::vector<CVertex*> corners;
    for (const CFPPoint& corner : ring) {
      auto vertex = std::make_unique<CVertex>(corner);
      vertex->AddLink(cell);
      corners.push_back(vertex.get());
      m_topology.AppendVertex(std::move(vertex));
    }
    for (std::size_t k = 0; k < corners.size(); ++k) {
      m_topology.AddEdge(corners[k], corners[(k + 1) % corners.size()], cell);
    }
  }

  void Step() {
    switch (m_input.UpTo(12)) {
      case 0:
      case 1: {
        const CFPPoint pt = Point();
        m_topology.AddVertex(pt, Polygon());
        break;
      }
      case 2:
        m_topology.AppendVertex(std::make_unique<CVertex>(Point()));
        break;
      case 3:
        if (CVertex* vertex = RecentVertex(); vertex != nullptr && m_topology.CanDelete(vertex)) {
          m_topology.DeleteVertex(vertex);
        }
        break;
      case 4:
        Move();
        break;
      case 5:
        AddEdge();
        break;
      case 6:
        SetEnd();
        break;
      case 7:
      case 8:
        NearestVertex();
        break;
      case 9:
      case 10:
        NearestEdge();
        break;
      case 11:
        Iterate();
        break;
      default:
        // Back to walking, then indexed afresh on a new grid.
        if (m_grids < kMaxGrids) {
          m_topology.Empty();
          BuildGrid();
        }
    }
  }

  void Move() {
    CVertex* vertex = Pick(m_topology.Vertices());
    if (vertex == nullptr) return;
    const CFPPoint target = m_input.UpTo(1) == 0 ? Near(vertex->m_point) : Point();
    m_topology.Move(vertex, target);
  }

  // New pairs, a vertex with itself, or the ends of a listed edge in
  // either order.
  void AddEdge() {
    CVertex* first = Pick(m_topology.Vertices());
    CVertex* second = Pick(m_topology.Vertices());
    const CEdge* edge = Pick(m_topology.Edges());
    switch (m_input.UpTo(3)) {
      case 0:
        second = first;
        break;
      case 1:
        if (edge != nullptr) {
          first = edge->m_pVertex1;
          second = edge->m_pVertex2;
        }
        break;
      case 2:
        if (edge != nullptr) {
          first = edge->m_pVertex2;
          second = edge->m_pVertex1;
        }
        break;
      default:
        break;
    }
    CFPPolygon* polygon = Polygon();
    if (first != nullptr) m_topology.AddEdge(first, second, polygon);
  }

  void SetEnd() {
    CEdge* edge = Pick(m_topology.Edges());
    const bool firstEnd = m_input.UpTo(1) == 0;
    CVertex* vertex = Pick(m_topology.Vertices());
    if (edge != nullptr && vertex != nullptr) m_topology.SetEnd(edge, firstEnd, vertex);
  }

  void NearestVertex() {
    const CFPPoint pt = Point();
    const CVertex* measured = Pick(m_topology.Vertices());
    m_topology.NearestVertex(pt, Distance(measured != nullptr ? measured->distance(pt) : m_step));
  }

  void NearestEdge() {
    const CFPPoint pt = Point();
    const CEdge* measured = Pick(m_topology.Edges());
    m_topology.NearestEdge(pt, Distance(measured != nullptr ? measured->distance(pt) : m_step));
  }

  // The first entries of one list, which leaves its cursor on the next.
  void Iterate() {
    const bool vertices = m_input.UpTo(1) == 0;
    const std::size_t count = m_input.Raw<std::uint16_t>() % (CountOf(vertices) + 2);
    if (vertices) {
      m_topology.IterateVertices(count);
    } else {
      m_topology.IterateEdges(count);
    }
  }

  std::size_t CountOf(bool vertices) const {
    return vertices ? m_topology.Vertices().size() : m_topology.Edges().size();
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

  CFPPolygon* Polygon() {
    const std::uint16_t choice = m_input.Raw<std::uint16_t>();
    return m_polygons[choice % m_polygons.size()].get();
  }

  double LatticeX(double i) const { return m_x0 + i * m_step; }
  double LatticeY(double j) const { return m_y0 + j * m_step; }
  CFPPoint LatticePoint(double i, double j) const { return CFPPoint(LatticeX(i), LatticeY(j)); }

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
      case 0:
      case 1:
      case 2:
        if (const CVertex* vertex = Pick(m_topology.Vertices())) return Near(vertex->m_point);
        return LatticePoint(0, 0);
      case 3: {
        const double i = LatticeIndex(m_columns);
        return Near(LatticePoint(i, LatticeIndex(m_rows)));
      }
      case 4:
        if (const CEdge* edge = Pick(m_topology.Edges())) return Near(BesideEdge(*edge));
        return LatticePoint(0, 0);
      case 5:
        return m_input.Point();
      case 6: {
        const double x = LatticeX(LatticeIndex(m_columns));
        return CFPPoint(x, m_input.Coordinate());
      }
      default: {
        const double x = m_input.Coordinate();
        return CFPPoint(x, LatticeY(LatticeIndex(m_rows)));
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
    const double kFixed[] = {0, DBL_TRUE_MIN, kPointEpsilon, m_step, 1e300, kInfinity, kNaN, -1};
    switch (m_input.UpTo(4)) {
      case 0: return Choose(kFixed, m_input.Byte());
      case 1: return m_step * (m_input.Byte() / 32.0);
      case 2: return measured;
      case 3: return std::nextafter(measured, kInfinity);
      default: return std::nextafter(measured, 0.0);
    }
  }

  ByteReader m_input;
  int m_grids = 0;
  double m_x0 = 0, m_y0 = 0, m_step = 1;
  int m_columns = 0, m_rows = 0;
  // Declared before the topology, so that they outlive its links.
  std::vector<std::unique_ptr<CFPPolygon>> m_polygons;
  CheckedTopology m_topology;
};

}  // namespace
}  // namespace fpgeom::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace fpgeom::fuzz;
  // Steps are only numbered, which keeps a run fast; a run that disagrees is
  // repeated with every step described, and that report ends the process.
  if (Session(data, size, [](const std::string&) {}, Narration::kNumberSteps).Run()) return 0;
  const auto abort = [](const std::string& failure) { Require(false, failure.c_str()); };
  Session(data, size, abort, Narration::kDescribeEachStep).Run();
  Require(false, "a disagreement that went away when the steps were described");
  return 0;
}
