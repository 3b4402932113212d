#include "fpgeom/polygon/FPPolygon.h"
#include "fpgeom/topology/Vertex.h"
#include "topology/AllOrNoneEdit.h"
#include "topology/VertexWatch.h"

int CVertex::change(const CFPPoint& newPoint) {
  // Copied, because the caller may hand in a point of a linked polygon that
  // the clean-up is about to remove.
  const CFPPoint target(newPoint);
  // The old position stays the search key in both passes, so m_point moves
  // only once every polygon has.
  const auto replaceFirstPointAtVertex = [this, &target](CFPPolygon& polygon) {
    if (polygon.Find(m_point) == 0) return false;
    polygon.setCurrentNode(target);
    return true;
  };
  if (fpgeom::detail::EditAllOrNone(*this, replaceFirstPointAtVertex) == 0) return 0;
  m_position = target;
  fpgeom::detail::VertexWatch::TellMoved(*this);
  return 1;
}
