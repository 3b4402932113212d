#include "TopologyMap.h"

#include <algorithm>

#include "fpgeom/io/Document.h"
#include "fpgeom/topology/Edge.h"
#include "fpgeom/topology/Vertex.h"

namespace fpgeom::tool {
namespace {

int DistinctPolygons(const CPolygonList& links) {
  std::vector<const CFPPolygon*> seen;
  for (links.BeginIteration(); links.isIterationFinished() == 0;) {
    const CFPPolygon* polygon = links.GetNextPoly();
    if (std::find(seen.begin(), seen.end(), polygon) == seen.end()) seen.push_back(polygon);
  }
  return static_cast<int>(seen.size());
}

}  // namespace

TopologyMap::TopologyMap(CFPPolyRgn& map) {
  try {
    for (map.BeginIteration(); map.isIterationFinished() == 0;) AddRing(map.getNextPolygon());
  } catch (...) {
    m_edges.Empty();
    m_vertices.Empty();
    throw;
  }
}

TopologyMap::~TopologyMap() {
  m_edges.Empty();
  m_vertices.Empty();
}

void TopologyMap::AddRing(CFPPolygon* ring) {
  std::vector<CVertex*> corners;
  for (const CFPPoint& point : io::PointsOf(*ring)) corners.push_back(m_vertices.AddVertex(point, ring));
  for (std::size_t i = 0; i < corners.size(); ++i) {
    CVertex* from = corners[i];
    CVertex* to = corners[(i + 1) % corners.size()];
    // Repeated points give no edge: an edge joins two different vertices.
    if (from == to) continue;
    m_edges.AddEdge(from, to, ring);
    from->AddNeighbor(to);
    to->AddNeighbor(from);
  }
}

int TopologyMap::VertexCount() const {
  int count = 0;
  for (m_vertices.BeginIteration(); m_vertices.isIterationFinished() == 0; m_vertices.GetNextVertex()) ++count;
  return count;
}

int TopologyMap::EdgeCount() const {
  int count = 0;
  for (m_edges.BeginIteration(); m_edges.isIterationFinished() == 0; m_edges.GetNextEdge()) ++count;
  return count;
}

std::vector<CFPPoint> TopologyMap::SharedVertices() const {
  std::vector<CFPPoint> shared;
  for (m_vertices.BeginIteration(); m_vertices.isIterationFinished() == 0;) {
    const CVertex* vertex = m_vertices.GetNextVertex();
    if (DistinctPolygons(*vertex) >= 2) shared.push_back(vertex->m_point);
  }
  return shared;
}

std::vector<CFPSegment> TopologyMap::SharedEdges() const {
  std::vector<CFPSegment> shared;
  for (m_edges.BeginIteration(); m_edges.isIterationFinished() == 0;) {
    const CEdge* edge = m_edges.GetNextEdge();
    if (DistinctPolygons(*edge) >= 2) shared.emplace_back(edge->m_pVertex1->m_point, edge->m_pVertex2->m_point);
  }
  return shared;
}

CVertex* TopologyMap::VertexNear(const CFPPoint& point, double tolerance) const {
  return m_vertices.GetNearest(point, tolerance);
}

CEdge* TopologyMap::EdgeNear(const CFPPoint& point, double tolerance) const {
  return m_edges.GetNearest(point, tolerance);
}

}  // namespace fpgeom::tool
