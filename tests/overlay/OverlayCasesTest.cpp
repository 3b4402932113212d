// Small regions whose areas are known exactly: nesting, touching, bow-ties,
// rings wound twice, holes that touch or share edges with their ring, and
// input the operations must refuse.
#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "fpgeom/frame/Exceptions.h"
#include "overlay/OverlayTesting.h"

namespace fpgeom::test {
namespace {

// Clockwise (filled) with y up, and the same square the other way round.
Ring Square(double left, double bottom, double size) {
  return {{left, bottom}, {left, bottom + size}, {left + size, bottom + size}, {left + size, bottom}};
}
Ring Reversed(Ring ring) {
  std::reverse(ring.begin(), ring.end());
  return ring;
}
Ring Twice(const Ring& ring) {
  Ring twice = ring;
  twice.insert(twice.end(), ring.begin(), ring.end());
  return twice;
}

int Holes(const CFPPolyRgn& region) {
  int holes = 0;
  for (CFPPolygon* polygon : PolygonsOf(region)) holes += polygon->Area() < 0 ? 1 : 0;
  return holes;
}

struct AreaCase {
  const char* name;
  std::vector<Ring> rings;
  double evenOddArea;
  double nonZeroArea;
  int evenOddRings;
  int nonZeroRings;
  int evenOddHoles;
};

TEST(OverlayCases, AreaOfRegionsUnderEachRule) {
  const Ring notch = {{0, 2}, {0, 8}, {5, 5}};
  const Ring touching = {{0, 5}, {4, 3}, {4, 7}};  // a vertex on the outer ring's left edge
  const std::vector<AreaCase> cases = {
      {"nested squares, same direction", {Square(0, 0, 10), Square(2, 2, 6)}, 64, 100, 2, 1, 1},
      {"nested squares, inner reversed", {Square(0, 0, 10), Reversed(Square(2, 2, 6))}, 64, 64, 2, 2, 1},
      {"hole listed first", {Reversed(Square(2, 2, 6)), Square(0, 0, 10)}, 64, 64, 2, 2, 1},
      {"lone counter-clockwise square", {Reversed(Square(0, 0, 3))}, 9, 9, 1, 1, 0},
      {"bow-tie", {{{0, 0}, {2, 2}, {2, 0}, {0, 2}}}, 2, 2, 2, 2, 0},
      {"square wound twice", {Twice(Square(0, 0, 10))}, 0, 100, 0, 1, 0},
      {"square given twice", {Square(0, 0, 10), Square(0, 0, 10)}, 0, 100, 0, 1, 0},
      {"hole touching its ring at a point", {Square(0, 0, 10), touching}, 92, 92, 2, 2, 1},
      {"hole sharing an edge with its ring", {Square(0, 0, 10), Reversed(notch)}, 85, 85, 1, 1, 0},
      {"two-point and empty rings add nothing", {Square(0, 0, 1), {{5, 5}, {6, 6}}, {}}, 1, 1, 1, 1, 0},
  };
  for (const AreaCase& c : cases) {
    SCOPED_TRACE(c.name);
    const CFPPolyRgn region = RegionOf(c.rings);
    const CFPPolyRgn evenOdd = Normalize(region, FillRule::kEvenOdd);
    const CFPPolyRgn nonZero = Normalize(region, FillRule::kNonZero);
    ExpectNormalForm(evenOdd);
    ExpectNormalForm(nonZero);
    EXPECT_DOUBLE_EQ(evenOdd.Area(), c.evenOddArea);
    EXPECT_DOUBLE_EQ(nonZero.Area(), c.nonZeroArea);
    EXPECT_EQ(evenOdd.getCount(), c.evenOddRings);
    EXPECT_EQ(nonZero.getCount(), c.nonZeroRings);
    EXPECT_EQ(Holes(evenOdd), c.evenOddHoles);
  }
}

TEST(OverlayCases, OperationsOnTouchingAndNestedSquares) {
  const CFPPolyRgn left = RegionOf({Square(0, 0, 1)});
  const CFPPolyRgn right = RegionOf({Reversed(Square(1, 0, 1))});
  EXPECT_EQ(Union(left, right).getCount(), 1);  // one ring: the shared edge goes
  EXPECT_EQ(Union(left, right).Area(), 2);
  EXPECT_EQ(Intersection(left, right).getCount(), 0);
  EXPECT_EQ(Difference(left, right).Area(), 1);
  EXPECT_EQ(SymmetricDifference(left, right).Area(), 2);

  const CFPPolyRgn corner = RegionOf({Square(1, 1, 1)});
  const CFPPolyRgn meetingAtCorner = Union(left, corner);
  ExpectNormalForm(meetingAtCorner);
  EXPECT_EQ(meetingAtCorner.Area(), 2);
  EXPECT_EQ(AreaContains(meetingAtCorner, CFPPoint(1, 1)), 1);

  const CFPPolyRgn big = RegionOf({Square(0, 0, 10)});
  const CFPPolyRgn small = RegionOf({Square(2, 2, 6)});
  const CFPPolyRgn frame = Difference(big, small);
  ExpectNormalForm(frame);
  EXPECT_EQ(frame.Area(), 64);
  EXPECT_EQ(Holes(frame), 1);
  EXPECT_EQ(Intersection(big, small).Area(), 36);
  EXPECT_EQ(Difference(small, big).getCount(), 0);
  // Boundaries belong to the area; the hole's inside does not.
  EXPECT_EQ(AreaContains(frame, CFPPoint(2, 5)), 1);
  EXPECT_EQ(AreaContains(frame, CFPPoint(5, 5)), 0);
  EXPECT_EQ(AreaContains(frame, CFPPoint(10, 10)), 1);
}

TEST(OverlayCases, EmptyRegionsAndNonFiniteCoordinates) {
  const CFPPolyRgn empty;
  const CFPPolyRgn square = RegionOf({Square(0, 0, 2)});
  EXPECT_EQ(Union(empty, empty).getCount(), 0);
  EXPECT_EQ(Union(empty, square).Area(), 4);
  EXPECT_EQ(Intersection(square, empty).getCount(), 0);
  EXPECT_EQ(AreaContains(empty, CFPPoint(0, 0)), 0);

  for (const double bad : {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity()}) {
    const CFPPolyRgn broken = RegionOf({Square(0, 0, 1), {{0, 0}, {bad, 1}, {1, 0}}});
    EXPECT_THROW(Normalize(broken), CInvalidArgException);
    EXPECT_THROW(Union(square, broken, FillRule::kNonZero), CInvalidArgException);
    EXPECT_THROW(Difference(broken, square), CInvalidArgException);
    EXPECT_THROW(AreaContains(broken, CFPPoint(0.5, 0.5)), CInvalidArgException);
    EXPECT_THROW(AreaContains(square, CFPPoint(bad, 0.5)), CInvalidArgException);
  }
}

}  // namespace
}  // namespace fpgeom::test
