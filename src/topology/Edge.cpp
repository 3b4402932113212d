#include "fpgeom/topology/Edge.h"

#include <cmath>

#include "fpgeom/topology/Vertex.h"
#include "fpgeom/values/Tolerance.h"
#include "topology/EdgeWatch.h"

namespace {

// The distance from p to the segment a-b, with its nearest point. The
// operations run in the order written: results are fixed to the bit.
double NearestOnSegment(const CFPPoint& a, const CFPPoint& b, const CFPPoint& p, CFPPoint& nearest) {
  const double dx = b.x - a.x;
  const double dy = b.y - a.y;
  const double length = std::hypot(dx, dy);
  const double ux = dx / length;
  const double uy = dy / length;
  const double t = ((p.x - a.x) * ux + (p.y - a.y) * uy) / length;
  // The first end takes every projection up to 2^-52, the second only those
  // past 1, so t = 1 still measures the perpendicular.
  if (t <= fpgeom::kDoubleEpsilon) {
    nearest.x = a.x;
    nearest.y = a.y;
    return std::hypot(p.x - a.x, p.y - a.y);
  }
  if (t > 1.0) {
    nearest.x = b.x;
    nearest.y = b.y;
    return std::hypot(p.x - b.x, p.y - b.y);
  }
  nearest.x = a.x + dx * t;
  nearest.y = a.y + dy * t;
  return std::fabs((p.y - a.y) * ux - (p.x - a.x) * uy);
}

}  // namespace

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
  return NearestOnSegment(m_pVertex1->m_point, m_pVertex2->m_point, pt, nearest);
}

double CEdge::getNearestPt(const CFPPoint& pt, CFPPoint& nearest) const {
  return NearestOnSegment(m_pVertex1->m_point, m_pVertex2->m_point, pt, nearest);
}
