// CFPPolygon: a closed ring of points (the tail joins back to the head; the
// closing point is not repeated) with one cursor, m_pos, that designates one
// point or is at the end (null). The cursor is not part of the value: the
// caller's iteration and the polygon's own walks share it, and operations
// declared const move it too. Each operation says where it leaves the cursor;
// after one that walks the ring, an iterating caller begins again.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "fpgeom/frame/Export.h"
#include "fpgeom/frame/List.h"
#include "fpgeom/frame/ObList.h"
#include "fpgeom/frame/Object.h"
#include "fpgeom/frame/WinTypes.h"
#include "fpgeom/values/FPPoint.h"
#include "fpgeom/values/FPRect.h"
#include "fpgeom/values/FPSegment.h"
#include "fpgeom/values/FPSize.h"

enum TagDirection : int { DIR_FORWARD = 0, DIR_BACKWARD = 1 };

class CFPPolygon;

namespace fpgeom::detail {
struct PointLocation;  // the library's own; not part of the interface
}  // namespace fpgeom::detail

namespace fpgeom {
// The loops into which a ring that meets itself falls apart (empty when it
// meets itself nowhere or has fewer than three points); see CFPPolygon's
// breakdown. The polygon's cursor ends as the breakdown leaves it.
FPGEOM_API std::vector<std::unique_ptr<CFPPolygon>> BreakdownLoops(const CFPPolygon& polygon);
namespace detail {
// Exchanges the rings of two polygons, cursors included; never throws. For
// the library's own edits, which build a ring aside and then put it in place.
void ExchangeRings(CFPPolygon& first, CFPPolygon& second) noexcept;
}  // namespace detail

// How a breakdown ended. kGaveUp: the ring meets itself, but rounding made the
// working copy grow past the breakdown's bound (2n^2 + 4n + 16 points for a
// ring of n) and the breakdown was abandoned; the specified members then act
// as for a ring that meets itself nowhere.
enum class SelfMeeting : int { kNowhere = 0, kLoops = 1, kGaveUp = 2 };

struct BreakdownVerdict {
  SelfMeeting meeting = SelfMeeting::kNowhere;
  // The loops, for kLoops only.
  std::vector<std::unique_ptr<CFPPolygon>> loops;
  // For kGaveUp, the working copy's point count when it was abandoned.
  std::uint64_t pointsReached = 0;
};

// The breakdown of BreakdownLoops with its outcome told apart: the same loops,
// the same effect on the cursor.
FPGEOM_API BreakdownVerdict BreakDownRing(const CFPPolygon& polygon);
}  // namespace fpgeom

class FPGEOM_API CFPPolygon : public CObject {
 public:
  // Construction: every constructor leaves the cursor at the end.
  CFPPolygon();
  // (left, bottom), (left, top), (right, top), (right, bottom), as stored.
  explicit CFPPolygon(const CFPRect& rect);
  // Each point put in at the head in array order, so the ring runs in the
  // reverse order of the array; n <= 0 gives an empty polygon.
  CFPPolygon(const tagPOINT* pts, int n);
  CFPPolygon(const CFPPolygon& src);
  // Copies src head to tail with src's cursor, which ends at the end; this
  // polygon's cursor is at the end. Assigning a polygon to itself changes
  // nothing.
  void operator=(const CFPPolygon& src);
  ~CFPPolygon() override;

  // Cursor and iteration. getNextNode, getPrevNode, getCurrentNode and
  // setCurrentNode need a cursor that designates a point: at the end they
  // throw CInvalidArgException. The non-const forms return references that
  // write through to the stored point; the const forms return copies.
  void BeginIteration(TagDirection dir) const;  // any value but DIR_FORWARD starts at the tail
  void BeginIteration(int index) const;          // at the end when out of range
  void BeginIteration(const CFPPoint& pt) const; // Find with the result dropped
  CFPPoint& getNextNode();
  CFPPoint getNextNode() const;
  CFPPoint& getPrevNode();
  CFPPoint getPrevNode() const;
  CFPPoint& getCurrentNode();
  CFPPoint getCurrentNode() const;
  CFPPoint& getHeadNode();
  CFPPoint getHeadNode() const;
  CFPPoint& getTailNode();
  CFPPoint getTailNode() const;
  void setCurrentNode(const CFPPoint& pt);
  int isIterationFinished() const;
  int isPosValid() const;
  int getCount() const;
  int isEmpty() const;

  // Adding at the ends and emptying; none of these moves the cursor, except
  // that a cursor on a removed point goes to the end.
  void AddHeadNode(const double& x, const double& y);
  void AddHeadNode(const CFPPoint& pt);
  void AddTailNode(const double& x, const double& y);
  void AddTailNode(const CFPPoint& pt);
  void RemoveAll();

  // Writes the points as rounded integers head to tail when size holds them
  // all and returns 1 (cursor at the end); otherwise 0, nothing written.
  int FillArray(tagPOINT* buf, int size);

  // Searching by value within 2^-23 per coordinate: 1 with the cursor on the
  // match, else 0 with the cursor at the end. The Next forms examine the
  // point at the cursor first.
  int Find(const CFPPoint& pt) const;
  int FindNext(const CFPPoint& pt) const;
  int ReverseFind(const CFPPoint& pt) const;
  int ReverseFindNext(const CFPPoint& pt) const;

  // Inserting next to points found by value.
  void InsertBefore(const CFPPoint& ptBefore, const CFPPoint& pt);
  void InsertAfter(const CFPPoint& ptAfter, const CFPPoint& pt);
  // pt goes into every edge of the ring as it was on entry that joins a point
  // matching p1 to a neighbour matching p2; the cursor ends at the end.
  void InsertBetween(const CFPPoint& p1, const CFPPoint& p2, const CFPPoint& pt);

  // Removing. Misuse (out of range, cursor at the end, empty polygon) throws
  // CInvalidArgException and leaves the ring as it was.
  void RemoveNode(const CFPPoint& pt);
  void RemoveNodeByIndex(int index);
  void RemoveCurrentNode();
  CFPPoint RemoveHeadNode();
  CFPPoint RemoveTailNode();
  // Reverses the points by exchanging values; the cursor keeps its node.
  void Revert();

  // Measures: signed area positive for a clockwise ring (y up); a ring of
  // non-negative area is filled.
  double Area() const;
  int isFilled() const;
  CFPRect getBoundsRect() const;
  int getMassCenter(CFPPoint& center) const;
  int GetCenterPoint(CFPPoint& center) const;

  // Transforms; each leaves the cursor at the end.
  void mirror(int mode, double x0, double y0);
  void resize(const CFPPoint& origin, double kx, double ky);
  void rotate(double angle, CFPPoint center);
  void operator+=(CFPSize size);
  void operator-=(CFPSize size);

  // Point location and proximity; self-intersecting rings are decided on the
  // loops of their breakdown.
  int PtInPolygon(const CFPPoint& pt) const;
  int PtInPolygon(double x, double y) const;
  double DistanceFromPoint(const CFPPoint& pt) const;
  int GetNearestVertex(const CFPPoint& pt, double tolerance, CFPPoint& vertex) const;
  int GetNearestEdge(const CFPPoint& pt, double tolerance, CFPSegment& edge, int closed) const;
  // Throws CInvalidArgException when either polygon is empty and no vertex
  // test decided the answer.
  int isIntersect(const CFPPolygon& other) const;

  // Algorithms: clean-up of coincident and collinear points (1 when at least
  // three points remain, else the polygon is emptied and 0), the area with
  // every loop counted positive, and clipping by a rectangle.
  int OptimizeAndCheck();
  double ScalarArea() const;
  int IntersectRect(const CFPRect& rect);

  // Archive record: the point count, then x and y of each point head to tail.
  void Serialize(CArchive& ar) override;

  DECLARE_SERIAL(CFPPolygon)

 protected:
  CList<CFPPoint, const CFPPoint&> m_points;
  mutable POSITION m_pos = nullptr;

 private:
  using LoopList = CTypedPtrList<CObList, CFPPolygon*>;

  int PtInSimplePolygon(const CFPPoint& pt) const;
  // The loops of a ring that meets itself, as a new list of new polygons
  // that the caller deletes; null when there are none.
  LoopList* Breakdown() const;

  // A copy of the ring as it was when a breakdown last found that it meets
  // itself nowhere, for long rings: a breakdown of the same points, bit for
  // bit, needs no new search. Compared rather than trusted, so no way of
  // changing the points can make it stale.
  mutable std::vector<CFPPoint> m_meetsItselfNowhere;

  friend std::vector<std::unique_ptr<CFPPolygon>> fpgeom::BreakdownLoops(const CFPPolygon& polygon);
  friend struct fpgeom::detail::PointLocation;
  friend void fpgeom::detail::ExchangeRings(CFPPolygon& first, CFPPolygon& second) noexcept;
  friend fpgeom::BreakdownVerdict fpgeom::BreakDownRing(const CFPPolygon& polygon);
};
