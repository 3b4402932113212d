#include <gtest/gtest.h>

#include <cmath>

#include "TopologySupport.h"
#include "fpgeom/fpgeom.h"

TEST(Edge, GetNearestPtMeasuresToTheSegmentWithTheFirstEndTakingTinyProjections) {
  CVertex a(CFPPoint(0, 0)), b(CFPPoint(10, 0));
  const CEdge edge(&a, &b);
  const struct {
    double px, py, distance, nearestX, nearestY;
  } cases[] = {
      {5, 3, 3, 5, 0},
      {-4, 3, 5, 0, 0},
      {13, 4, 5, 10, 0},
      {10, 3, 3, 10, 0},   // t is exactly 1: still the perpendicular
      {1e-17, 5, 5, 0, 0}, // t = 1e-18 is at most 2^-52: the end itself, not (1e-17, 0)
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "P = (" << c.px << ", " << c.py << ")");
    CFPPoint nearest(-99, -99);
    EXPECT_EQ(edge.getNearestPt(CFPPoint(c.px, c.py), nearest), c.distance);
    topology_test::ExpectAt(nearest, c.nearestX, c.nearestY);
    EXPECT_EQ(edge.distance(CFPPoint(c.px, c.py)), c.distance);
  }
  CVertex c(CFPPoint(3, 3)), alsoC(CFPPoint(3, 3));
  CFPPoint nearest(0, 0);
  EXPECT_TRUE(std::isnan(CEdge(&c, &alsoC).getNearestPt(CFPPoint(4, 4), nearest))) << "coinciding ends";
  EXPECT_TRUE(std::isnan(nearest.x));
}
