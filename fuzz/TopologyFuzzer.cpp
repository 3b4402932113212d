// Builds a small map of polygons that share vertices and edges from the
// input, then makes a sequence of vertex and edge moves decoded from it. A
// move refused with 0 must have changed no point of any polygon and not the
// vertex; a move made must have put the vertex where it was asked to go.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "ByteReader.h"
#include "Invariant.h"
#include "fpgeom/polygon/FPPolygon.h"
#include "fpgeom/topology/Edge.h"
#include "fpgeom/topology/EdgeList.h"
#include "fpgeom/topology/Linking.h"
#include "fpgeom/topology/Vertex.h"
#include "fpgeom/topology/VertexList.h"
#include "support/CheckedTopology.h"

namespace fpgeom::fuzz {
namespace {

constexpr int kMaxPolygons = 3;
constexpr int kMaxRingPoints = 6;
constexpr int kMaxMoves = 16;
// A bend whose end points hold NaN matches every point of a ring and so
// doubles it; the moves stop before such growth, not the library, sets the
// pace of the run.
constexpr int kMaxPointsDuringMoves = 2000;

using test::LinkedMap;
using test::Listed;
using test::SamePoint;

bool HasRoomToGrow(const LinkedMap& map) {
  for (const auto& polygon : map.polygons) {
    if (polygon->getCount() > kMaxPointsDuringMoves) return false;
  }
  return true;
}

void BuildMap(LinkedMap& map, ByteReader& input) {
  const int polygonCount = 1 + input.UpTo(kMaxPolygons - 1);
  for (int p = 0; p < polygonCount; ++p) {
    auto polygon = std::make_unique<CFPPolygon>();
    const int points = 3 + input.UpTo(kMaxRingPoints - 3);
    for (int i = 0; i < points; ++i) polygon->AddTailNode(input.Point());
    map.polygons.push_back(std::move(polygon));
  }
  map.Link();
}

// Every polygon's points head to tail, each walk checked against the count.
std::vector<std::vector<CFPPoint>> Snapshot(const LinkedMap& map) {
  std::vector<std::vector<CFPPoint>> rings;
  for (const auto& polygon : map.polygons) {
    std::vector<CFPPoint>& ring = rings.emplace_back();
    polygon->BeginIteration(DIR_FORWARD);
    while (polygon->isIterationFinished() == 0) ring.push_back(polygon->getNextNode());
    Require(static_cast<int>(ring.size()) == polygon->getCount(), "a forward walk visits getCount() points");
  }
  return rings;
}

bool SameRings(const std::vector<std::vector<CFPPoint>>& a, const std::vector<std::vector<CFPPoint>>& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (a[i].size() != b[i].size()) return false;
    for (std::size_t k = 0; k < a[i].size(); ++k) {
      if (!SamePoint(a[i][k], b[i][k])) return false;
    }
  }
  return true;
}

template <class Element>
Element* Pick(std::vector<Element*> elements, std::uint8_t choice) {
  return elements.empty() ? nullptr : elements[choice % elements.size()];
}

void MoveVertex(LinkedMap& map, CVertex& vertex, const CFPPoint& target) {
  const auto before = Snapshot(map);
  const CFPPoint position = vertex.m_point;
  const int result = vertex.change(target);
  Require(result == 0 || result == 1, "CVertex::change answers 0 or 1");
  const auto after = Snapshot(map);
  if (result == 0) {
    Require(SameRings(before, after), "a refused vertex move changes no polygon");
    Require(SamePoint(vertex.m_point, position), "a refused vertex move leaves the vertex where it was");
  } else {
    Require(SamePoint(vertex.m_point, target), "a vertex move puts the vertex at the new point");
  }
}

void MoveEdge(LinkedMap& map, CEdge& edge, const CFPPoint& target) {
  const auto before = Snapshot(map);
  const CFPPoint start = edge.m_pVertex1->m_point;
  const CFPPoint end = edge.m_pVertex2->m_point;
  const int result = edge.change(target);
  Require(result == 0 || result == 1, "CEdge::change answers 0 or 1");
  const auto after = Snapshot(map);
  if (result == 0) Require(SameRings(before, after), "a refused edge move changes no polygon");
  Require(SamePoint(edge.m_pVertex1->m_point, start) && SamePoint(edge.m_pVertex2->m_point, end),
          "an edge move leaves the edge's vertices where they were");
}

}  // namespace
}  // namespace fpgeom::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace fpgeom::fuzz;
  ByteReader input(data, size);
  LinkedMap map;
  BuildMap(map, input);
  for (int move = 0; move < kMaxMoves && !input.IsExhausted() && HasRoomToGrow(map); ++move) {
    const std::uint8_t kind = input.Byte();
    const std::uint8_t choice = input.Byte();
    const CFPPoint target = input.Point();
    if (kind % 2 == 0) {
      if (CVertex* vertex = Pick(Listed(map.vertices), choice)) MoveVertex(map, *vertex, target);
    } else if (CEdge* edge = Pick(Listed(map.edges), choice)) {
      MoveEdge(map, *edge, target);
    }
  }
  return 0;
}
