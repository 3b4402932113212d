// CPolygonList: the polygons that share one element of a topology, in the
// order they were linked, with one cursor, m_pos, that designates an entry or
// is at the end. A polygon may be listed more than once; none is owned, so
// the host unlinks a polygon before destroying it. The cursor is not part of
// the value: the caller's iteration and the list's own walks share it, and
// const operations move it too.
#pragma once

#include "fpgeom/frame/Export.h"
#include "fpgeom/frame/ObList.h"
#include "fpgeom/frame/Object.h"
#include "fpgeom/frame/WinTypes.h"

class CFPPolygon;

class FPGEOM_API CPolygonList : public CObject {
 public:
  // Construction: empty, cursor at the end. No runtime class of its own.
  CPolygonList();
  CPolygonList(const CPolygonList&) = delete;
  CPolygonList& operator=(const CPolygonList&) = delete;
  ~CPolygonList() override;

  // Linking, without any duplicate test. AddLink of a list appends its
  // entries in its order and leaves its cursor at the end; given this list
  // itself, it appends the entries present when the call began.
  void AddLink(CFPPolygon* pPolygon);
  void AddLink(const CPolygonList* pList);
  // Removes the first entry that is this very polygon; throws
  // CInvalidArgException when there is none. The cursor stays unless it was
  // on the removed entry, in which case it goes to the end.
  void RemoveLink(CFPPolygon* pPolygon);
  // Beware the sense: 1 when no polygon is linked, 0 when one is.
  int IsLinked() const;

  // Iteration. GetCurrentPoly and GetNextPoly throw CInvalidArgException
  // with the cursor at the end. RemoveCurrentPoly removes the entry that
  // GetCurrentPoly would return (nothing at the end) and leaves the cursor
  // at the end.
  void BeginIteration() const;
  CFPPolygon* GetCurrentPoly() const;
  CFPPolygon* GetNextPoly() const;
  int isIterationFinished() const;
  void RemoveCurrentPoly();

 protected:
  CTypedPtrList<CObList, CFPPolygon*> m_polygons;
  mutable POSITION m_pos = nullptr;
};
