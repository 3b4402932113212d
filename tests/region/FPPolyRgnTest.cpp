#include "fpgeom/region/FPPolyRgn.h"

#include <gtest/gtest.h>

#include <memory>
#include <new>
#include <vector>

#include "fpgeom/frame/Exceptions.h"
#include "support/AllocationCounter.h"
#include "support/Shapes.h"

namespace {

using namespace fpgeom::test;
using Polygons = std::vector<CFPPolygon*>;

const Ring kTriangle = {{0, 0}, {0, 1}, {1, 0}};

// The region owns the polygons; the raw pointers are kept to compare.
struct CountedRegion {
  CFPPolyRgn region;
  CountedPolygon* first = Adopt(kTriangle);
  CountedPolygon* second = Adopt({{0, 0}, {0, 2}, {2, 2}, {2, 0}});
  CountedPolygon* third = Adopt({{5, 5}, {6, 6}});

  CountedPolygon* Adopt(const Ring& points) {
    auto* polygon = new CountedPolygon(points);
    region.AddPolygon(polygon);
    return polygon;
  }
};

// Copies are plain polygons of the same points, owned apart from the source;
// an assignment destroys the polygons held, unless the region is its own source.
TEST(PolyRgn, CopiesAndAssignmentsReplaceTheOwnPolygonsWithPlainCopies) {
  CountedRegion counted;
  counted.region.BeginIteration();
  const CFPPolyRgn copy(counted.region);
  EXPECT_EQ(std::make_pair(counted.region.isIterationFinished(), copy.isIterationFinished()), std::make_pair(1, 1));
  EXPECT_EQ(WalkedRegion(copy), WalkedRegion(counted.region));
  for (CFPPolygon* polygon : PolygonsOf(copy)) EXPECT_EQ(polygon->GetRuntimeClass(), RUNTIME_CLASS(CFPPolygon));

  const Polygons before = PolygonsOf(counted.region);
  CFPPolyRgn& sameRegion = counted.region;
  counted.region = sameRegion;
  EXPECT_EQ(PolygonsOf(counted.region), before);
  counted.region = copy;
  EXPECT_EQ(CountedPolygon::Alive(), 0);
  EXPECT_EQ(WalkedRegion(counted.region), WalkedRegion(copy));
  EXPECT_NE(PolygonsOf(counted.region), PolygonsOf(copy));
}

// The cursor walks in the order of addition, which does not move it.
// RemoveCurrentPolygon hands the polygon back; every other way out deletes it.
TEST(PolyRgn, RemoveHandsThePolygonBackWhileDeleteEmptyAndTheDestructorDestroy) {
  std::unique_ptr<CFPPolygon> removed;
  {
    CountedRegion counted;
    CFPPolyRgn& region = counted.region;
    EXPECT_EQ(region.RemoveCurrentPolygon(), nullptr) << "nothing at the end to remove";
    region.BeginIteration();
    auto* fourth = new CountedPolygon;
    region.AddPolygon(fourth);
    EXPECT_EQ(region.getNextPolygon(), counted.first);
    removed.reset(region.RemoveCurrentPolygon());
    EXPECT_EQ(removed.get(), counted.second);
    EXPECT_EQ(region.isIterationFinished(), 1);
    EXPECT_THROW(region.getNextPolygon(), CInvalidArgException);
    region.DeleteCurrentPolygon();
    region.BeginIteration();
    region.DeleteCurrentPolygon();
    EXPECT_EQ(PolygonsOf(region), (Polygons{counted.third, fourth}));
    EXPECT_EQ(CountedPolygon::Alive(), 3);
    region.EmptyRgn();
    EXPECT_EQ(CountedPolygon::Alive(), 1);
    region.AddPolygon(new CountedPolygon);
  }
  EXPECT_EQ(CountedPolygon::Alive(), 1);
}

// The region takes the polygon it is given even when it cannot place it.
TEST(PolyRgn, SetCurrentAndAddTakeThePolygonEvenWhenTheyThrow) {
  CountedRegion counted;
  EXPECT_THROW(counted.region.setCurrentPolygon(new CountedPolygon), CInvalidArgException);
  EXPECT_EQ(CountedPolygon::Alive(), 3);
  counted.region.BeginIteration();
  counted.region.getNextPolygon();
  auto* replacement = new CountedPolygon;
  counted.region.setCurrentPolygon(replacement);
  const std::unique_ptr<CFPPolygon> replaced(counted.second);
  EXPECT_EQ(CountedPolygon::Alive(), 4);
  EXPECT_EQ(PolygonsOf(counted.region), (Polygons{counted.first, replacement, counted.third}));

  CFPPolyRgn empty;  // a list with spare nodes would not allocate
  auto* polygon = new CountedPolygon;
  {
    const AllocationFailure failure(0);
    EXPECT_THROW(empty.AddPolygon(polygon), std::bad_alloc);
  }
  EXPECT_EQ(CountedPolygon::Alive(), 4);
}

}  // namespace
