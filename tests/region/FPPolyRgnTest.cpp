#include "fpgeom/region/FPPolyRgn.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <new>
#include <string>

#include "fpgeom/frame/Exceptions.h"
#include "region/RegionTestSupport.h"

namespace {

using fpgeom::test::AllocationCounter;
using fpgeom::test::ContentsOf;
using fpgeom::test::Coordinates;
using fpgeom::test::CountedPolygon;
using fpgeom::test::MakePolygon;
using fpgeom::test::PointsOf;
using fpgeom::test::PolygonsOf;
using fpgeom::test::ScopedAllocationFailure;

const Coordinates kTriangle = {{0, 0}, {0, 1}, {1, 0}};
const Coordinates kSquare = {{0, 0}, {0, 2}, {2, 2}, {2, 0}};
const Coordinates kSegment = {{5, 5}, {6, 6}};

// A region of three counted polygons; the test keeps the raw pointers to
// compare, the region owns the polygons.
struct CountedRegion {
  CFPPolyRgn region;
  CountedPolygon* first = Adopt(kTriangle);
  CountedPolygon* second = Adopt(kSquare);
  CountedPolygon* third = Adopt(kSegment);

  CountedPolygon* Adopt(const Coordinates& points) {
    auto* polygon = new CountedPolygon(points);
    region.AddPolygon(polygon);
    return polygon;
  }
};

TEST(PolyRgn, NewRegionIsEmptyWithItsCursorAtTheEnd) {
  CFPPolyRgn region;
  EXPECT_EQ(region.getCount(), 0);
  EXPECT_EQ(region.isEmpty(), 1);
  EXPECT_EQ(region.isIterationFinished(), 1);
  region.BeginIteration();
  EXPECT_EQ(region.isIterationFinished(), 1);
  EXPECT_THROW(region.getCurrentPolygon(), CInvalidArgException);
  EXPECT_THROW(region.getNextPolygon(), CInvalidArgException);
}

TEST(PolyRgn, AddPolygonReturnsTwoAndKeepsTheOrderOfAddition) {
  CFPPolyRgn region;
  auto* first = new CFPPolygon;
  auto* second = new CFPPolygon;
  auto* third = new CFPPolygon;
  EXPECT_EQ(region.AddPolygon(first), 2);
  region.BeginIteration();
  EXPECT_EQ(region.AddPolygon(second), 2);
  EXPECT_EQ(region.AddPolygon(third), 2);
  // Adding does not move the cursor off the head.
  EXPECT_EQ(region.getCurrentPolygon(), first);
  EXPECT_EQ(region.getCount(), 3);
  EXPECT_EQ(region.isEmpty(), 0);
  EXPECT_EQ(PolygonsOf(region), (std::vector<CFPPolygon*>{first, second, third}));
  EXPECT_EQ(region.isIterationFinished(), 1);
}

TEST(PolyRgn, GetNextPolygonReturnsThePolygonAtTheCursorAndStepsOn) {
  CountedRegion counted;
  CFPPolyRgn& region = counted.region;
  region.BeginIteration();
  EXPECT_EQ(region.getCurrentPolygon(), counted.first);
  EXPECT_EQ(region.getNextPolygon(), counted.first);
  EXPECT_EQ(region.getCurrentPolygon(), counted.second);
  EXPECT_EQ(region.isIterationFinished(), 0);
  region.getNextPolygon();
  EXPECT_EQ(region.getNextPolygon(), counted.third);
  EXPECT_EQ(region.isIterationFinished(), 1);
  EXPECT_THROW(region.getNextPolygon(), CInvalidArgException);
}

TEST(PolyRgn, RectangleConstructionAndAssignmentHoldOneRingOfTheRectangle) {
  const Coordinates expected = {{0, 0}, {0, 1}, {2, 1}, {2, 0}};
  const CFPPolyRgn built(CFPRect(0.0, 2.0, 0.0, 1.0));
  EXPECT_EQ(built.isIterationFinished(), 1);
  EXPECT_EQ(ContentsOf(built), std::vector<Coordinates>{expected});

  CountedRegion counted;
  counted.region = CFPRect(0.0, 2.0, 0.0, 1.0);
  EXPECT_EQ(CountedPolygon::Alive(), 0);
  EXPECT_EQ(counted.region.isIterationFinished(), 1);
  EXPECT_EQ(ContentsOf(counted.region), std::vector<Coordinates>{expected});
}

TEST(PolyRgn, AddPolyRgnAndIntersectDoNothingAndReturnZero) {
  CountedRegion counted;
  const CFPPolyRgn other(CFPRect(0.0, 2.0, 0.0, 1.0));
  const auto polygon = MakePolygon(kSquare);
  const auto regionBefore = ContentsOf(counted.region);
  const auto otherBefore = ContentsOf(other);

  EXPECT_EQ(counted.region.AddPolyRgn(other), 0);
  EXPECT_EQ(counted.region.Intersect(other), 0);
  EXPECT_EQ(counted.region.Intersect(*polygon), 0);

  EXPECT_EQ(ContentsOf(counted.region), regionBefore);
  EXPECT_EQ(ContentsOf(other), otherBefore);
  EXPECT_EQ(PointsOf(*polygon), kSquare);
}

TEST(PolyRgn, CopyHoldsNewPolygonsWithTheSamePoints) {
  CountedRegion counted;
  counted.region.BeginIteration();
  const CFPPolyRgn copy(counted.region);

  EXPECT_EQ(counted.region.isIterationFinished(), 1);
  EXPECT_EQ(copy.isIterationFinished(), 1);
  EXPECT_EQ(ContentsOf(copy), ContentsOf(counted.region));
  for (CFPPolygon* polygon : PolygonsOf(copy)) {
    // Copies are plain polygons, never the source's objects.
    EXPECT_EQ(polygon->GetRuntimeClass(), RUNTIME_CLASS(CFPPolygon));
    EXPECT_EQ(polygon->isIterationFinished(), 1);
  }
  EXPECT_EQ(CountedPolygon::Alive(), 3);

  copy.BeginIteration();
  copy.getCurrentPolygon()->AddTailNode(9.0, 9.0);
  EXPECT_EQ(PointsOf(*counted.first), kTriangle);
}

TEST(PolyRgn, AssignmentDeletesTheOwnPolygonsAndCopiesTheSource) {
  CountedRegion counted;
  CFPPolyRgn source(CFPRect(0.0, 2.0, 0.0, 1.0));
  source.AddPolygon(MakePolygon(kTriangle).release());
  counted.region.BeginIteration();

  counted.region = source;

  EXPECT_EQ(CountedPolygon::Alive(), 0);
  EXPECT_EQ(counted.region.isIterationFinished(), 1);
  EXPECT_EQ(source.isIterationFinished(), 1);
  EXPECT_EQ(ContentsOf(counted.region), ContentsOf(source));
  EXPECT_NE(PolygonsOf(counted.region), PolygonsOf(source));
}

TEST(PolyRgn, SelfAssignmentLeavesTheRegionAsItIs) {
  CountedRegion counted;
  const auto polygonsBefore = PolygonsOf(counted.region);
  const auto contentsBefore = ContentsOf(counted.region);
  CFPPolyRgn& sameRegion = counted.region;

  counted.region = sameRegion;

  EXPECT_EQ(CountedPolygon::Alive(), 3);
  EXPECT_EQ(PolygonsOf(counted.region), polygonsBefore);
  EXPECT_EQ(ContentsOf(counted.region), contentsBefore);
}

TEST(PolyRgn, RemoveCurrentPolygonHandsThePolygonToTheCaller) {
  CountedRegion counted;
  EXPECT_EQ(counted.region.RemoveCurrentPolygon(), nullptr);
  EXPECT_EQ(counted.region.getCount(), 3);

  counted.region.BeginIteration();
  counted.region.getNextPolygon();
  std::unique_ptr<CFPPolygon> removed(counted.region.RemoveCurrentPolygon());

  EXPECT_EQ(removed.get(), counted.second);
  EXPECT_EQ(CountedPolygon::Alive(), 3);
  EXPECT_EQ(counted.region.isIterationFinished(), 1);
  EXPECT_EQ(PolygonsOf(counted.region), (std::vector<CFPPolygon*>{counted.first, counted.third}));
}

TEST(PolyRgn, DeleteCurrentPolygonDeletesOnlyThePolygonAtTheCursor) {
  CountedRegion counted;
  counted.region.DeleteCurrentPolygon();
  EXPECT_EQ(CountedPolygon::Alive(), 3);

  counted.region.BeginIteration();
  counted.region.DeleteCurrentPolygon();

  EXPECT_EQ(CountedPolygon::Alive(), 2);
  EXPECT_EQ(counted.region.isIterationFinished(), 1);
  EXPECT_EQ(PolygonsOf(counted.region), (std::vector<CFPPolygon*>{counted.second, counted.third}));
}

TEST(PolyRgn, EmptyRgnAndTheDestructorDeleteEveryPolygon) {
  {
    CountedRegion counted;
    counted.region.BeginIteration();
    counted.region.EmptyRgn();
    EXPECT_EQ(CountedPolygon::Alive(), 0);
    EXPECT_EQ(counted.region.getCount(), 0);
    EXPECT_EQ(counted.region.isIterationFinished(), 1);
    counted.region.AddPolygon(new CountedPolygon(kSquare));
  }
  EXPECT_EQ(CountedPolygon::Alive(), 0);
}

TEST(PolyRgn, SetCurrentPolygonReplacesThePointerWithoutDeletingTheOldPolygon) {
  CountedRegion counted;
  counted.region.BeginIteration();
  counted.region.getNextPolygon();
  auto* replacement = new CountedPolygon(kSquare);

  counted.region.setCurrentPolygon(replacement);
  std::unique_ptr<CFPPolygon> replaced(counted.second);

  EXPECT_EQ(CountedPolygon::Alive(), 4);
  EXPECT_EQ(counted.region.getCurrentPolygon(), replacement);
  EXPECT_EQ(PolygonsOf(counted.region), (std::vector<CFPPolygon*>{counted.first, replacement, counted.third}));
}

TEST(PolyRgn, SetCurrentPolygonAtTheEndThrowsAndStillTakesThePolygon) {
  CountedRegion counted;
  EXPECT_THROW(counted.region.setCurrentPolygon(new CountedPolygon(kSquare)), CInvalidArgException);
  EXPECT_EQ(CountedPolygon::Alive(), 3);
  EXPECT_EQ(PolygonsOf(counted.region), (std::vector<CFPPolygon*>{counted.first, counted.second, counted.third}));
}

TEST(PolyRgn, IsCreatableByNameWithoutSchemaAndNotRegistered) {
  const CRuntimeClass* runtimeClass = RUNTIME_CLASS(CFPPolyRgn);
  EXPECT_EQ(std::string(runtimeClass->m_lpszClassName), "CFPPolyRgn");
  EXPECT_EQ(runtimeClass->m_wSchema, 0xFFFFu);
  EXPECT_TRUE(runtimeClass->IsDerivedFrom(RUNTIME_CLASS(CObject)));
  EXPECT_EQ(CRuntimeClass::FromName("CFPPolyRgn"), nullptr);

  std::unique_ptr<CObject> created(runtimeClass->CreateObject());
  ASSERT_NE(created, nullptr);
  EXPECT_EQ(created->GetRuntimeClass(), runtimeClass);
  EXPECT_EQ(static_cast<CFPPolyRgn*>(created.get())->getCount(), 0);
}

TEST(PolyRgn, AddPolygonDeletesThePolygonWhenTheListCannotGrow) {
  CFPPolyRgn region;
  auto* polygon = new CountedPolygon(kSquare);
  {
    const ScopedAllocationFailure failure(0);
    EXPECT_THROW(region.AddPolygon(polygon), std::bad_alloc);
  }
  EXPECT_EQ(CountedPolygon::Alive(), 0);
  EXPECT_EQ(region.getCount(), 0);
}

// Fails each allocation of a copy in turn: whichever fails, every block the
// copy made is released and the source is untouched.
TEST(PolyRgn, CopyOrAssignmentThatRunsOutOfMemoryLeavesNothingBehind) {
  CountedRegion counted;
  const auto contents = ContentsOf(counted.region);
  bool copied = false;
  for (int successes = 0; !copied; ++successes) {
    const std::ptrdiff_t liveBefore = AllocationCounter::LiveBlocks();
    try {
      const ScopedAllocationFailure failure(successes);
      const CFPPolyRgn copy(counted.region);
      copied = true;
    } catch (const std::bad_alloc&) {
    }
    EXPECT_EQ(AllocationCounter::LiveBlocks(), liveBefore) << "failing allocation " << successes;
    EXPECT_EQ(ContentsOf(counted.region), contents);
  }

  CFPPolyRgn target(CFPRect(0.0, 1.0, 0.0, 1.0));
  bool assigned = false;
  for (int successes = 0; !assigned; ++successes) {
    try {
      const ScopedAllocationFailure failure(successes);
      target = counted.region;
      assigned = true;
    } catch (const std::bad_alloc&) {
      // A failed assignment leaves a valid region holding a prefix of the
      // source.
      const auto partial = ContentsOf(target);
      ASSERT_LE(partial.size(), contents.size());
      EXPECT_TRUE(std::equal(partial.begin(), partial.end(), contents.begin()));
    }
  }
  EXPECT_EQ(ContentsOf(target), contents);
}

}  // namespace
