// CFPPolyRgn: a region that owns an ordered list of polygons, with one cursor,
// m_pos, that designates one polygon or is at the end (null); the cursor is
// not part of the value, const operations move it, every operation that walks
// the list leaves it at the end, and after a removal, emptying, assignment or
// loading a caller calls BeginIteration before using it again.
#pragma once

#include <memory>

#include "fpgeom/frame/Export.h"
#include "fpgeom/frame/ObList.h"
#include "fpgeom/frame/Object.h"
#include "fpgeom/frame/WinTypes.h"
#include "fpgeom/polygon/FPPolygon.h"
#include "fpgeom/values/FPPoint.h"
#include "fpgeom/values/FPRect.h"
#include "fpgeom/values/FPSize.h"

class CArchive;

class FPGEOM_API CFPPolyRgn : public CObject {
 public:
  // Construction, assignment, destruction. Copies are deep: each polygon is
  // copied head to tail with the source's cursor, which ends at the end.
  // Assignment deletes the region's own polygons first; assigning a region to
  // itself changes nothing. Every polygon still owned is deleted on
  // destruction.
  CFPPolyRgn();
  explicit CFPPolyRgn(const CFPRect& rect);
  CFPPolyRgn(const CFPPolyRgn& src);
  void operator=(const CFPPolyRgn& src);
  void operator=(const CFPRect& rect);
  ~CFPPolyRgn() override;

  // Editing the list. The region takes every polygon handed to AddPolygon or
  // setCurrentPolygon (a null pointer is not allowed), even when the call
  // throws; RemoveCurrentPolygon hands the polygon back to the caller, and
  // every other way out of the list deletes it. AddPolygon always returns 2;
  // AddPolyRgn and both Intersect overloads do nothing and return 0.
  int AddPolygon(CFPPolygon* polygon);
  int AddPolyRgn(const CFPPolyRgn& rgn);
  int Intersect(const CFPPolyRgn& rgn);
  int Intersect(const CFPPolygon& polygon);
  // Null when the cursor is at the end.
  CFPPolygon* RemoveCurrentPolygon();
  void DeleteCurrentPolygon();
  void EmptyRgn();
  // Replaces the pointer at the cursor without deleting the polygon that
  // stood there; the caller answers for that one. Throws
  // CInvalidArgException when the cursor is at the end.
  void setCurrentPolygon(CFPPolygon* polygon);

  // Iteration: BeginIteration, then getNextPolygon while isIterationFinished
  // is 0. getCurrentPolygon and getNextPolygon throw CInvalidArgException
  // when the cursor is at the end.
  void BeginIteration() const;
  int isIterationFinished() const;
  CFPPolygon* getCurrentPolygon() const;
  CFPPolygon* getNextPolygon() const;
  int getCount() const;
  int isEmpty() const;

  // Queries over every polygon in list order. They leave the cursor at the
  // end, except that PtInRgn and isIntersect(const CFPPolygon&) stop on the
  // polygon after the first hit, and PtInRgn, GetCenterPoint and
  // getMassCenter of an empty region do not touch it. DistanceFromPoint of
  // an empty region throws CInvalidArgException. isIntersect(const CFPRect&)
  // answers what IntersectRect would, on a copy.
  double Area() const;
  int PtInRgn(const CFPPoint& pt) const;
  double DistanceFromPoint(const CFPPoint& pt) const;
  int GetNearestVertex(CFPPoint pt, double limit, CFPPoint& vertex);
  CFPRect getBoundsRect() const;
  int GetCenterPoint(CFPPoint& center) const;
  int getMassCenter(CFPPoint& center) const;
  int isIntersect(const CFPPolygon& polygon) const;
  int isIntersect(const CFPRect& rect) const;

  // Clipping: every polygon clipped by the rectangle, the results ORed; the
  // polygons left without points are then removed and deleted.
  int IntersectRect(const CFPRect& rect);

  // Transforms of every point of every polygon; the cursor ends at the end.
  void mirror(int axis, double cx, double cy);
  void resize(const CFPPoint& origin, double kx, double ky);
  void rotate(double angle, CFPPoint center);
  void operator+=(CFPSize size);
  void operator-=(CFPSize size);

  // Archive record: the framework's object list of the polygons (the count,
  // then each polygon as an object reference). Loading deletes the region's
  // polygons first; an object of another class is badClass, and the polygons
  // read before an error stay.
  void Serialize(CArchive& ar) override;

  DECLARE_DYNCREATE(CFPPolyRgn)

 protected:
  CTypedPtrList<CObList, CFPPolygon*> m_polygons;
  mutable POSITION m_pos = nullptr;

 private:
  // Appends a polygon the region now owns; it is deleted if the list cannot
  // take it.
  void AppendOwned(std::unique_ptr<CFPPolygon> polygon);
  void AppendCopiesOf(const CFPPolyRgn& src);
};
