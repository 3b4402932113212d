#include "TopologyMap.h"

#include <algorithm>

#include "fpgeom/topology/Edge.h"
#include "fpgeom/topology/Linking.h"
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
  std::vector<CFPPolygon*> rings;
  for (map.BeginIteration(); map.isIterationFinished() == 0;) rings.push_back(map.getNextPolygon());
  try {
    LinkPolygons(rings.data(), static_cast<int>(rings.size()), m_vertices, m_edges);
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
