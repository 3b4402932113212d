#include "fpgeom/topology/Linking.h"

#include <cstddef>
#include <vector>

#include "fpgeom/polygon/FPPolygon.h"
#include "fpgeom/topology/EdgeList.h"
#include "fpgeom/topology/Vertex.h"
#include "fpgeom/topology/VertexList.h"

namespace fpgeom {

void LinkPolygons(CFPPolygon* const* polygons, int count, CVertexList& vertices, CEdgeList& edges) {
  std::vector<CVertex*> corners;
  for (int p = 0; p < count; ++p) {
    CFPPolygon* polygon = polygons[p];
    if (polygon == nullptr) continue;
    corners.clear();
    for (polygon->BeginIteration(DIR_FORWARD); polygon->isIterationFinished() == 0;) {
      corners.push_back(vertices.AddVertex(polygon->getNextNode(), polygon));
    }
    const std::size_t n = corners.size();
    for (std::size_t i = 0; i < n; ++i) {
      CVertex* from = corners[i];
      CVertex* to = corners[(i + 1) % n];
      if (from == to) continue;
      edges.AddEdge(from, to, polygon);
      from->AddNeighbor(to);
      to->AddNeighbor(from);
    }
  }
}

}  // namespace fpgeom
