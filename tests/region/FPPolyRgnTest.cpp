#include "fpgeom/region/FPPolyRgn.h"

#include <gtest/gtest.h>

#include <memory>
#include <new>
#include <vector>

#include "fpgeom/frame/Exceptions.h"
#include "region/RegionTestSupport.h"

namespace {

using namespace fpgeom::test;
using Polygons = std::vector<CFPPolygon*>;

const Coordinates kTriangle = {{0, 0}, {0, 1}, {1, 0}};
const CFPRect kRect(0.0, 2.0, 0.0, 1.0);

// A region of three counted polygons; the test keeps the raw pointers to
// compare, the region owns the polygons.
struct CountedRegion {
  CFPPolyRgn region;
  CountedPolygon* first = Adopt(kTriangle);
  CountedPolygon* second = Adopt({{0, 0}, {0, 2}, {2, 2}, {2, 0}});
  CountedPolygon* third = Adopt({{5, 5}, {6, 6}});

  CountedPolygon* Adopt(const Coordinates& points) {
    auto* polygon = new CountedPolygon(points);
    region.AddPolygon(polygon);
    return polygon;
  }
};

TEST(PolyRgn, IteratesInTheOrderOfAdditionAndThrowsAtTheEnd) {
  CountedRegion counted;
  CFPPolyRgn& region = counted.region;
  EXPECT_EQ(region.isIterationFinished(), 1);
  region.BeginIteration();
  auto* fourth = new CountedPolygon;
  EXPECT_EQ(region.AddPolygon(fourth), 2);
  EXPECT_EQ(region.getNextPolygon(), counted.first) << "adding does not move the cursor";
  EXPECT_EQ(region.getCurrentPolygon(), counted.second);
  EXPECT_EQ(PolygonsOf(region), (Polygons{counted.first, counted.second, counted.third, fourth}));
  EXPECT_THROW(region.getNextPolygon(), CInvalidArgException);
  EXPECT_THROW(region.getCurrentPolygon(), CInvalidArgException);
}

TEST(PolyRgn, CopiesArePlainPolygonsOfTheSamePointsAndLeaveBothCursorsAtTheEnd) {
  CountedRegion counted;
  counted.region.BeginIteration();
  const CFPPolyRgn copy(counted.region);
  EXPECT_EQ(counted.region.isIterationFinished(), 1);
  EXPECT_EQ(copy.isIterationFinished(), 1);
  EXPECT_EQ(ContentsOf(copy), ContentsOf(counted.region));
  for (CFPPolygon* polygon : PolygonsOf(copy)) EXPECT_EQ(polygon->GetRuntimeClass(), RUNTIME_CLASS(CFPPolygon));
  EXPECT_EQ(CountedPolygon::Alive(), 3);
  copy.BeginIteration();
  copy.getCurrentPolygon()->AddTailNode(9.0, 9.0);
  EXPECT_EQ(PointsOf(*counted.first), kTriangle);
}

TEST(PolyRgn, AssignmentDeletesTheOwnPolygonsUnlessTheSourceIsTheRegionItself) {
  CountedRegion counted;
  const Polygons before = PolygonsOf(counted.region);
  CFPPolyRgn& sameRegion = counted.region;
  counted.region = sameRegion;
  EXPECT_EQ(PolygonsOf(counted.region), before);
  EXPECT_EQ(CountedPolygon::Alive(), 3);

  const CFPPolyRgn source(kRect);
  EXPECT_EQ(ContentsOf(source), std::vector<Coordinates>{PointsOf(CFPPolygon(kRect))});
  counted.region = source;
  EXPECT_EQ(CountedPolygon::Alive(), 0);
  EXPECT_EQ(ContentsOf(counted.region), ContentsOf(source));
  EXPECT_NE(PolygonsOf(counted.region), PolygonsOf(source));

  counted.region.AddPolygon(new CountedPolygon);
  counted.region = kRect;
  EXPECT_EQ(CountedPolygon::Alive(), 0);
  EXPECT_EQ(ContentsOf(counted.region), ContentsOf(source));
}

TEST(PolyRgn, RemoveHandsThePolygonBackWhileDeleteEmptyAndTheDestructorDestroy) {
  std::unique_ptr<CFPPolygon> removed;
  {
    CountedRegion counted;
    CFPPolyRgn& region = counted.region;
    EXPECT_EQ(region.RemoveCurrentPolygon(), nullptr);
    region.DeleteCurrentPolygon();
    EXPECT_EQ(CountedPolygon::Alive(), 3) << "nothing at the end to remove";

    region.BeginIteration();
    region.getNextPolygon();
    removed.reset(region.RemoveCurrentPolygon());
    EXPECT_EQ(removed.get(), counted.second);
    EXPECT_EQ(region.isIterationFinished(), 1);
    region.BeginIteration();
    region.DeleteCurrentPolygon();
    EXPECT_EQ(region.isIterationFinished(), 1);
    EXPECT_EQ(CountedPolygon::Alive(), 2);
    EXPECT_EQ(PolygonsOf(region), Polygons{counted.third});

    region.BeginIteration();
    region.EmptyRgn();
    EXPECT_EQ(region.isIterationFinished(), 1);
    EXPECT_EQ(region.getCount(), 0);
    EXPECT_EQ(CountedPolygon::Alive(), 1);
    region.AddPolygon(new CountedPolygon);
  }
  EXPECT_EQ(CountedPolygon::Alive(), 1);
}

TEST(PolyRgn, SetCurrentPolygonReplacesThePointerAndTakesThePolygonEvenWhenItThrows) {
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
}

TEST(PolyRgn, IsCreatableByNameWithoutSchemaAndNotRegistered) {
  EXPECT_EQ(RUNTIME_CLASS(CFPPolyRgn)->m_wSchema, 0xFFFFu);
  EXPECT_EQ(CRuntimeClass::FromName("CFPPolyRgn"), nullptr);
  const std::unique_ptr<CObject> created(RUNTIME_CLASS(CFPPolyRgn)->CreateObject());
  EXPECT_EQ(created->GetRuntimeClass(), RUNTIME_CLASS(CFPPolyRgn));
}

// Fails each allocation of a copy in turn: whichever fails, every block the
// copy made is released and the source is untouched.
TEST(PolyRgn, RunningOutOfMemoryLeaksNothing) {
  CFPPolyRgn empty;
  auto* polygon = new CountedPolygon;
  {
    const AllocationFailure failure(0);
    EXPECT_THROW(empty.AddPolygon(polygon), std::bad_alloc);
  }
  EXPECT_EQ(CountedPolygon::Alive(), 0);

  CountedRegion counted;
  const auto contents = ContentsOf(counted.region);
  for (int successes = 0;; ++successes) {
    const std::ptrdiff_t liveBefore = LiveBlocks();
    try {
      const AllocationFailure failure(successes);
      const CFPPolyRgn copy(counted.region);
      break;
    } catch (const std::bad_alloc&) {
    }
    EXPECT_EQ(LiveBlocks(), liveBefore) << "failing allocation " << successes;
    EXPECT_EQ(ContentsOf(counted.region), contents);
  }
}

}  // namespace
