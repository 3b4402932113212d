#include "fpgeom/polygon/FPPolygon.h"
#include "fpgeom/topology/Edge.h"
#include "fpgeom/topology/Vertex.h"
#include "topology/AllOrNoneEdit.h"

int CEdge::change(const CFPPoint& pt) {
  // Copied, because the caller may hand in a point of a linked polygon that
  // the clean-up is about to remove.
  const CFPPoint bend(pt);
  // A ring without the two ends next to each other takes nothing, which is
  // no reason to refuse the bend.
  const auto insertBetweenEnds = [this, &bend](CFPPolygon& polygon) {
    polygon.InsertBetween(m_pVertex1->m_point, m_pVertex2->m_point, bend);
    return true;
  };
  return fpgeom::detail::EditAllOrNone(*this, insertBetweenEnds);
}
