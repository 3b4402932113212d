#include "fpgeom/topology/EdgeList.h"

#include <memory>

#include "fpgeom/topology/Edge.h"
#include "topology/CursorWalk.h"
#include "topology/EdgeIndex.h"

namespace {
using EdgeWalk = fpgeom::detail::CursorWalk<CEdge>;
}  // namespace

CEdgeList::CEdgeList() : m_index(std::make_unique<fpgeom::detail::EdgeIndex>()) {}

// The edges are the caller's to release with Empty, as the vertices are.
// The index lets go of them.
CEdgeList::~CEdgeList() = default;

void CEdgeList::AddEdge(CVertex* pVertex1, CVertex* pVertex2, CFPPolygon* pPolygon) {
  // Ends compare by identity in either order; an edge found keeps the
  // direction it was created with.
  const auto joinsTheVertices = [pVertex1, pVertex2](const CEdge* edge) {
    return (edge->m_pVertex1 == pVertex1 && edge->m_pVertex2 == pVertex2) ||
           (edge->m_pVertex1 == pVertex2 && edge->m_pVertex2 == pVertex1);
  };
  CEdge* existing = m_index->Vouches() ? m_index->FindFirstBetween(m_edges, m_pos, pVertex1, pVertex2)
                                         : EdgeWalk::FindFirst(m_edges, m_pos, joinsTheVertices);
  if (existing != nullptr) {
    existing->AddLink(pPolygon);
    return;
  }
  auto edge = std::make_unique<CEdge>(pVertex1, pVertex2);
  edge->AddLink(pPolygon);
  m_index->Appended(m_edges, m_edges.AddTail(edge.get()));
  edge.release();
}

void CEdgeList::Empty() {
  m_index->Cleared();
  EdgeWalk::DeleteAll(m_edges, m_pos);
}

CEdge* CEdgeList::GetNearest(const CFPPoint& pt, double maxDistance) const {
  if (m_index->Vouches()) {
    CEdge* nearest = m_index->Nearest(pt, maxDistance);
    // The index may have given up while building its cells.
    if (m_index->Vouches()) {
      m_pos = nullptr;
      return nearest;
    }
  }
  return EdgeWalk::Nearest(m_edges, m_pos, pt, maxDistance);
}

void CEdgeList::BeginIteration() const { EdgeWalk::Begin(m_edges, m_pos); }

CEdge* CEdgeList::GetCurrentEdge() const { return EdgeWalk::Current(m_edges, m_pos); }

CEdge* CEdgeList::GetNextEdge() const { return EdgeWalk::Next(m_edges, m_pos); }

int CEdgeList::isIterationFinished() const { return EdgeWalk::IsFinished(m_pos); }
