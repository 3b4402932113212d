// The contents of a topology's lists in list order, read through their
// iteration (which leaves each cursor at the end).
#pragma once

#include <vector>

#include "fpgeom/fpgeom.h"

namespace fpgeom::test {

inline std::vector<CVertex*> VerticesOf(const CVertexList& list) {
  std::vector<CVertex*> vertices;
  for (list.BeginIteration(); !list.isIterationFinished();) vertices.push_back(list.GetNextVertex());
  return vertices;
}

inline std::vector<CEdge*> EdgesOf(const CEdgeList& list) {
  std::vector<CEdge*> edges;
  for (list.BeginIteration(); !list.isIterationFinished();) edges.push_back(list.GetNextEdge());
  return edges;
}

}  // namespace fpgeom::test
