// CEdgeList: all the edges of one topology, owned, with one cursor, m_pos,
// shared by the caller's iteration and the list's own walks (const
// operations move it too). Edges that join the same two vertices, in either
// order, are merged into the first one listed. The destructor destroys no
// edge: call Empty first.
#pragma once

#include <memory>

#include "fpgeom/frame/Export.h"
#include "fpgeom/frame/ObList.h"
#include "fpgeom/frame/WinTypes.h"
#include "fpgeom/values/FPPoint.h"

class CEdge;
class CFPPolygon;
class CVertex;

namespace fpgeom::detail {
class EdgeIndex;
}  // namespace fpgeom::detail

class FPGEOM_API CEdgeList {
 public:
  // Construction: empty, cursor at the end.
  CEdgeList();
  CEdgeList(const CEdgeList&) = delete;
  CEdgeList& operator=(const CEdgeList&) = delete;
  ~CEdgeList();

  // Links pPolygon to the first edge between the two vertices (compared by
  // identity, in either order), creating one from pVertex1 to pVertex2 when
  // there is none; the cursor ends after the edge found, or at the end.
  // Neighbour lists are left to the caller.
  void AddEdge(CVertex* pVertex1, CVertex* pVertex2, CFPPolygon* pPolygon);

  // Destroys every edge and leaves the cursor at the end.
  void Empty();

  // The first edge strictly nearer to pt than maxDistance and than every
  // edge before it, or null; the cursor ends at the end.
  CEdge* GetNearest(const CFPPoint& pt, double maxDistance) const;

  // Iteration. The readers throw CInvalidArgException at the end.
  void BeginIteration() const;
  CEdge* GetCurrentEdge() const;
  CEdge* GetNextEdge() const;
  int isIterationFinished() const;

 private:
  CTypedPtrList<CObList, CEdge*> m_edges;
  mutable POSITION m_pos = nullptr;
  // Files the edges by their ends and by position, so that look-ups need
  // not walk. The nearest-edge search builds part of it on first use.
  std::unique_ptr<fpgeom::detail::EdgeIndex> m_index;
};
