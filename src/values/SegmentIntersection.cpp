#include <algorithm>
#include <cmath>

#include "fpgeom/values/FPSegment.h"
#include "fpgeom/values/Tolerance.h"

using fpgeom::kDoubleEpsilon;
using fpgeom::kOnePlusDoubleEpsilon;

namespace {

// The open parameter range of a point on a segment, widened by 2^-52 at
// both ends.
bool InOpenUnitRange(double parameter) { return -kDoubleEpsilon < parameter && parameter < kOnePlusDoubleEpsilon; }

// Strictly between the two bounds widened by 2^-52. The widening is absolute,
// so far from the origin it rounds away and ends that merely touch miss.
bool InWidenedSpan(double value, double bound1, double bound2) {
  return std::min(bound1, bound2) - kDoubleEpsilon < value && value < std::max(bound1, bound2) + kDoubleEpsilon;
}

// Lines that are not parallel: the crossing, when it lies on both segments.
INTERSECT_TYPE CrossingOfSegments(const CFPPoint& a1, const CFPPoint& b1, double daX, double daY, double dbX,
                                  double dbY, double denominator, CFPPoint& out) {
  const double alongA = (dbY * (b1.x - a1.x) - dbX * (b1.y - a1.y)) / denominator;
  if (!InOpenUnitRange(alongA)) return INTERSECT_NONE;
  const double alongB = (daY * (b1.x - a1.x) - daX * (b1.y - a1.y)) / denominator;
  if (!InOpenUnitRange(alongB)) return INTERSECT_NONE;
  out.x = a1.x + daX * alongA;
  out.y = a1.y + daY * alongA;
  return INTERSECT_POINT;
}

// Parallel segments with b along a coordinate axis. across is the coordinate
// that is constant along b, along the one that varies.
INTERSECT_TYPE OverlapOnAxisLine(const CFPPoint& a1, const CFPPoint& a2, const CFPPoint& b1, const CFPPoint& b2,
                                 double CFPPoint::*across, double CFPPoint::*along, CFPPoint& out) {
  if (!(std::fabs(a1.*across - b1.*across) < kDoubleEpsilon)) return INTERSECT_PARALLEL;
  // a1, a2, b1 in this order; b2 is never needed, since any overlap holds one
  // of the other three.
  for (const CFPPoint* end : {&a1, &a2}) {
    if (InWidenedSpan(end->*along, b1.*along, b2.*along)) {
      out = *end;
      return INTERSECT_OVERLAP;
    }
  }
  if (InWidenedSpan(b1.*along, a1.*along, a2.*along)) {
    out = b1;
    return INTERSECT_OVERLAP;
  }
  return INTERSECT_PARALLEL;
}

// Whether point lies on the oblique segment from origin along (dirX, dirY):
// its parameters by y and by x agree and fall in the open unit range.
bool LiesOnObliqueSegment(const CFPPoint& point, const CFPPoint& origin, double dirX, double dirY) {
  const double parameter = (point.y - origin.y) / dirY;
  return std::fabs((point.x - origin.x) / dirX - parameter) < kDoubleEpsilon && InOpenUnitRange(parameter);
}

// Parallel segments with b oblique.
INTERSECT_TYPE OverlapOnObliqueLine(const CFPPoint& a1, const CFPPoint& a2, const CFPPoint& b1, double daX, double daY,
                                    double dbX, double dbY, CFPPoint& out) {
  for (const CFPPoint* end : {&a1, &a2}) {
    if (LiesOnObliqueSegment(*end, b1, dbX, dbY)) {
      out = *end;
      return INTERSECT_OVERLAP;
    }
  }
  if (LiesOnObliqueSegment(b1, a1, daX, daY)) {
    out = b1;
    return INTERSECT_OVERLAP;
  }
  return INTERSECT_PARALLEL;
}

}  // namespace

// All tolerances are absolute and all comparisons strict; the formulas keep
// their written order so that results are fixed to the bit.
INTERSECT_TYPE IntersectSegments(const CFPPoint& a1, const CFPPoint& a2, const CFPPoint& b1, const CFPPoint& b2,
                                 CFPPoint& out) {
  const double daX = a2.x - a1.x;
  const double daY = a2.y - a1.y;
  const double dbX = b2.x - b1.x;
  const double dbY = b2.y - b1.y;
  const double denominator = dbY * daX - dbX * daY;
  if (std::fabs(denominator) >= kDoubleEpsilon) {
    return CrossingOfSegments(a1, b1, daX, daY, dbX, dbY, denominator, out);
  }
  if (std::fabs(dbX) < kDoubleEpsilon) return OverlapOnAxisLine(a1, a2, b1, b2, &CFPPoint::x, &CFPPoint::y, out);
  if (std::fabs(dbY) < kDoubleEpsilon) return OverlapOnAxisLine(a1, a2, b1, b2, &CFPPoint::y, &CFPPoint::x, out);
  return OverlapOnObliqueLine(a1, a2, b1, daX, daY, dbX, dbY, out);
}
