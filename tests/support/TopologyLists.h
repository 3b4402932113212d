// The contents of a topology's lists in list order, read through their
// iteration (which leaves each cursor at the end).
#pragma once

#include <vector>

#include "fpgeom/fpgeom.h"

namespace fpgeom::test {

// Into a vector the caller keeps, so that repeated reads reuse its storage.
inline void ReadList(const CVertexList& list, std::vector<CVertex*>& vertices) {
  vertices.clear();
  for (list.BeginIteration(); !list.isIterationFinished();) vertices.push_back(list.GetNextVertex());
}
inline void ReadList(const CEdgeList& list, std::vector<CEdge*>& edges) {
  edges.clear();
  for (list.BeginIteration(); !list.isIterationFinished();) edges.push_back(list.GetNextEdge());
}

inline std::vector<CVertex*> VerticesOf(const CVertexList& list) {
  std::vector<CVertex*> vertices;
  ReadList(list, vertices);
  return vertices;
}
inline std::vector<CEdge*> EdgesOf(const CEdgeList& list) {
  std::vector<CEdge*> edges;
  ReadList(list, edges);
  return edges;
}

}  // namespace fpgeom::test
