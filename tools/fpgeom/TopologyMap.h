// The shared topology of a map of adjacent rings: one vertex per position
// (rings that pass through it linked to it), one edge per pair of
// consecutive positions (the closing pair included), neighbours both ways.
// The map's rings are linked, not owned: the map must outlive this object,
// and every edit of a vertex or edge changes the map's rings in place.
#pragma once

#include <vector>

#include "fpgeom/region/FPPolyRgn.h"
#include "fpgeom/topology/EdgeList.h"
#include "fpgeom/topology/VertexList.h"
#include "fpgeom/values/FPSegment.h"

class CEdge;
class CVertex;

namespace fpgeom::tool {

class TopologyMap {
 public:
  explicit TopologyMap(CFPPolyRgn& map);
  TopologyMap(const TopologyMap&) = delete;
  TopologyMap& operator=(const TopologyMap&) = delete;
  ~TopologyMap();  // the lists own their elements but release them only when asked

  int VertexCount() const;
  int EdgeCount() const;
  // Vertices and edges that two or more different rings pass through.
  std::vector<CFPPoint> SharedVertices() const;
  std::vector<CFPSegment> SharedEdges() const;

  // The first vertex or edge strictly nearer than tolerance, or null.
  CVertex* VertexNear(const CFPPoint& point, double tolerance) const;
  CEdge* EdgeNear(const CFPPoint& point, double tolerance) const;

 private:
  CVertexList m_vertices;
  CEdgeList m_edges;
};

}  // namespace fpgeom::tool
