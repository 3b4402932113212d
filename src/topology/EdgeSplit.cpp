#include <cmath>
#include <memory>

#include "fpgeom/topology/Edge.h"
#include "fpgeom/topology/Vertex.h"
#include "fpgeom/values/Tolerance.h"

namespace {

// Takes back a link that a failed split had already made.
void ForgetNeighbor(CVertex& vertex, const CVertex* gone) {
  for (vertex.BeginNeighborIteration(); !vertex.isNeighborIterationFinished();) {
    CVertex* neighbor = vertex.GetNextNeighbor();
    if (neighbor == gone) {
      vertex.RemoveNeighbor(neighbor);
      return;
    }
  }
}

}  // namespace

CVertex* CEdge::CreateVertex(const CFPPoint& pt) const {
  const CFPPoint& a = m_pVertex1->m_point;
  const CFPPoint& b = m_pVertex2->m_point;
  // The plain square root here, not the hypotenuse of distance(): the two
  // can differ in the last bit, and the position is fixed to the bit.
  const double dx = b.x - a.x;
  const double dy = b.y - a.y;
  const double length = std::sqrt(dx * dx + dy * dy);
  const double t = ((pt.x - a.x) * (dx / length) + (pt.y - a.y) * (dy / length)) / length;
  // Written as the range that is accepted, so that the NaN parameter of an
  // edge whose ends are at one position is refused too.
  const bool isInsideEdge = t > fpgeom::kDoubleEpsilon && t <= 1.0;
  if (!isInsideEdge) return nullptr;

  auto vertex = std::make_unique<CVertex>(CFPPoint(a.x + dx * t, a.y + dy * t));
  vertex->AddLink(this);
  vertex->AddNeighbor(m_pVertex1);
  vertex->AddNeighbor(m_pVertex2);
  m_pVertex1->AddNeighbor(vertex.get());
  try {
    m_pVertex2->AddNeighbor(vertex.get());
  } catch (...) {
    // The first end must not keep pointing at a vertex that dies here.
    ForgetNeighbor(*m_pVertex1, vertex.get());
    throw;
  }
  return vertex.release();
}
