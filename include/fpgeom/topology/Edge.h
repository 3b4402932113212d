// CEdge: a side shared by the polygons in its polygon list, joining two
// vertices that it does not own. Positions on the edge are measured from
// m_pVertex1 towards m_pVertex2; the geometric operations need both set.
#pragma once

#include "fpgeom/frame/Export.h"
#include "fpgeom/topology/EdgeEnd.h"
#include "fpgeom/topology/PolygonList.h"
#include "fpgeom/values/FPPoint.h"

class CVertex;

namespace fpgeom::detail {
class EdgeWatch;
}  // namespace fpgeom::detail

class FPGEOM_API CEdge : public CPolygonList {
 public:
  // Construction. The default constructor leaves both ends unset.
  CEdge();
  CEdge(CVertex* pVertex1, CVertex* pVertex2);
  ~CEdge() override;

  // Distance from pt to the edge as a segment; getNearestPt also stores the
  // nearest point of the segment. A projection at or below 2^-52 of the
  // edge's length snaps to the first end. Both are NaN for an edge whose
  // ends are at one position.
  double distance(const CFPPoint& pt) const;
  double getNearestPt(const CFPPoint& pt, CFPPoint& nearest) const;

  // A new vertex, owned by the caller, at the foot of the perpendicular from
  // pt, linked to the edge's polygons and, as neighbour, to both ends; null
  // when the foot is not past the first end and up to the second, or the
  // ends are at one position. Moves the polygon cursor and the neighbour
  // cursors of both ends.
  CVertex* CreateVertex(const CFPPoint& pt) const;

  // Inserts pt between the points at the two ends in every linked polygon,
  // each cleaned of coincident and collinear points. Tried on copies first:
  // 0, with no polygon changed, when a polygon would keep fewer than three
  // points; else 1. A std::bad_alloc leaves every polygon unchanged too.
  // Moves the polygon cursor and the cursors of the linked polygons.
  int change(const CFPPoint& pt);

  // The ends, assignable as pointers to CVertex.
  fpgeom::EdgeEnd m_pVertex1;
  fpgeom::EdgeEnd m_pVertex2;

 private:
  friend class fpgeom::EdgeEnd;
  friend class fpgeom::detail::EdgeWatch;

  // The edge list that files this edge by its ends, told when they change.
  fpgeom::detail::EdgeWatch* m_watch = nullptr;
};
