#include "fpgeom/topology/Edge.h"

#include "fpgeom/topology/Vertex.h"
#include "topology/EdgeWatch.h"
#include "values/SegmentNearest.h"

// The ends are null rather than indeterminate until the caller sets them.
CEdge::CEdge() : m_pVertex1(*this, nullptr), m_pVertex2(*this, nullptr) {}

CEdge::CEdge(CVertex* pVertex1, CVertex* pVertex2) : m_pVertex1(*this, pVertex1), m_pVertex2(*this, pVertex2) {}

CEdge::~CEdge() { fpgeom::detail::EdgeWatch::TellDestroyed(*this); }

fpgeom::EdgeEnd& fpgeom::EdgeEnd::operator=(CVertex* vertex) noexcept {
  m_vertex = vertex;
  detail::EdgeWatch::TellEndsChanged(m_edge);
  return *this;
}

double CEdge::distance(const CFPPoint& pt) const {
  CFPPoint nearest;
  return fpgeom::detail::NearestOnSegment(m_pVertex1->m_point, m_pVertex2->m_point, pt, nearest);
}

double CEdge::getNearestPt(const CFPPoint& pt, CFPPoint& nearest) const {
  return fpgeom::detail::NearestOnSegment(m_pVertex1->m_point, m_pVertex2->m_point, pt, nearest);
}
