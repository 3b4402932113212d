#include "fpgeom/topology/Vertex.h"

#include <cmath>

#include "topology/CursorWalk.h"
#include "values/PointTolerance.h"
#include "topology/VertexWatch.h"

namespace {
using NeighborWalk = fpgeom::detail::CursorWalk<CVertex>;
}  // namespace

CVertex::CVertex() : m_point(m_position) {}

CVertex::CVertex(const CFPPoint& point) : m_point(m_position), m_position(point.x, point.y) {}

CVertex::CVertex(const CPoint& point)
    : m_point(m_position), m_position(static_cast<double>(point.x), static_cast<double>(point.y)) {}

// The indexes that still file the vertex must drop it before it goes.
CVertex::~CVertex() { fpgeom::detail::VertexWatch::TellDestroyed(*this); }

void CVertex::AddNeighbor(CVertex* pVertex) {
  // Positions, not identities, are compared: a second vertex at a listed
  // neighbour's position would be the same corner twice.
  const auto isAtNewPosition = [pVertex](const CVertex* neighbor) {
    return fpgeom::detail::IsSamePosition(neighbor->m_point, pVertex->m_point);
  };
  const CVertex* atSamePosition = NeighborWalk::FindFirst(m_neighbors, m_neighborPos, isAtNewPosition);
  if (atSamePosition == nullptr) m_neighbors.AddTail(pVertex);
}

void CVertex::RemoveNeighbor(CVertex* pVertex) {
  NeighborWalk::RemoveFirst(m_neighbors, m_neighborPos, pVertex);
}

void CVertex::BeginNeighborIteration() const { NeighborWalk::Begin(m_neighbors, m_neighborPos); }

CVertex* CVertex::GetNextNeighbor() const { return NeighborWalk::Next(m_neighbors, m_neighborPos); }

int CVertex::isNeighborIterationFinished() const { return NeighborWalk::IsFinished(m_neighborPos); }

double CVertex::distance(const CFPPoint& pt) const { return std::hypot(pt.x - m_point.x, pt.y - m_point.y); }
