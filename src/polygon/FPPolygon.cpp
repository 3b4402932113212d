#include "fpgeom/polygon/FPPolygon.h"

#include <utility>

#include "polygon/RingWalk.h"
#include "values/IntegerRounding.h"

IMPLEMENT_SERIAL(CFPPolygon, CObject, 1)

CFPPolygon::CFPPolygon() = default;

// The ring built from a rectangle runs clockwise (y up) when the rectangle
// is normalised, which gives it a positive area.
CFPPolygon::CFPPolygon(const CFPRect& rect) {
  AddTailNode(rect.left, rect.bottom);
  AddTailNode(rect.left, rect.top);
  AddTailNode(rect.right, rect.top);
  AddTailNode(rect.right, rect.bottom);
}

CFPPolygon::CFPPolygon(const tagPOINT* pts, int n) {
  for (int i = 0; i < n; ++i) AddHeadNode(static_cast<double>(pts[i].x), static_cast<double>(pts[i].y));
}

CFPPolygon::CFPPolygon(const CFPPolygon& src) : CObject() { *this = src; }

void CFPPolygon::operator=(const CFPPolygon& src) {
  if (&src == this) return;
  RemoveAll();
  fpgeom::detail::WalkForward(src.m_points, src.m_pos, [this](const CFPPoint& point) { m_points.AddTail(point); });
}

CFPPolygon::~CFPPolygon() = default;

void fpgeom::detail::ExchangeRings(CFPPolygon& first, CFPPolygon& second) noexcept {
  first.m_points.Swap(second.m_points);
  std::swap(first.m_pos, second.m_pos);
  first.m_meetsItselfNowhere.swap(second.m_meetsItselfNowhere);
}

void CFPPolygon::BeginIteration(TagDirection dir) const {
  m_pos = dir == DIR_FORWARD ? m_points.GetHeadPosition() : m_points.GetTailPosition();
}

void CFPPolygon::BeginIteration(int index) const { m_pos = m_points.FindIndex(index); }

void CFPPolygon::BeginIteration(const CFPPoint& pt) const { Find(pt); }

// The list itself refuses a cursor at the end, before anything moves.
CFPPoint& CFPPolygon::getNextNode() { return m_points.GetNext(m_pos); }
CFPPoint CFPPolygon::getNextNode() const { return m_points.GetNext(m_pos); }
CFPPoint& CFPPolygon::getPrevNode() { return m_points.GetPrev(m_pos); }
CFPPoint CFPPolygon::getPrevNode() const { return m_points.GetPrev(m_pos); }
CFPPoint& CFPPolygon::getCurrentNode() { return m_points.GetAt(m_pos); }
CFPPoint CFPPolygon::getCurrentNode() const { return m_points.GetAt(m_pos); }
CFPPoint& CFPPolygon::getHeadNode() { return m_points.GetHead(); }
CFPPoint CFPPolygon::getHeadNode() const { return m_points.GetHead(); }
CFPPoint& CFPPolygon::getTailNode() { return m_points.GetTail(); }
CFPPoint CFPPolygon::getTailNode() const { return m_points.GetTail(); }
void CFPPolygon::setCurrentNode(const CFPPoint& pt) { m_points.SetAt(m_pos, pt); }

int CFPPolygon::isIterationFinished() const { return m_pos == nullptr ? 1 : 0; }
int CFPPolygon::isPosValid() const { return m_pos != nullptr ? 1 : 0; }
int CFPPolygon::getCount() const { return static_cast<int>(m_points.GetCount()); }
int CFPPolygon::isEmpty() const { return m_points.IsEmpty() ? 1 : 0; }

void CFPPolygon::AddHeadNode(const double& x, const double& y) { m_points.AddHead(CFPPoint(x, y)); }
void CFPPolygon::AddHeadNode(const CFPPoint& pt) { m_points.AddHead(pt); }
void CFPPolygon::AddTailNode(const double& x, const double& y) { m_points.AddTail(CFPPoint(x, y)); }
void CFPPolygon::AddTailNode(const CFPPoint& pt) { m_points.AddTail(pt); }

// The cursor goes to the end rather than keep a position of a freed node.
void CFPPolygon::RemoveAll() {
  m_points.RemoveAll();
  m_pos = nullptr;
}

int CFPPolygon::FillArray(tagPOINT* buf, int size) {
  if (size < getCount()) return 0;
  tagPOINT* out = buf;
  fpgeom::detail::WalkForward(m_points, m_pos, [&out](const CFPPoint& point) {
    *out++ = tagPOINT{fpgeom::detail::RoundToInt32(point.x), fpgeom::detail::RoundToInt32(point.y)};
  });
  return 1;
}
