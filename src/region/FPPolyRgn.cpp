#include "fpgeom/region/FPPolyRgn.h"

#include <utility>

IMPLEMENT_DYNCREATE(CFPPolyRgn, CObject)

CFPPolyRgn::CFPPolyRgn() = default;

CFPPolyRgn::CFPPolyRgn(const CFPRect& rect) : CFPPolyRgn() {
  AppendOwned(std::make_unique<CFPPolygon>(rect));
}

// Delegating to the default constructor makes the region complete before the
// first copy is made, so a throw part way runs the destructor, which deletes
// the copies already appended.
CFPPolyRgn::CFPPolyRgn(const CFPPolyRgn& src) : CFPPolyRgn() { AppendCopiesOf(src); }

void CFPPolyRgn::operator=(const CFPPolyRgn& src) {
  // Emptying first would destroy the very polygons to be copied.
  if (&src == this) return;
  EmptyRgn();
  AppendCopiesOf(src);
}

void CFPPolyRgn::operator=(const CFPRect& rect) {
  EmptyRgn();
  AppendOwned(std::make_unique<CFPPolygon>(rect));
}

CFPPolyRgn::~CFPPolyRgn() { EmptyRgn(); }

void CFPPolyRgn::AppendOwned(std::unique_ptr<CFPPolygon> polygon) {
  m_polygons.AddTail(polygon.get());
  polygon.release();
}

void CFPPolyRgn::AppendCopiesOf(const CFPPolyRgn& src) {
  for (src.m_pos = src.m_polygons.GetHeadPosition(); src.m_pos != nullptr;) {
    auto copy = std::make_unique<CFPPolygon>();
    *copy = *src.m_polygons.GetNext(src.m_pos);
    AppendOwned(std::move(copy));
  }
}

int CFPPolyRgn::AddPolygon(CFPPolygon* polygon) {
  AppendOwned(std::unique_ptr<CFPPolygon>(polygon));
  return 2;
}

int CFPPolyRgn::AddPolyRgn(const CFPPolyRgn&) { return 0; }

int CFPPolyRgn::Intersect(const CFPPolyRgn&) { return 0; }

int CFPPolyRgn::Intersect(const CFPPolygon&) { return 0; }

CFPPolygon* CFPPolyRgn::RemoveCurrentPolygon() {
  if (m_pos == nullptr) return nullptr;
  CFPPolygon* polygon = m_polygons.GetAt(m_pos);
  m_polygons.RemoveAt(m_pos);
  m_pos = nullptr;
  return polygon;
}

void CFPPolyRgn::DeleteCurrentPolygon() { std::unique_ptr<CFPPolygon> removed(RemoveCurrentPolygon()); }

void CFPPolyRgn::EmptyRgn() {
  while (!m_polygons.IsEmpty()) delete m_polygons.RemoveHead();
  m_pos = nullptr;
}

void CFPPolyRgn::setCurrentPolygon(CFPPolygon* polygon) {
  std::unique_ptr<CFPPolygon> owned(polygon);
  m_polygons.SetAt(m_pos, owned.get());
  owned.release();
}

void CFPPolyRgn::BeginIteration() const { m_pos = m_polygons.GetHeadPosition(); }

int CFPPolyRgn::isIterationFinished() const { return m_pos == nullptr ? 1 : 0; }

CFPPolygon* CFPPolyRgn::getCurrentPolygon() const { return m_polygons.GetAt(m_pos); }

CFPPolygon* CFPPolyRgn::getNextPolygon() const { return m_polygons.GetNext(m_pos); }

int CFPPolyRgn::getCount() const { return static_cast<int>(m_polygons.GetCount()); }

int CFPPolyRgn::isEmpty() const { return m_polygons.IsEmpty() ? 1 : 0; }
