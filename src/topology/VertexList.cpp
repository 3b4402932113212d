#include "fpgeom/topology/VertexList.h"

#include <memory>

#include "fpgeom/topology/Vertex.h"
#include "topology/CursorWalk.h"
#include "topology/PositionMatch.h"

namespace {
using VertexWalk = fpgeom::detail::CursorWalk<CVertex>;
}  // namespace

CVertexList::CVertexList() = default;

// The vertices are the caller's to release with Empty: destroying the list
// alone must not reach into a topology the host may still be tearing down.
CVertexList::~CVertexList() = default;

CVertex* CVertexList::AddVertex(const CFPPoint& pt, CFPPolygon* pPolygon) {
  // The first vertex within tolerance wins, even when a later one is nearer:
  // list order decides, so the result does not depend on distances.
  const auto isAtPoint = [&pt](const CVertex* vertex) {
    return fpgeom::detail::IsSamePosition(vertex->m_point, pt);
  };
  if (CVertex* existing = VertexWalk::FindFirst(m_vertices, m_pos, isAtPoint)) {
    existing->AddLink(pPolygon);
    return existing;
  }
  auto vertex = std::make_unique<CVertex>(pt);
  vertex->AddLink(pPolygon);
  m_vertices.AddTail(vertex.get());
  return vertex.release();
}

void CVertexList::AddVertex(CVertex* pVertex) { m_vertices.AddTail(pVertex); }

void CVertexList::DeleteVertex(CVertex* pVertex) {
  for (pVertex->BeginNeighborIteration(); !pVertex->isNeighborIterationFinished();) {
    pVertex->GetNextNeighbor()->RemoveNeighbor(pVertex);
  }
  // Reading through the position of a vertex that is not listed throws, and
  // leaves the vertex with its caller.
  const POSITION entry = m_vertices.Find(pVertex);
  delete m_vertices.GetAt(entry);
  VertexWalk::RemoveEntry(m_vertices, m_pos, entry);
}

void CVertexList::Empty() { VertexWalk::DeleteAll(m_vertices, m_pos); }

CVertex* CVertexList::GetNearest(const CFPPoint& pt, double maxDistance) const {
  return VertexWalk::Nearest(m_vertices, m_pos, pt, maxDistance);
}

void CVertexList::BeginIteration() const { VertexWalk::Begin(m_vertices, m_pos); }

CVertex* CVertexList::GetCurrentVertex() const { return VertexWalk::Current(m_vertices, m_pos); }

CVertex* CVertexList::GetNextVertex() const { return VertexWalk::Next(m_vertices, m_pos); }

int CVertexList::isIterationFinished() const { return VertexWalk::IsFinished(m_pos); }
