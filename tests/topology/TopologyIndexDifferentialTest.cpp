// The look-ups of CVertexList and CEdgeList checked against the walks that
// define them. Long mixes of edits and queries are applied to real lists
// while the test keeps its own record of each list's order and cursor; every
// look-up is answered again by walking that record from the head, and the
// list must give the same element and leave its cursor on the same entry.
// Positions sit where a spatial index can go wrong: exactly 2^-23 from a
// listed position and one ulp either side of that, lattices finer and
// coarser than 2^-23, huge, tiny and denormal coordinates, negative zero,
// now and then NaN and infinities.
//
// FPGEOM_INDEX_OPERATIONS sets the number of random operations, spread over
// the seeds; without it the run is brief.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <memory>
#include <random>
#include <string>
#include <unordered_set>
#include <utility>
#include <vector>

#include "TopologySupport.h"
#include "fpgeom/fpgeom.h"

using namespace topology_test;

namespace {

constexpr double kEpsilon = fpgeom::kPointEpsilon;
constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// A move either takes the new point as given or keeps the old one, so the
// comparison is of bits: -0 against 0 and NaN against NaN both count.
bool SamePoint(const CFPPoint& a, const CFPPoint& b) {
  return std::memcmp(&a.x, &b.x, sizeof a.x) == 0 && std::memcmp(&a.y, &b.y, sizeof a.y) == 0;
}

std::string Format(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.17g", value);
  return text;
}

std::string Format(const CFPPoint& point) { return "(" + Format(point.x) + ", " + Format(point.y) + ")"; }

CVertex* CurrentOf(const CVertexList& list) { return list.isIterationFinished() ? nullptr : list.GetCurrentVertex(); }
CEdge* CurrentOf(const CEdgeList& list) { return list.isIterationFinished() ? nullptr : list.GetCurrentEdge(); }
CVertex* NextOf(const CVertexList& list) { return list.GetNextVertex(); }
CEdge* NextOf(const CEdgeList& list) { return list.GetNextEdge(); }

std::string Where(const CVertex& vertex) { return "at " + Format(vertex.m_point); }
std::string Where(const CEdge& edge) {
  const CVertex* first = edge.m_pVertex1;
  const CVertex* second = edge.m_pVertex2;
  return "from " + Format(first->m_point) + " to " + Format(second->m_point);
}

// One list as the walk sees it: its entries in order and the entry that its
// cursor designates, null at the end.
template <class Element>
struct WalkModel {
  std::vector<Element*> order;
  Element* cursor = nullptr;

  bool Lists(const Element* element) const { return std::find(order.begin(), order.end(), element) != order.end(); }

  // From the head, the cursor moved past each entry before it is examined.
  template <class Matches>
  Element* FindFirst(Matches matches) {
    for (std::size_t i = 0; i < order.size(); ++i) {
      if (matches(order[i])) {
        cursor = i + 1 < order.size() ? order[i + 1] : nullptr;
        return order[i];
      }
    }
    cursor = nullptr;
    return nullptr;
  }

  // Strictly nearer than the best so far, which starts at the maximum: ties
  // go to the earlier entry and a NaN distance never wins.
  Element* Nearest(const CFPPoint& pt, double maxDistance) {
    double best = maxDistance;
    Element* nearest = nullptr;
    for (Element* element : order) {
      const double d = element->distance(pt);
      if (d < best) {
        best = d;
        nearest = element;
      }
    }
    cursor = nullptr;
    return nearest;
  }

  void Remove(Element* element) {
    order.erase(std::find(order.begin(), order.end(), element));
    if (cursor == element) cursor = nullptr;
  }

  void Clear() {
    order.clear();
    cursor = nullptr;
  }

  std::string Describe(const Element* element) const {
    if (element == nullptr) return "none";
    const auto at = std::find(order.begin(), order.end(), element);
    if (at == order.end()) return "an unlisted entry " + Where(*element);
    return "entry #" + std::to_string(at - order.begin()) + " " + Where(*element);
  }
};

// How often each interesting answer came, so that a generator that drifts
// into trivial cases shows.
enum Outcome {
  kVertexFound, kVertexMade, kEdgeFound, kEdgeMade, kVertexNearest, kEdgeNearest, kMoved, kMoveRefused, kDeleted,
  kOutcomeCount
};
const char* const kOutcomeNames[kOutcomeCount] = {
    "vertices found", "vertices made", "edges found", "edges made", "nearest vertices found",
    "nearest edges found", "moves made", "moves refused", "vertices deleted"};
using Outcomes = std::array<std::size_t, kOutcomeCount>;

// The lists under test beside the walk's record of them. Every operation is
// applied to both and their answers compared; the first disagreement is
// reported with the operation that caused it and ends the run.
class CheckedTopology {
 public:
  explicit CheckedTopology(std::string run) : m_run(std::move(run)) {}
  CheckedTopology(const CheckedTopology&) = delete;
  CheckedTopology& operator=(const CheckedTopology&) = delete;
  ~CheckedTopology() {
    m_edges.Empty();
    m_vertices.Empty();
  }

  bool Agrees() const { return !m_failed; }
  const Outcomes& Seen() const { return m_seen; }
  const std::vector<CVertex*>& Vertices() const { return m_vertexWalk.order; }
  const std::vector<CEdge*>& Edges() const { return m_edgeWalk.order; }

  CVertex* AddVertex(const CFPPoint& pt, CFPPolygon* polygon) {
    Begin("AddVertex" + Format(pt));
    const auto isAtPoint = [&pt](const CVertex* vertex) {
      return std::fabs(vertex->m_point.x - pt.x) <= kEpsilon && std::fabs(vertex->m_point.y - pt.y) <= kEpsilon;
    };
    CVertex* found = m_vertexWalk.FindFirst(isAtPoint);
    CVertex* given = m_vertices.AddVertex(pt, polygon);
    const bool made = found == nullptr && !m_vertexWalk.Lists(given) && SamePoint(given->m_point, pt);
    if (given != found && !made) {
      Fail("vertex found", found ? m_vertexWalk.Describe(found) : "a new vertex", m_vertexWalk.Describe(given));
      return given;
    }
    if (made) m_vertexWalk.order.push_back(given);
    ++m_seen[made ? kVertexMade : kVertexFound];
    CheckCursors();
    return given;
  }

  void AppendVertex(std::unique_ptr<CVertex> vertex) {
    Begin("AddVertex(new vertex " + Where(*vertex) + ")");
    m_vertices.AddVertex(vertex.get());
    m_vertexWalk.order.push_back(vertex.release());
    CheckCursors();
  }

  // The host deletes a vertex only once nothing points at it: an edge that
  // still ended there would measure through a dangling end.
  bool CanDelete(const CVertex* vertex) const {
    const auto endsAt = [vertex](const CEdge* edge) {
      const CVertex* first = edge->m_pVertex1;
      const CVertex* second = edge->m_pVertex2;
      return first == vertex || second == vertex;
    };
    return m_withNeighbours.count(vertex) == 0 && std::none_of(Edges().begin(), Edges().end(), endsAt);
  }

  void DeleteVertex(CVertex* vertex) {
    Begin("DeleteVertex of " + m_vertexWalk.Describe(vertex));
    m_vertices.DeleteVertex(vertex);
    m_vertexWalk.Remove(vertex);
    ++m_seen[kDeleted];
    CheckCursors();
  }

  // Neighbour links are not mirrored, so vertices that have any are kept.
  void KeepWithNeighbours(std::initializer_list<const CVertex*> vertices) { m_withNeighbours.insert(vertices); }

  // The move itself is the library's: only its report is checked, against
  // the position that the vertex then has.
  void Move(CVertex* vertex, const CFPPoint& to) {
    Begin("change of " + m_vertexWalk.Describe(vertex) + " to " + Format(to));
    const CFPPoint from = vertex->m_point;
    const int moved = vertex->change(to);
    const CFPPoint now = vertex->m_point;
    if (!(moved == 1 && SamePoint(now, to)) && !(moved == 0 && SamePoint(now, from))) {
      Fail("position after change", "the old or the new position", std::to_string(moved) + " and " + Format(now));
      return;
    }
    ++m_seen[moved ? kMoved : kMoveRefused];
    CheckCursors();
  }

  CVertex* NearestVertex(const CFPPoint& pt, double maxDistance) {
    Begin("CVertexList::GetNearest" + Format(pt) + " within " + Format(maxDistance));
    return CheckNearest(m_vertices, m_vertexWalk, pt, maxDistance, m_seen[kVertexNearest]);
  }

  CEdge* NearestEdge(const CFPPoint& pt, double maxDistance) {
    Begin("CEdgeList::GetNearest" + Format(pt) + " within " + Format(maxDistance));
    return CheckNearest(m_edges, m_edgeWalk, pt, maxDistance, m_seen[kEdgeNearest]);
  }

  void AddEdge(CVertex* first, CVertex* second, CFPPolygon* polygon) {
    Begin("AddEdge(" + m_vertexWalk.Describe(first) + ", " + m_vertexWalk.Describe(second) + ")");
    const auto joins = [first, second](const CEdge* edge) {
      const CVertex* end1 = edge->m_pVertex1;
      const CVertex* end2 = edge->m_pVertex2;
      return (end1 == first && end2 == second) || (end1 == second && end2 == first);
    };
    const CEdge* found = m_edgeWalk.FindFirst(joins);
    m_edges.AddEdge(first, second, polygon);
    ++m_seen[found ? kEdgeFound : kEdgeMade];
    // A walk that ends at the end leaves the same cursor whether it matched
    // the last edge or made a new one: then the list itself tells.
    if (!CheckCursors() || m_edgeWalk.cursor != nullptr) return;
    const std::vector<CEdge*> listed = EdgesOf(m_edges);
    if (found == nullptr) {
      CEdge* made = listed.size() > Edges().size() ? listed.back() : nullptr;
      const CVertex* end1 = made ? made->m_pVertex1 : nullptr;
      const CVertex* end2 = made ? made->m_pVertex2 : nullptr;
      if (made == nullptr || m_edgeWalk.Lists(made) || end1 != first || end2 != second) {
        Fail("edge made", "a new edge from the first vertex to the second", m_edgeWalk.Describe(made));
        return;
      }
      m_edgeWalk.order.push_back(made);
    }
    CompareOrder("edge list", m_edgeWalk, listed);
  }

  void SetEnd(CEdge* edge, bool first, CVertex* vertex) {
    Begin("end " + std::string(first ? "1" : "2") + " of " + m_edgeWalk.Describe(edge) + " := " +
          m_vertexWalk.Describe(vertex));
    if (first) {
      edge->m_pVertex1 = vertex;
    } else {
      edge->m_pVertex2 = vertex;
    }
    CheckCursors();
  }

  void IterateVertices(std::size_t count) {
    Begin("iteration over " + std::to_string(count) + " vertices");
    Iterate("vertex list", m_vertices, m_vertexWalk, count);
  }

  void IterateEdges(std::size_t count) {
    Begin("iteration over " + std::to_string(count) + " edges");
    Iterate("edge list", m_edges, m_edgeWalk, count);
  }

  void CheckOrder() {
    Begin("comparison of the lists' order");
    CompareOrder("vertex list", m_vertexWalk, VerticesOf(m_vertices));
    CompareOrder("edge list", m_edgeWalk, EdgesOf(m_edges));
  }

  void Empty() {
    Begin("Empty");
    m_edges.Empty();
    m_vertices.Empty();
    m_vertexWalk.Clear();
    m_edgeWalk.Clear();
    m_withNeighbours.clear();
    CheckCursors();
  }

 private:
  void Begin(std::string operation) {
    ++m_step;
    m_operation = std::move(operation);
  }

  void Fail(const std::string& what, const std::string& byWalk, const std::string& byList) {
    m_failed = true;
    ADD_FAILURE() << m_run << ", step " << m_step << ", " << m_operation << ": " << what << ": the walk gives "
                  << byWalk << ", the list gives " << byList;
  }

  bool CheckCursors() {
    if (CurrentOf(m_vertices) != m_vertexWalk.cursor) {
      Fail("vertex list cursor", m_vertexWalk.Describe(m_vertexWalk.cursor), m_vertexWalk.Describe(CurrentOf(m_vertices)));
    } else if (CurrentOf(m_edges) != m_edgeWalk.cursor) {
      Fail("edge list cursor", m_edgeWalk.Describe(m_edgeWalk.cursor), m_edgeWalk.Describe(CurrentOf(m_edges)));
    }
    return Agrees();
  }

  template <class List, class Element>
  Element* CheckNearest(const List& list, WalkModel<Element>& walk, const CFPPoint& pt, double maxDistance,
                        std::size_t& found) {
    Element* nearest = walk.Nearest(pt, maxDistance);
    Element* given = list.GetNearest(pt, maxDistance);
    if (given != nearest) {
      Fail("nearest", walk.Describe(nearest), walk.Describe(given));
    } else {
      found += nearest != nullptr;
      CheckCursors();
    }
    return given;
  }

  template <class List, class Element>
  void Iterate(const char* name, const List& list, WalkModel<Element>& walk, std::size_t count) {
    list.BeginIteration();
    for (std::size_t i = 0; i < count && i < walk.order.size(); ++i) {
      Element* next = list.isIterationFinished() ? nullptr : NextOf(list);
      if (next != walk.order[i]) return Fail(std::string(name) + " entry " + std::to_string(i), walk.Describe(walk.order[i]), walk.Describe(next));
    }
    walk.cursor = count < walk.order.size() ? walk.order[count] : nullptr;
    CheckCursors();
  }

  template <class Element>
  void CompareOrder(const char* name, WalkModel<Element>& walk, const std::vector<Element*>& listed) {
    const auto differ = std::mismatch(walk.order.begin(), walk.order.end(), listed.begin(), listed.end());
    if (differ.first != walk.order.end() || differ.second != listed.end()) {
      const std::size_t at = differ.first - walk.order.begin();
      Fail(std::string(name) + " order at entry " + std::to_string(at) + " of " + std::to_string(walk.order.size()),
           walk.Describe(differ.first == walk.order.end() ? nullptr : *differ.first),
           walk.Describe(differ.second == listed.end() ? nullptr : *differ.second) + " of " +
               std::to_string(listed.size()));
    }
    walk.cursor = nullptr;
  }

  std::string m_run;
  std::string m_operation;
  std::size_t m_step = 0;
  bool m_failed = false;
  Outcomes m_seen{};
  CVertexList m_vertices;
  CEdgeList m_edges;
  WalkModel<CVertex> m_vertexWalk;
  WalkModel<CEdge> m_edgeWalk;
  std::unordered_set<const CVertex*> m_withNeighbours;
};

}  // namespace

namespace {

// The lattice of one epoch: the polygons' corners lie at origin + i * step.
struct Lattice {
  double x0, y0, step;
};

const Lattice kLattices[] = {
    {0, 0, 1},
    {0, 0, kEpsilon},            // neighbouring corners exactly at the tolerance
    {0, 0, kEpsilon / 2},        // finer than the tolerance: corners merge
    {-0.0, 0, 1.5 * kEpsilon},
    {0, 0, 1e-7},
    {1e9, -1e9, kEpsilon},       // 2^-23 is one ulp at 1e9
    {1e9, 1e9, 0.25},
    {4.6e18, -4.6e18, 1024},     // near 2^62, where numbering cells overflows
    {-4.6e18, 1e3, 1e17},
    {1e300, -1e300, 1e299},
    {0.5 * DBL_MAX, -0.5 * DBL_MAX, 0.125 * DBL_MAX},  // far corners overflow to infinity
    {0, 0, 4 * DBL_TRUE_MIN},    // denormal
    {DBL_MIN, -DBL_MIN, 1e-310},
};

const double kSpecialCoordinates[] = {
    0.0,   -0.0,    DBL_TRUE_MIN, -DBL_TRUE_MIN, DBL_MIN, kEpsilon,  -kEpsilon,  1e9,       -1e9, 4.6e18,
    0x1p62, 0x1p63, -0x1p63,      1e300,         -1e300,  DBL_MAX,   -DBL_MAX,   kInfinity, -kInfinity, kNaN,
};

// A random mix of every operation that the indexes must follow, in epochs
// that each start from empty lists and a new pool of polygons, so that list
// sizes vary from none to a few thousand.
class RandomWorkload {
 public:
  explicit RandomWorkload(std::uint64_t seed) : m_random(seed), m_topology("seed " + std::to_string(seed)) {}

  const CheckedTopology& Topology() const { return m_topology; }

  void Run(std::size_t operations) {
    using Operation = void (RandomWorkload::*)();
    static constexpr struct {
      unsigned weight;
      Operation run;
    } kMix[] = {
        {30, &RandomWorkload::AddVertex},  {4, &RandomWorkload::AppendVertex}, {6, &RandomWorkload::DeleteVertex},
        {8, &RandomWorkload::MoveVertex},  {14, &RandomWorkload::NearestVertex}, {14, &RandomWorkload::AddEdge},
        {4, &RandomWorkload::SetEnd},      {12, &RandomWorkload::NearestEdge},  {2, &RandomWorkload::SplitEdge},
        {6, &RandomWorkload::Iterate},
    };
    constexpr std::size_t kOrderCheckInterval = 2048;
    NewEpoch();
    std::size_t epochEnd = EpochLength();
    for (std::size_t done = 0; done < operations && m_topology.Agrees(); ++done) {
      if (done == epochEnd) {
        m_topology.CheckOrder();
        m_topology.Empty();
        NewEpoch();
        epochEnd = done + EpochLength();
      } else if (done % kOrderCheckInterval == 0) {
        m_topology.CheckOrder();
      }
      std::size_t roll = Below(100);
      const auto* pick = std::begin(kMix);
      while (roll >= pick->weight) roll -= (pick++)->weight;
      (this->*pick->run)();
    }
    if (m_topology.Agrees()) m_topology.CheckOrder();
  }

 private:
  std::size_t Below(std::size_t n) { return n == 0 ? 0 : m_random() % n; }
  bool OneIn(std::size_t n) { return Below(n) == 0; }
  double Uniform(double low, double high) { return low + (high - low) * (m_random() >> 11) * 0x1p-53; }

  // From a handful of operations up to several thousand.
  std::size_t EpochLength() {
    const std::size_t scale = std::size_t{4} << Below(11);
    return scale + Below(scale);
  }

  // A pool of square and triangular cells on a new lattice, sharing corners
  // as the polygons of a map do.
  void NewEpoch() {
    m_lattice = kLattices[Below(std::size(kLattices))];
    m_cells = std::size_t{1} << Below(6);
    m_polygons.clear();
    for (std::size_t i = 0; i < m_cells; ++i) {
      for (std::size_t j = 0; j < m_cells; ++j) {
        auto polygon = std::make_unique<CFPPolygon>();
        polygon->AddTailNode(LatticeX(i), LatticeY(j));
        polygon->AddTailNode(LatticeX(i), LatticeY(j + 1));
        if (!OneIn(3)) polygon->AddTailNode(LatticeX(i + 1), LatticeY(j + 1));
        polygon->AddTailNode(LatticeX(i + 1), LatticeY(j));
        m_polygons.push_back(std::move(polygon));
      }
    }
  }

  double LatticeX(double i) const { return m_lattice.x0 + i * m_lattice.step; }
  double LatticeY(double j) const { return m_lattice.y0 + j * m_lattice.step; }

  // At, just inside or just outside the tolerance from x, within twice it,
  // or the other zero.
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

  CFPPoint LatticePoint() {
    const double half = OneIn(4) ? 0.5 : 0.0;
    return CFPPoint(LatticeX(Below(m_cells + 5) - 2.0 + half), LatticeY(Below(m_cells + 5) - 2.0 + half));
  }

  CFPPolygon* AnyPolygon() { return m_polygons[Below(m_polygons.size())].get(); }
  CVertex* AnyVertex() { return Pick(m_topology.Vertices()); }
  CEdge* AnyEdge() { return Pick(m_topology.Edges()); }
  template <class Element>
  Element* Pick(const std::vector<Element*>& elements) {
    return elements.empty() ? nullptr : elements[Below(elements.size())];
  }

  // A corner as the polygon has it now, after whatever moves it has seen.
  CFPPoint CornerOf(const CFPPolygon& polygon) {
    const Ring ring = PointsOf(polygon);
    if (ring.empty()) return LatticePoint();
    const auto& [x, y] = ring[Below(ring.size())];
    return CFPPoint(x, y);
  }

  CFPPoint AnyPoint() {
    const CVertex* vertex = AnyVertex();
    switch (Below(10)) {
      case 0: case 1: case 2: case 3: return CornerOf(*AnyPolygon());
      case 4: return Near(CornerOf(*AnyPolygon()));
      case 5: case 6: return vertex ? Near(vertex->m_point) : LatticePoint();
      case 7: return LatticePoint();
      case 8: {
        const CFPPoint base = LatticePoint();
        const double special = kSpecialCoordinates[Below(std::size(kSpecialCoordinates))];
        return OneIn(2) ? CFPPoint(special, base.y) : CFPPoint(base.x, special);
      }
      default: return CFPPoint(LatticeX(Uniform(-2, m_cells + 2)), LatticeY(Uniform(-2, m_cells + 2)));
    }
  }

  // Limits that are degenerate, lattice-sized, or exactly the distance of a
  // listed element, where only the strict comparison decides.
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

  // A point on or beside the edge's line, at either end, its middle, or
  // somewhat past an end.
  CFPPoint BesideEdge(const CEdge& edge) {
    const CFPPoint a = static_cast<const CVertex*>(edge.m_pVertex1)->m_point;
    const CFPPoint b = static_cast<const CVertex*>(edge.m_pVertex2)->m_point;
    const double kAlong[] = {0, 0.5, 1, Uniform(-0.2, 1.2)};
    const double t = kAlong[Below(std::size(kAlong))];
    const CFPPoint onLine(a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t);
    return OneIn(2) ? Near(onLine)
                    : CFPPoint(onLine.x + Uniform(-1, 1) * m_lattice.step, onLine.y + Uniform(-1, 1) * m_lattice.step);
  }

  void AddVertex() {
    CFPPolygon* polygon = AnyPolygon();
    const CFPPoint pt = OneIn(3) ? AnyPoint() : OneIn(3) ? Near(CornerOf(*polygon)) : CornerOf(*polygon);
    m_topology.AddVertex(pt, polygon);
  }

  // Without a test, so that several vertices can share one position.
  void AppendVertex() {
    const CVertex* twin = AnyVertex();
    m_topology.AppendVertex(std::make_unique<CVertex>(twin && OneIn(2) ? twin->m_point : AnyPoint()));
  }

  void DeleteVertex() {
    for (int attempt = 0; attempt < 4; ++attempt) {
      CVertex* vertex = AnyVertex();
      if (vertex && m_topology.CanDelete(vertex)) return m_topology.DeleteVertex(vertex);
    }
  }

  void MoveVertex() {
    CVertex* vertex = AnyVertex();
    if (vertex == nullptr) return AddVertex();
    const CFPPoint from = vertex->m_point;
    const CVertex* other = AnyVertex();
    switch (Below(4)) {
      case 0: return m_topology.Move(vertex, Near(from));
      case 1: return m_topology.Move(vertex, CFPPoint(from.x + Uniform(-0.6, 0.6) * m_lattice.step,
                                                      from.y + Uniform(-0.6, 0.6) * m_lattice.step));
      case 2: return m_topology.Move(vertex, other->m_point);
      default: return m_topology.Move(vertex, AnyPoint());
    }
  }

  void NearestVertex() {
    const CFPPoint pt = AnyPoint();
    const CVertex* vertex = AnyVertex();
    m_topology.NearestVertex(pt, AnyDistance(vertex ? vertex->distance(pt) : m_lattice.step));
  }

  // Mostly new pairs, else the ends of a listed edge in either order, now
  // and then a vertex with itself.
  void AddEdge() {
    CVertex* first = AnyVertex();
    if (first == nullptr) return AddVertex();
    CVertex* second = OneIn(8) ? first : AnyVertex();
    if (const CEdge* listed = AnyEdge(); listed && OneIn(3)) {
      first = listed->m_pVertex1;
      second = listed->m_pVertex2;
      if (OneIn(2)) std::swap(first, second);
    }
    m_topology.AddEdge(first, second, AnyPolygon());
  }

  void SetEnd() {
    CEdge* edge = AnyEdge();
    if (edge == nullptr) return AddEdge();
    m_topology.SetEnd(edge, OneIn(2), AnyVertex());
  }

  void NearestEdge() {
    const CEdge* edge = AnyEdge();
    const CFPPoint pt = edge && OneIn(2) ? BesideEdge(*edge) : AnyPoint();
    m_topology.NearestEdge(pt, AnyDistance(edge ? edge->distance(pt) : m_lattice.step));
  }

  // As a host splits a side: the new vertex joins the list as it is.
  void SplitEdge() {
    const CEdge* edge = AnyEdge();
    if (edge == nullptr) return AddEdge();
    std::unique_ptr<CVertex> made(edge->CreateVertex(BesideEdge(*edge)));
    if (made == nullptr) return;
    m_topology.KeepWithNeighbours({made.get(), edge->m_pVertex1, edge->m_pVertex2});
    m_topology.AppendVertex(std::move(made));
  }

  void Iterate() {
    if (OneIn(2)) {
      m_topology.IterateVertices(Below(m_topology.Vertices().size() + 2));
    } else {
      m_topology.IterateEdges(Below(m_topology.Edges().size() + 2));
    }
  }

  std::mt19937_64 m_random;
  Lattice m_lattice{};
  std::size_t m_cells = 1;
  // Declared before the topology, so that they outlive its links.
  std::vector<std::unique_ptr<CFPPolygon>> m_polygons;
  CheckedTopology m_topology;
};

std::size_t OperationsToRun() {
  const char* setting = std::getenv("FPGEOM_INDEX_OPERATIONS");
  return setting ? std::strtoull(setting, nullptr, 10) : 20000;
}

}  // namespace

TEST(TopologyIndex, RandomEditsAndLookUpsAgreeWithTheWalkInAnswerOrderAndCursor) {
  const std::uint64_t kSeeds[] = {1, 2, 3, 4};
  const std::size_t operations = OperationsToRun();
  Outcomes seen{};
  for (const std::uint64_t seed : kSeeds) {
    RandomWorkload workload(seed);
    workload.Run(operations / std::size(kSeeds));
    if (!workload.Topology().Agrees()) return;
    for (int outcome = 0; outcome < kOutcomeCount; ++outcome) seen[outcome] += workload.Topology().Seen()[outcome];
  }
  // Agreeing proves little unless the mix reached every kind of answer.
  for (int outcome = 0; outcome < kOutcomeCount && operations >= 1000; ++outcome) {
    EXPECT_GT(seen[outcome], 0u) << kOutcomeNames[outcome];
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
  CheckedTopology topology("grid map");
  for (std::size_t i = 0; i < kCells; ++i) {
    for (std::size_t j = 0; j < kCells; ++j) {
      CFPPolygon* cell = cells.emplace_back(std::make_unique<CFPPolygon>()).get();
      const CFPPoint ring[] = {CFPPoint(kSide * i, kSide * j), CFPPoint(kSide * i, kSide * (j + 1)),
                               CFPPoint(kSide * (i + 1), kSide * (j + 1)), CFPPoint(kSide * (i + 1), kSide * j)};
      CVertex* corners[4];
      for (int k = 0; k < 4; ++k) {
        cell->AddTailNode(ring[k]);
        corners[k] = topology.AddVertex(ring[k], cell);
      }
      for (int k = 0; k < 4; ++k) {
        topology.AddEdge(corners[k], corners[(k + 1) % 4], cell);
        corners[k]->AddNeighbor(corners[(k + 1) % 4]);
        corners[(k + 1) % 4]->AddNeighbor(corners[k]);
      }
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
  EXPECT_GT(topology.Seen()[kMoved], 0u);
  EXPECT_GT(topology.Seen()[kMoveRefused], 0u);
}
