#include "fpgeom/polygon/FPPolygon.h"

namespace {

using PointList = CList<CFPPoint, const CFPPoint&>;

// Examines the points from `from` on, toward the tail or toward the head,
// and gives the position of the first that equals pt (2^-23 per coordinate),
// or the end.
POSITION FirstMatchFrom(const PointList& points, POSITION from, const CFPPoint& pt, bool towardTail) {
  while (from != nullptr) {
    const POSITION examined = from;
    const CFPPoint& stored = towardTail ? points.GetNext(from) : points.GetPrev(from);
    if (stored == pt) return examined;
  }
  return nullptr;
}

}  // namespace

int CFPPolygon::Find(const CFPPoint& pt) const {
  m_pos = FirstMatchFrom(m_points, m_points.GetHeadPosition(), pt, true);
  return m_pos != nullptr ? 1 : 0;
}

int CFPPolygon::FindNext(const CFPPoint& pt) const {
  m_pos = FirstMatchFrom(m_points, m_pos, pt, true);
  return m_pos != nullptr ? 1 : 0;
}

int CFPPolygon::ReverseFind(const CFPPoint& pt) const {
  m_pos = FirstMatchFrom(m_points, m_points.GetTailPosition(), pt, false);
  return m_pos != nullptr ? 1 : 0;
}

int CFPPolygon::ReverseFindNext(const CFPPoint& pt) const {
  m_pos = FirstMatchFrom(m_points, m_pos, pt, false);
  return m_pos != nullptr ? 1 : 0;
}
