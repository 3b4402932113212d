#include "fpgeom/topology/VertexList.h"

#include <memory>

#include "fpgeom/topology/Vertex.h"
#include "topology/CursorWalk.h"
#include "values/PointTolerance.h"
#include "topology/VertexIndex.h"

namespace {
using VertexWalk = fpgeom::detail::CursorWalk<CVertex>;
}  // namespace

CVertexList::CVertexList() : m_index(std::make_unique<fpgeom::detail::VertexIndex>()) {}

// The vertices are the caller's to release with Empty: destroying the list
// alone must not reach into a topology the host may still be tearing down.
// The index lets go of them.
CVertexList::~CVertexList() = default;

CVertex* CVertexList::AddVertex(const CFPPoint& pt, CFPPolygon* pPolygon) {
  // The first vertex within tolerance wins, even when a later one is nearer:
  // list order decides, so the result does not depend on distances.
  const auto isAtPoint = [&pt](const CVertex* vertex) {
    return fpgeom::detail::IsSamePosition(vertex->m_point, pt);
  };
  CVertex* existing = m_index->Vouches() ? m_index->FindFirstAt(m_vertices, m_pos, pt)
                                         : VertexWalk::FindFirst(m_vertices, m_pos, isAtPoint);
  if (existing != nullptr) {
    existing->AddLink(pPolygon);
    return existing;
  }
  auto vertex = std::make_unique<CVertex>(pt);
  vertex->AddLink(pPolygon);
  AddVertex(vertex.get());
  return vertex.release();
}

void CVertexList::AddVertex(CVertex* pVertex) { m_index->Appended(m_vertices, m_vertices.AddTail(pVertex)); }

void CVertexList::DeleteVertex(CVertex* pVertex) {
  for (pVertex->BeginNeighborIteration(); !pVertex->isNeighborIterationFinished();) {
    pVertex->GetNextNeighbor()->RemoveNeighbor(pVertex);
  }
  // Reading through the position of a vertex that is not listed throws, and
  // leaves the vertex with its caller.
  const POSITION entry = m_index->Vouches() ? m_index->EntryOf(*pVertex) : m_vertices.Find(pVertex);
  CVertex* listed = m_vertices.GetAt(entry);
  m_index->Removed(*listed);
  delete listed;
  VertexWalk::RemoveEntry(m_vertices, m_pos, entry);
}

void CVertexList::Empty() {
  m_index->Cleared();
  VertexWalk::DeleteAll(m_vertices, m_pos);
}

CVertex* CVertexList::GetNearest(const CFPPoint& pt, double maxDistance) const {
  if (!m_index->Vouches()) return VertexWalk::Nearest(m_vertices, m_pos, pt, maxDistance);
  m_pos = nullptr;
  return m_index->Nearest(pt, maxDistance);
}

void CVertexList::BeginIteration() const { VertexWalk::Begin(m_vertices, m_pos); }

CVertex* CVertexList::GetCurrentVertex() const { return VertexWalk::Current(m_vertices, m_pos); }

CVertex* CVertexList::GetNextVertex() const { return VertexWalk::Next(m_vertices, m_pos); }

int CVertexList::isIterationFinished() const { return VertexWalk::IsFinished(m_pos); }
