#include "fpgeom/topology/PolygonList.h"

#include "fpgeom/polygon/FPPolygon.h"
#include "topology/CursorWalk.h"

namespace {
using PolygonWalk = fpgeom::detail::CursorWalk<CFPPolygon>;
}  // namespace

CPolygonList::CPolygonList() = default;

CPolygonList::~CPolygonList() = default;

void CPolygonList::AddLink(CFPPolygon* pPolygon) { m_polygons.AddTail(pPolygon); }

void CPolygonList::AddLink(const CPolygonList* pList) {
  // Counted first, so that a list given itself stops at the entries it had
  // and does not walk on into the ones it appends.
  INT_PTR remaining = pList->m_polygons.GetCount();
  for (pList->BeginIteration(); remaining > 0; --remaining) AddLink(pList->GetNextPoly());
  pList->m_pos = nullptr;
}

void CPolygonList::RemoveLink(CFPPolygon* pPolygon) { PolygonWalk::RemoveFirst(m_polygons, m_pos, pPolygon); }

int CPolygonList::IsLinked() const { return m_polygons.IsEmpty() ? 1 : 0; }

void CPolygonList::BeginIteration() const { PolygonWalk::Begin(m_polygons, m_pos); }

CFPPolygon* CPolygonList::GetCurrentPoly() const { return PolygonWalk::Current(m_polygons, m_pos); }

CFPPolygon* CPolygonList::GetNextPoly() const { return PolygonWalk::Next(m_polygons, m_pos); }

int CPolygonList::isIterationFinished() const { return PolygonWalk::IsFinished(m_pos); }

void CPolygonList::RemoveCurrentPoly() {
  if (m_pos == nullptr) return;
  m_polygons.RemoveAt(m_pos);
  m_pos = nullptr;
}
