// CFPSegment: the straight segment from pt1 to pt2, and IntersectSegments,
// which classifies how two segments meet.
#pragma once

#include "fpgeom/frame/Export.h"
#include "fpgeom/frame/Object.h"
#include "fpgeom/values/FPPoint.h"

enum INTERSECT_TYPE : int {
  INTERSECT_NONE = 0,      // not parallel; the lines cross outside a segment
  INTERSECT_POINT = 1,     // the segments cross at one point on both
  INTERSECT_PARALLEL = 2,  // parallel, no shared point found
  INTERSECT_OVERLAP = 3    // collinear, an end point of one lies on the other
};

class FPGEOM_API CFPSegment : public CObject {
 public:
  CFPSegment() {}  // end points unset
  CFPSegment(const CFPPoint& point1, const CFPPoint& point2);
  CFPSegment(const CFPSegment& segment);
  CFPSegment& operator=(const CFPSegment& segment);

  // Equal end for end within 2^-23 per coordinate.
  bool operator==(const CFPSegment& segment) const;
  // Not an assignment: equality that ignores direction. Neither side changes.
  bool operator|=(const CFPSegment& segment) const;

  double GetSize() const;
  double distance(const CFPPoint& point) const;
  // The same distance, and the nearest point of the segment in nearest.
  double getNearestPt(const CFPPoint& point, CFPPoint& nearest) const;

  // A segment has no record of its own: storing and loading write and read
  // nothing beyond the object reference.
  void Serialize(CArchive& ar) override;

  CFPPoint pt1;
  CFPPoint pt2;

  DECLARE_SERIAL(CFPSegment)
};

// Segment a1-a2 against b1-b2; out is written only for INTERSECT_POINT and
// INTERSECT_OVERLAP.
FPGEOM_API INTERSECT_TYPE IntersectSegments(const CFPPoint& a1, const CFPPoint& a2, const CFPPoint& b1,
                                            const CFPPoint& b2, CFPPoint& out);
