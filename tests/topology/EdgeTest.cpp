#include <gtest/gtest.h>

#include <cmath>

#include "fpgeom/fpgeom.h"

namespace {

struct NearestCase {
  double px, py;
  double distance;
  double nearestX, nearestY;
};

}  // namespace

TEST(Edge, ConstructorsSetTheEndsAndStartWithNoPolygon) {
  CVertex a(CFPPoint(0, 0)), b(CFPPoint(1, 0));
  const CEdge edge(&a, &b);
  EXPECT_EQ(edge.m_pVertex1, &a);
  EXPECT_EQ(edge.m_pVertex2, &b);
  EXPECT_EQ(edge.IsLinked(), 1);
  EXPECT_EQ(edge.isIterationFinished(), 1);

  CEdge unset;
  unset.m_pVertex1 = &b;
  unset.m_pVertex2 = &a;
  EXPECT_EQ(unset.distance(CFPPoint(0.5, 2)), 2.0);
}

TEST(Edge, GetNearestPtMeasuresToTheSegmentWithTheFirstEndTakingTinyProjections) {
  CVertex a(CFPPoint(0, 0)), b(CFPPoint(10, 0));
  const CEdge edge(&a, &b);
  const NearestCase cases[] = {
      {5, 3, 3, 5, 0},
      {-4, 3, 5, 0, 0},
      {13, 4, 5, 10, 0},
      {10, 3, 3, 10, 0},  // t is exactly 1: still the perpendicular
      {7.5, 0, 0, 7.5, 0},
      {-2, 0, 2, 0, 0},
      // t = 1e-18 lies at or below 2^-52, so the nearest point is the end
      // itself, not (1e-17, 0).
      {1e-17, 5, 5, 0, 0},
  };
  for (const NearestCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "P = (" << c.px << ", " << c.py << ")");
    CFPPoint nearest(-99, -99);
    EXPECT_EQ(edge.getNearestPt(CFPPoint(c.px, c.py), nearest), c.distance);
    EXPECT_EQ(nearest.x, c.nearestX);
    EXPECT_EQ(nearest.y, c.nearestY);
    EXPECT_EQ(edge.distance(CFPPoint(c.px, c.py)), c.distance);
  }
}

TEST(Edge, MeasuresTheSameDistanceWithItsEndsSwapped) {
  CVertex a(CFPPoint(1, 1)), b(CFPPoint(4, 5));
  const CEdge forward(&a, &b), backward(&b, &a);
  for (const CFPPoint& p : {CFPPoint(0, 0), CFPPoint(5, 5), CFPPoint(2, 4), CFPPoint(4, 1)}) {
    EXPECT_DOUBLE_EQ(forward.distance(p), backward.distance(p))
        << "(" << p.x << ", " << p.y << "): the two directions round differently in the last bits";
  }
}

TEST(Edge, AnEdgeWhoseEndsCoincideMeasuresNotANumber) {
  CVertex a(CFPPoint(3, 3)), b(CFPPoint(3, 3));
  const CEdge edge(&a, &b);
  CFPPoint nearest(0, 0);
  EXPECT_TRUE(std::isnan(edge.getNearestPt(CFPPoint(4, 4), nearest)));
  EXPECT_TRUE(std::isnan(nearest.x));
  EXPECT_TRUE(std::isnan(nearest.y));
  EXPECT_TRUE(std::isnan(edge.distance(CFPPoint(3, 3))));
}
