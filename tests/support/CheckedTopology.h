// CVertexList and CEdgeList beside a record of each list's order and cursor:
// every edit and look-up is applied to both, each look-up answered again by
// walking the record from the head, and the first disagreement (element or
// cursor) goes to the caller's report once. Free of any test framework, so
// that the differential test and the fuzz target share it. Also the lists'
// contents in list order, read through their iteration (which leaves each
// cursor at the end).
#pragma once

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <unordered_set>
#include <utility>
#include <vector>

#include "fpgeom/fpgeom.h"

namespace fpgeom::test {

// How often each kind of answer came, so that a generator that drifts into
// trivial cases shows.
using Outcomes = std::map<std::string, std::size_t>;
using Report = std::function<void(const std::string& failure)>;
// Describing each step costs more than checking it; a failing run can be
// repeated with descriptions.
enum class Narration { kDescribeEachStep, kNumberSteps };

// By bits, so that -0 against 0 and NaN against NaN count too.
inline bool SamePoint(const CFPPoint& a, const CFPPoint& b) {
  return std::memcmp(&a.x, &b.x, sizeof a.x) == 0 && std::memcmp(&a.y, &b.y, sizeof a.y) == 0;
}

inline std::string Format(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.17g", value);
  return text;
}
inline std::string Format(const CFPPoint& point) { return "(" + Format(point.x) + ", " + Format(point.y) + ")"; }

inline std::string Where(const CVertex& vertex) { return "at " + Format(vertex.m_point); }
inline std::string Where(const CEdge& edge) {
  return "from " + Format(edge.m_pVertex1->m_point) + " to " + Format(edge.m_pVertex2->m_point);
}

inline CVertex* NextOf(const CVertexList& list) { return list.GetNextVertex(); }
inline CEdge* NextOf(const CEdgeList& list) { return list.GetNextEdge(); }
// The entry the cursor designates, null at the end.
inline CVertex* CurrentOf(const CVertexList& list) {
  return list.isIterationFinished() ? nullptr : list.GetCurrentVertex();
}
inline CEdge* CurrentOf(const CEdgeList& list) { return list.isIterationFinished() ? nullptr : list.GetCurrentEdge(); }
// The polygons a vertex or an edge lists.
inline CFPPolygon* NextOf(const CPolygonList& list) { return list.GetNextPoly(); }
// Into a vector the caller keeps, so that repeated reads reuse its storage.
template <class List, class Element>
void ReadList(const List& list, std::vector<Element*>& elements) {
  elements.clear();
  for (list.BeginIteration(); !list.isIterationFinished();) elements.push_back(NextOf(list));
}
template <class List>
auto Listed(const List& list) {
  std::vector<decltype(NextOf(list))> elements;
  ReadList(list, elements);
  return elements;
}
inline std::vector<CVertex*> NeighborsOf(const CVertex& vertex) {
  std::vector<CVertex*> neighbors;
  for (vertex.BeginNeighborIteration(); !vertex.isNeighborIterationFinished();) {
    neighbors.push_back(vertex.GetNextNeighbor());
  }
  return neighbors;
}

// Polygons linked into a vertex and an edge list as a host links them (a
// null entry is passed over). The lists own their elements but destroy them
// only when emptied, as a host tears a map down.
struct LinkedMap {
  std::vector<std::unique_ptr<CFPPolygon>> polygons;
  CVertexList vertices;
  CEdgeList edges;

  ~LinkedMap() {
    edges.Empty();
    vertices.Empty();
  }
  void Link() {
    std::vector<CFPPolygon*> entries;
    for (const auto& polygon : polygons) entries.push_back(polygon.get());
    LinkPolygons(entries.data(), static_cast<int>(entries.size()), vertices, edges);
  }
};

// How AddVertex and AddEdge match what is listed.
inline auto At(const CFPPoint& pt) {
  return [pt](const CVertex* vertex) {
    return std::fabs(vertex->m_point.x - pt.x) <= kPointEpsilon && std::fabs(vertex->m_point.y - pt.y) <= kPointEpsilon;
  };
}
inline auto Between(const CVertex* first, const CVertex* second) {
  return [first, second](const CEdge* edge) {
    const CVertex* end1 = edge->m_pVertex1;
    const CVertex* end2 = edge->m_pVertex2;
    return (end1 == first && end2 == second) || (end1 == second && end2 == first);
  };
}

// One list as its walks see it: the entries in order and the entry the
// cursor designates, null at the end.
template <class Element>
struct WalkModel {
  std::vector<Element*> order;
  Element* cursor = nullptr;

  // From the head, the cursor moved past each entry before it is examined.
  template <class Matches>
  Element* FindFirst(Matches matches) {
    const auto found = std::find_if(order.begin(), order.end(), matches);
    cursor = found == order.end() || found + 1 == order.end() ? nullptr : found[1];
    return found == order.end() ? nullptr : *found;
  }

  // Strictly nearer than the best so far, which starts at the maximum: ties
  // go to the earlier entry and a NaN distance never wins.
  Element* Nearest(const CFPPoint& pt, double maxDistance) {
    Element* nearest = nullptr;
    for (Element* element : order) {
      if (const double d = element->distance(pt); d < maxDistance) {
        maxDistance = d;
        nearest = element;
      }
    }
    cursor = nullptr;
    return nearest;
  }

  bool Lists(const Element* element) const { return std::find(order.begin(), order.end(), element) != order.end(); }

  std::string Describe(const Element* element) const {
    if (element == nullptr) return "none";
    const auto at = std::find(order.begin(), order.end(), element);
    if (at == order.end()) return "an unlisted entry " + Where(*element);
    return "entry #" + std::to_string(at - order.begin()) + " " + Where(*element);
  }
};

// After the first disagreement the record is no longer trusted and Agrees()
// stays false.
class CheckedTopology {
 public:
  CheckedTopology(std::string run, Report report, Narration narration = Narration::kDescribeEachStep)
      : m_run(std::move(run)), m_report(std::move(report)), m_narration(narration) {}
  ~CheckedTopology() {
    m_edges.Empty();
    m_vertices.Empty();
  }

  bool Agrees() const { return !m_failed; }
  Outcomes Seen() const { return m_seen; }
  const std::vector<CVertex*>& Vertices() const { return m_vertexWalk.order; }
  const std::vector<CEdge*>& Edges() const { return m_edgeWalk.order; }

  CVertex* AddVertex(const CFPPoint& pt, CFPPolygon* polygon) {
    Begin([&] { return "AddVertex" + Format(pt); });
    CVertex* found = m_vertexWalk.FindFirst(At(pt));
    CVertex* given = m_vertices.AddVertex(pt, polygon);
    const bool made = found == nullptr && !m_vertexWalk.Lists(given) && SamePoint(given->m_point, pt);
    if (given != found && !made) {
      Fail("vertex", found ? m_vertexWalk.Describe(found) : "a new vertex", m_vertexWalk.Describe(given));
      return given;
    }
    if (made) m_vertexWalk.order.push_back(given);
    ++m_seen[made ? "vertex made" : "vertex found"];
    CheckCursors();
    return given;
  }

  // A new vertex at the point, linked to the polygon unless it is null.
  CVertex* AppendVertex(const CFPPoint& pt, CFPPolygon* polygon) {
    Begin([&] { return "AddVertex(new vertex at " + Format(pt) + ")"; });
    auto vertex = std::make_unique<CVertex>(pt);
    if (polygon != nullptr) vertex->AddLink(polygon);
    m_vertices.AddVertex(vertex.get());
    m_vertexWalk.order.push_back(vertex.release());
    CheckCursors();
    return m_vertexWalk.order.back();
  }

  // As a host would: never a vertex that an edge still ends at (the edge
  // would measure through a dangling end), nor one with neighbour links,
  // which the record does not follow.
  bool CanDelete(const CVertex* vertex) const {
    const auto endsThere = [vertex](const CEdge* edge) {
      return static_cast<const CVertex*>(edge->m_pVertex1) == vertex ||
             static_cast<const CVertex*>(edge->m_pVertex2) == vertex;
    };
    return m_withNeighbours.count(vertex) == 0 && std::none_of(Edges().begin(), Edges().end(), endsThere);
  }

  // Only a cursor that designated the vertex moves, to the end.
  void DeleteVertex(CVertex* vertex) {
    Begin([&] { return "DeleteVertex of " + m_vertexWalk.Describe(vertex); });
    m_vertices.DeleteVertex(vertex);
    m_vertexWalk.order.erase(std::find(m_vertexWalk.order.begin(), m_vertexWalk.order.end(), vertex));
    if (m_vertexWalk.cursor == vertex) m_vertexWalk.cursor = nullptr;
    ++m_seen["vertex deleted"];
    CheckCursors();
  }

  // The move is the library's own, and the topology fuzz target checks what
  // it reports; here it only has to keep the indexes in step.
  void Move(CVertex* vertex, const CFPPoint& to) {
    Begin([&] { return "change of " + m_vertexWalk.Describe(vertex) + " to " + Format(to); });
    ++m_seen[vertex->change(to) ? "move made" : "move refused"];
    CheckCursors();
  }

  CVertex* NearestVertex(const CFPPoint& pt, double maxDistance) {
    Begin([&] { return "CVertexList::GetNearest" + Format(pt) + " within " + Format(maxDistance); });
    return CheckNearest(m_vertices, m_vertexWalk, pt, maxDistance, "nearest vertex");
  }

  CEdge* NearestEdge(const CFPPoint& pt, double maxDistance) {
    Begin([&] { return "CEdgeList::GetNearest" + Format(pt) + " within " + Format(maxDistance); });
    return CheckNearest(m_edges, m_edgeWalk, pt, maxDistance, "nearest edge");
  }

  void AddEdge(CVertex* first, CVertex* second, CFPPolygon* polygon) {
    Begin([&] { return "AddEdge(" + m_vertexWalk.Describe(first) + ", " + m_vertexWalk.Describe(second) + ")"; });
    const CEdge* found = m_edgeWalk.FindFirst(Between(first, second));
    m_edges.AddEdge(first, second, polygon);
    ++m_seen[found ? "edge found" : "edge made"];
    // A walk that ends at the end leaves the same cursor whether it matched
    // the last edge or made a new one: then the list itself tells.
    if (!CheckCursors() || m_edgeWalk.cursor != nullptr) return;
    ReadList(m_edges, m_listedEdges);  // storage kept from read to read
    if (found == nullptr) {
      CEdge* made = m_listedEdges.size() > Edges().size() ? m_listedEdges.back() : nullptr;
      if (made == nullptr || m_edgeWalk.Lists(made) || made->m_pVertex1 != first || made->m_pVertex2 != second) {
        return Fail("edge", "a new edge from the first vertex to the second", m_edgeWalk.Describe(made));
      }
      m_edgeWalk.order.push_back(made);
    }
    CompareOrder("edge list", m_edgeWalk, m_listedEdges);
  }

  // As LinkPolygons links the ends of a side; the record keeps such vertices.
  void MakeNeighbours(CVertex* first, CVertex* second) {
    first->AddNeighbor(second);
    second->AddNeighbor(first);
    m_withNeighbours.insert({first, second});
  }

  void SetEnd(CEdge* edge, bool first, CVertex* vertex) {
    Begin([&] {
      return std::string(first ? "m_pVertex1" : "m_pVertex2") + " of " + m_edgeWalk.Describe(edge) + " := " +
             m_vertexWalk.Describe(vertex);
    });
    (first ? edge->m_pVertex1 : edge->m_pVertex2) = vertex;
    CheckCursors();
  }

  void IterateVertices(std::size_t count) { Iterate("vertex list", m_vertices, m_vertexWalk, count); }
  void IterateEdges(std::size_t count) { Iterate("edge list", m_edges, m_edgeWalk, count); }

  void CheckOrder() {
    if (!Agrees()) return;
    Begin([] { return "reading both lists whole"; });
    CompareOrder("vertex list", m_vertexWalk, Listed(m_vertices));
    CompareOrder("edge list", m_edgeWalk, Listed(m_edges));
  }

  void Empty() {
    Begin([] { return "Empty"; });
    m_edges.Empty();
    m_vertices.Empty();
    m_vertexWalk = {};
    m_edgeWalk = {};
    m_withNeighbours.clear();
    CheckCursors();
  }

 private:
  template <class Describe>
  void Begin(Describe&& describe) {
    ++m_step;
    if (m_narration == Narration::kDescribeEachStep) m_operation = describe();
  }

  void Fail(const std::string& what, const std::string& byWalk, const std::string& byList) {
    if (m_failed) return;
    m_failed = true;
    const std::string operation = m_narration == Narration::kDescribeEachStep ? ", " + m_operation : "";
    m_report(m_run + ", step " + std::to_string(m_step) + operation + ": " + what + ": the walk gives " + byWalk +
             ", the list gives " + byList);
  }

  bool CheckCursors() {
    if (CurrentOf(m_vertices) != m_vertexWalk.cursor) {
      Fail("vertex cursor", m_vertexWalk.Describe(m_vertexWalk.cursor), m_vertexWalk.Describe(CurrentOf(m_vertices)));
    } else if (CurrentOf(m_edges) != m_edgeWalk.cursor) {
      Fail("edge cursor", m_edgeWalk.Describe(m_edgeWalk.cursor), m_edgeWalk.Describe(CurrentOf(m_edges)));
    }
    return Agrees();
  }

  template <class List, class Element>
  Element* CheckNearest(const List& list, WalkModel<Element>& walk, const CFPPoint& pt, double maxDistance,
                        const char* outcome) {
    Element* nearest = walk.Nearest(pt, maxDistance);
    Element* given = list.GetNearest(pt, maxDistance);
    if (given != nearest) {
      Fail(outcome, walk.Describe(nearest), walk.Describe(given));
      return given;
    }
    if (nearest != nullptr) ++m_seen[outcome];
    CheckCursors();
    return given;
  }

  // The first `count` entries, which leaves the cursor on the next one.
  template <class List, class Element>
  void Iterate(const char* name, const List& list, WalkModel<Element>& walk, std::size_t count) {
    Begin([&] { return "iterating over " + std::to_string(count) + " entries of the " + name; });
    list.BeginIteration();
    for (std::size_t i = 0; i < count && i < walk.order.size(); ++i) {
      Element* next = list.isIterationFinished() ? nullptr : NextOf(list);
      if (next != walk.order[i]) {
        return Fail("entry " + std::to_string(i), walk.Describe(walk.order[i]), walk.Describe(next));
      }
    }
    walk.cursor = count < walk.order.size() ? walk.order[count] : nullptr;
    CheckCursors();
  }

  template <class Element>
  void CompareOrder(const char* name, WalkModel<Element>& walk, const std::vector<Element*>& listed) {
    const auto [byWalk, byList] = std::mismatch(walk.order.begin(), walk.order.end(), listed.begin(), listed.end());
    if (byWalk != walk.order.end() || byList != listed.end()) {
      Fail(std::string(name) + " at entry " + std::to_string(byWalk - walk.order.begin()),
           walk.Describe(byWalk == walk.order.end() ? nullptr : *byWalk) + " of " + std::to_string(walk.order.size()),
           walk.Describe(byList == listed.end() ? nullptr : *byList) + " of " + std::to_string(listed.size()));
    }
    walk.cursor = nullptr;
  }

  std::string m_run;
  Report m_report;
  Narration m_narration;
  std::string m_operation;
  std::size_t m_step = 0;
  bool m_failed = false;
  Outcomes m_seen;
  CVertexList m_vertices;
  CEdgeList m_edges;
  WalkModel<CVertex> m_vertexWalk;
  WalkModel<CEdge> m_edgeWalk;
  std::unordered_set<const CVertex*> m_withNeighbours;
  std::vector<CEdge*> m_listedEdges;
};

}  // namespace fpgeom::test
