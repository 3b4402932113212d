// CVertex: a position shared by the polygons in its polygon list, with the
// vertices joined to it by a side as neighbours (not owned). The neighbour
// cursor, m_neighborPos, works like the polygon cursor: shared by the
// caller's iteration and the vertex's own walks, moved by const operations.
#pragma once

#include "fpgeom/frame/Export.h"
#include "fpgeom/frame/ObList.h"
#include "fpgeom/frame/WinTypes.h"
#include "fpgeom/topology/PolygonList.h"
#include "fpgeom/values/FPPoint.h"

namespace fpgeom::detail {
class VertexWatch;
}  // namespace fpgeom::detail

class FPGEOM_API CVertex : public CPolygonList {
 public:
  // Construction: empty lists, both cursors at the end. The default
  // constructor leaves the position unset.
  CVertex();
  explicit CVertex(const CFPPoint& point);
  explicit CVertex(const CPoint& point);
  ~CVertex() override;

  // Neighbours. AddNeighbor walks the neighbours with the neighbour cursor
  // and refuses a vertex at the position of one already listed (within
  // 2^-23 per coordinate), whichever vertex that is. RemoveNeighbor removes
  // the first entry that is this very vertex and throws
  // CInvalidArgException when there is none. GetNextNeighbor throws with
  // the cursor at the end.
  void AddNeighbor(CVertex* pVertex);
  void RemoveNeighbor(CVertex* pVertex);
  void BeginNeighborIteration() const;
  CVertex* GetNextNeighbor() const;
  int isNeighborIterationFinished() const;

  // Euclidean distance from the vertex's position to pt.
  double distance(const CFPPoint& pt) const;

  // Moves the vertex to newPoint in every linked polygon, each cleaned of
  // coincident and collinear points. Tried on copies first: 0, with no
  // point and not the position changed, when a polygon would keep fewer
  // than three points or holds no point at the vertex; else 1. A
  // std::bad_alloc leaves every point and the position unchanged too. Moves
  // the polygon cursor and the cursors of the linked polygons.
  int change(const CFPPoint& newPoint);

  // The position, read-only: a vertex moves through change(), so that the
  // lists that index it by position hear of every move.
  const CFPPoint& m_point;

 protected:
  CTypedPtrList<CObList, CVertex*> m_neighbors;
  mutable POSITION m_neighborPos = nullptr;

 private:
  friend class fpgeom::detail::VertexWatch;

  CFPPoint m_position;
  // The indexes that file this vertex, told of each move and of its end.
  fpgeom::detail::VertexWatch* m_watches = nullptr;
};
