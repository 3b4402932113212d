#include "SegmentTour.h"

#include <array>

#include <fpgeom/fpgeom.h>

#include "Describe.h"

namespace host_demo {
namespace {

struct SegmentPair {
  CFPPoint a1, a2, b1, b2;
  INTERSECT_TYPE expected;
  CFPPoint expectedPoint;  // the common point; only meeting results have one
};

bool Meets(INTERSECT_TYPE type) { return type == INTERSECT_POINT || type == INTERSECT_OVERLAP; }

bool SamePosition(const CFPPoint& p, const CFPPoint& q) { return p.x == q.x && p.y == q.y; }

}  // namespace

int ShowSegmentIntersections(std::ostream& out) {
  const CFPPoint untouched(-1.0, -1.0);
  const std::array<SegmentPair, 4> pairs{{
      {{0, 0}, {10, 10}, {0, 10}, {10, 0}, INTERSECT_POINT, {5, 5}},
      {{0, 0}, {1, 1}, {0, 10}, {10, 0}, INTERSECT_NONE, untouched},
      {{0, 0}, {10, 0}, {0, 1}, {10, 1}, INTERSECT_PARALLEL, untouched},
      {{0, 0}, {10, 0}, {5, 0}, {20, 0}, INTERSECT_OVERLAP, {10, 0}},
  }};

  out << "Segment intersections\n";
  int mismatches = 0;
  for (const SegmentPair& pair : pairs) {
    // The common point is written only when the segments meet.
    CFPPoint common = untouched;
    const INTERSECT_TYPE type = IntersectSegments(pair.a1, pair.a2, pair.b1, pair.b2, common);
    out << "  " << Describe(pair.a1) << "-" << Describe(pair.a2) << " against " << Describe(pair.b1) << "-"
        << Describe(pair.b2) << ": " << NameOf(type);
    if (Meets(type)) {
      out << " at " << Describe(common);
    }
    const bool asExpected = type == pair.expected && SamePosition(common, pair.expectedPoint);
    if (!asExpected) {
      out << "  MISMATCH, expected " << NameOf(pair.expected);
      ++mismatches;
    }
    out << '\n';
  }
  return mismatches;
}

}  // namespace host_demo
