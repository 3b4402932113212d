// Makes each allocation of an operation fail in turn (the first, then the
// second, ...) until the operation completes, and checks after every failure
// that nothing leaked, that the objects are still whole, and that the state
// each operation promises on failure holds.
#include <algorithm>
#include <cmath>
#include <functional>
#include <iostream>
#include <memory>
#include <new>
#include <tuple>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "support/AllocationCounter.h"
#include "support/CheckedTopology.h"
#include "support/Shapes.h"
#include "values/ArchiveRecord.h"

namespace fpgeom::test {
namespace {

// arrange() makes the objects before any failure is armed; act(objects) is
// the operation under test; check(objects) runs after each failure, before
// the objects are destroyed. The operation must allocate at least once.
template <class Arrange, class Objects>
void SweepAllocationFailures(const char* operation, Arrange arrange, const std::function<void(Objects&)>& act,
                             const std::function<void(Objects&)>& check) {
  // Stops at this operation's first failure, not at an earlier operation's.
  const auto failures = [] {
    return ::testing::UnitTest::GetInstance()->current_test_info()->result()->total_part_count();
  };
  const int failuresBefore = failures();
  for (long failing = 0; failing < 100000; ++failing) {
    const std::ptrdiff_t liveBefore = AllocationCounter::LiveBlocks();
    bool failed = false;
    {
      std::unique_ptr<Objects> objects = arrange();
      AllocationCounter::FailAfter(failing);
      try {
        act(*objects);
      } catch (const std::bad_alloc&) {
        EXPECT_TRUE(AllocationCounter::HasFailed()) << "a bad_alloc that was not injected";
      }
      AllocationCounter::Disarm();
      failed = AllocationCounter::HasFailed();
      if (failed) check(*objects);
    }
    EXPECT_EQ(AllocationCounter::LiveBlocks(), liveBefore) << operation << ": leak after failing allocation " << failing;
    if (failures() > failuresBefore) {
      ADD_FAILURE() << operation << ": failing allocation " << failing;
      return;
    }
    if (!failed) {
      EXPECT_GT(failing, 0) << operation << " allocated nothing";
      std::cout << "[ swept    ] " << operation << ": " << failing << " allocation failure points\n";
      return;
    }
  }
  ADD_FAILURE() << operation << " never completed";
}

Ring Spiral(int points) {
  Ring ring;
  for (int i = 0; i < points; ++i) ring.emplace_back(i, (i % 3) * i);
  return ring;
}

// A five-pointed star drawn in one stroke: every edge crosses two others.
const Ring kStar = {{0, 3}, {2, -3}, {-3, 1}, {3, 1}, {-2, -3}};
const Ring kLegs = {{0, 0}, {2, 0}, {2, 4}, {4, 4}, {4, 0}, {6, 0}, {6, 6}, {0, 6}};
const Ring kSpiral = Spiral(25);
const std::vector<Ring> kRegionRings = {Spiral(12), kLegs, kStar};
constexpr tagPOINT kUntouched = {-7, -7};

template <class Whole>
bool IsPrefix(const Whole& part, const Whole& whole) {
  return part.size() <= whole.size() && std::equal(part.begin(), part.end(), whole.begin());
}

// What the polygon and region sweeps act on, made afresh for each failure.
struct Shapes {
  CFPPolygon spiral = PolygonOf(kSpiral), star = PolygonOf(kStar), legs = PolygonOf(kLegs);
  CFPPolyRgn region = RegionOf(kRegionRings), otherRegion = RegionOf({kLegs});
  std::vector<tagPOINT> clipped = std::vector<tagPOINT>(8, kUntouched);
  std::vector<BYTE> polygonRecord = StoreRecord(spiral);
  std::vector<BYTE> regionRecord = StoreRecord(region);
  LoadingArchive polygonLoad{polygonRecord};
  LoadingArchive regionLoad{regionRecord};
};

TEST(AllocationFailure, PolygonAndRegionOperationsLeaveEveryShapeWholeAndKeepTheirPromises) {
  using Step = std::function<void(Shapes&)>;
  const Step starUnchanged = [](Shapes& s) { EXPECT_EQ(WalkedRing(s.star), kStar); };
  const Step spiralUnchanged = [](Shapes& s) { EXPECT_EQ(WalkedRing(s.spiral), kSpiral); };
  const Step regionUnchanged = [](Shapes& s) { EXPECT_EQ(WalkedRegion(s.region), kRegionRings); };
  const Step nothing = [](Shapes&) {};
  struct Case {
    const char* operation;
    Step act;
    Step check;
  };
  const Case cases[] = {
      {"AddTailNode", [](Shapes& s) { AppendRing(s.star, kSpiral); },
       [](Shapes& s) {
         // The points added before the failure stay, and the ring still grows.
         Ring whole = kStar;
         whole.insert(whole.end(), kSpiral.begin(), kSpiral.end());
         const Ring kept = WalkedRing(s.star);
         EXPECT_TRUE(kept.size() >= kStar.size() && IsPrefix(kept, whole));
         s.star.AddTailNode(9, 9);
         EXPECT_EQ(WalkedRing(s.star).size(), kept.size() + 1);
       }},
      {"CFPPolygon copy", [](Shapes& s) { CFPPolygon copy(s.spiral); }, spiralUnchanged},
      {"CFPPolygon assignment", [](Shapes& s) { s.star = s.spiral; }, spiralUnchanged},
      {"IntersectRect", [](Shapes& s) { s.legs.IntersectRect(CFPRect(1, 5, 1, 3)); }, nothing},
      {"IntersectPolyWithRect",
       [](Shapes& s) {
         const tagPOINT square[] = {{0, 0}, {10, 0}, {10, 10}, {0, 10}};
         const tagRECT rect = {2, 2, 8, 8};
         IntersectPolyWithRect(square, 4, &rect, s.clipped.data(), static_cast<int>(s.clipped.size()));
       },
       [](Shapes& s) {  // writes nothing when it fails
         EXPECT_TRUE(std::all_of(s.clipped.begin(), s.clipped.end(),
                                 [](const tagPOINT& p) { return p.x == kUntouched.x && p.y == kUntouched.y; }));
       }},
      {"BreakdownLoops", [](Shapes& s) { BreakdownLoops(s.star); }, starUnchanged},
      {"ScalarArea", [](Shapes& s) { s.star.ScalarArea(); }, starUnchanged},
      {"PtInPolygon", [](Shapes& s) { s.star.PtInPolygon(0.0, 0.0); }, starUnchanged},
      {"CFPPolygon::Serialize loading", [](Shapes& s) { s.star.Serialize(s.polygonLoad.archive); },
       [](Shapes& s) { EXPECT_TRUE(IsPrefix(WalkedRing(s.star), kSpiral)); }},
      {"CFPPolyRgn::Serialize loading", [](Shapes& s) { s.otherRegion.Serialize(s.regionLoad.archive); },
       [](Shapes& s) {
         const std::vector<Ring> kept = WalkedRegion(s.otherRegion);
         EXPECT_TRUE(kept.size() < kRegionRings.size() && IsPrefix(kept, kRegionRings));
       }},
      {"CFPPolyRgn copy", [](Shapes& s) { CFPPolyRgn copy(s.region); }, regionUnchanged},
      {"CFPPolyRgn assignment", [](Shapes& s) { s.otherRegion = s.region; }, regionUnchanged},
  };
  for (const Case& c : cases) {
    SweepAllocationFailures(
        c.operation, [] { return std::make_unique<Shapes>(); }, c.act,
        Step([&c](Shapes& s) {
          for (const CFPPolygon* polygon : {&s.spiral, &s.star, &s.legs}) WalkedRing(*polygon);
          WalkedRegion(s.region);
          WalkedRegion(s.otherRegion);
          c.check(s);
        }));
  }
}

std::unique_ptr<LinkedMap> MapOf(const std::vector<Ring>& rings) {
  auto map = std::make_unique<LinkedMap>();
  for (const Ring& ring : rings) AppendRing(*map->polygons.emplace_back(std::make_unique<CFPPolygon>()), ring);
  return map;
}

// Linked as a host links them, the edge index built too.
void Build(LinkedMap& map) {
  map.Link();
  map.edges.GetNearest(CFPPoint(5, 5), 1);
}

CEdge* EdgeAt(const LinkedMap& map, const CFPPoint& pt) { return map.edges.GetNearest(pt, 0.1); }

// Every ring, every vertex position and every vertex's neighbours.
std::tuple<std::vector<Ring>, Ring, std::vector<Ring>> StateOf(const LinkedMap& map) {
  std::vector<Ring> rings;
  for (const auto& polygon : map.polygons) rings.push_back(WalkedRing(*polygon));
  std::vector<Ring> neighbours;
  for (CVertex* vertex : Listed(map.vertices)) neighbours.push_back(PositionsOf(NeighborsOf(*vertex)));
  return {rings, PositionsOf(Listed(map.vertices)), neighbours};
}

// Whether a failure lands in the framework or in an index (which gives up
// and walks), what was built answers as a walk.
void ExpectAnswersAsWalks(LinkedMap& map) {
  WalkModel<CVertex> vertexWalk{Listed(map.vertices)};
  WalkModel<CEdge> edgeWalk{Listed(map.edges)};
  for (int probe = 0; probe < 12; ++probe) {
    const CFPPoint pt(0.93 * probe, 0.57 * probe);
    EXPECT_EQ(map.vertices.GetNearest(pt, 0.6), vertexWalk.Nearest(pt, 0.6)) << probe;
    EXPECT_EQ(map.edges.GetNearest(pt, 0.6), edgeWalk.Nearest(pt, 0.6)) << probe;
  }
  // Adding what is there already finds it rather than adding a twin.
  for (std::size_t i = 0; i < vertexWalk.order.size(); i += 7) {
    CVertex* vertex = vertexWalk.order[i];
    EXPECT_EQ(map.vertices.AddVertex(vertex->m_point, map.polygons.front().get()), vertex);
  }
  for (std::size_t i = 0; i < edgeWalk.order.size(); i += 7) {
    map.edges.AddEdge(edgeWalk.order[i]->m_pVertex2, edgeWalk.order[i]->m_pVertex1, map.polygons.front().get());
  }
  EXPECT_EQ(Listed(map.edges), edgeWalk.order);
}

// A grid of unit squares whose lists are long enough to be indexed.
std::vector<Ring> Grid() {
  std::vector<Ring> rings;
  for (double row = 0; row < 11; ++row) {
    for (double column = 0; column < 11; ++column) {
      rings.push_back({{column, row}, {column, row + 1}, {column + 1, row + 1}, {column + 1, row}});
    }
  }
  return rings;
}

// A square beside a polygon of n points that shares its side (10,0)-(10,10);
// the other points lie on an arc to the right. Ten and twenty points fill
// their node blocks exactly, so a bend of the shared side must allocate a
// block in the second polygon.
std::vector<Ring> BesideSquare(int n) {
  Ring ring = {{10, 0}, {10, 10}};
  for (int k = 1; k <= n - 2; ++k) {
    const double angle = 3.141592653589793 * k / (n - 1);
    ring.emplace_back(10 + 8 * std::sin(angle), 5 + 5 * std::cos(angle));
  }
  return {{{0, 0}, {0, 10}, {10, 10}, {10, 0}}, ring};
}

using MapStep = std::function<void(LinkedMap&)>;
MapStep MoveVertex(CFPPoint from, CFPPoint to) {
  return [=](LinkedMap& map) { EXPECT_EQ(map.vertices.GetNearest(from, 0.1)->change(to), 1); };
}
MapStep BendEdge(CFPPoint at, CFPPoint to) {
  return [=](LinkedMap& map) { EXPECT_EQ(EdgeAt(map, at)->change(to), 1); };
}

// A failed edit of shared geometry changes no polygon, vertex or neighbour;
// built or not, the lists answer as their walks.
TEST(AllocationFailure, ATopologyAnswersAsItsWalksAndAFailedEditOfSharedGeometryChangesNothing) {
  struct Case {
    const char* operation;
    std::vector<Ring> rings;
    bool built;
    MapStep act;
    bool changesNothingWhenItFails;
    int extraNeighbours = 0;  // of the split side's second end
  };
  // The new vertex is dropped again once made, so that nothing points at it.
  const MapStep split = [](LinkedMap& map) {
    CEdge* side = EdgeAt(map, {10, 5});
    const std::unique_ptr<CVertex> vertex(side->CreateVertex(CFPPoint(12, 5)));
    ASSERT_NE(vertex, nullptr);
    side->m_pVertex1->RemoveNeighbor(vertex.get());
    side->m_pVertex2->RemoveNeighbor(vertex.get());
  };
  std::vector<Case> cases = {
      {"topology build", Grid(), false, Build, false},
      // So far that both indexes must grow their cells while the vertex tells
      // them one after the other: one that gives up must not disturb the round.
      {"far vertex move", Grid(), true, MoveVertex({5, 5}, {1e300, 1e300}), false},
      {"CVertex::change", Grid(), true, MoveVertex({5, 5}, {5.2, 5.3}), true},
      {"CEdge::change", Grid(), true, BendEdge({5, 5.5}, {5.2, 5.5}), true},
  };
  for (const int points : {3, 10, 20}) {
    cases.push_back({"CEdge::change", BesideSquare(points), true, BendEdge({10, 5}, {12, 5}), true});
    cases.push_back({"CVertex::change", BesideSquare(points), true, MoveVertex({10, 10}, {11, 11}), true});
    cases.push_back({"CEdge::CreateVertex", BesideSquare(points), true, split, true});
  }
  // At one of these counts the second end's neighbours fill a node block, so
  // that linking it allocates, and a failure there must unlink the first end.
  for (int extra = 1; extra < 12; ++extra) {
    cases.push_back({"CEdge::CreateVertex", BesideSquare(3), true, split, true, extra});
  }
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.rings.size() << " rings, " << c.extraNeighbours << " more neighbours");
    const auto arrange = [&c] {
      auto map = MapOf(c.rings);
      if (c.built) Build(*map);
      for (int k = 0; k < c.extraNeighbours; ++k) {
        CVertex* far = map->vertices.AddVertex({100.0 + k, 100}, map->polygons.front().get());
        EdgeAt(*map, {10, 5})->m_pVertex2->AddNeighbor(far);
      }
      return map;
    };
    const auto before = StateOf(*arrange());
    SweepAllocationFailures(c.operation, arrange, c.act, MapStep([&](LinkedMap& map) {
                              if (c.changesNothingWhenItFails) {
                                EXPECT_EQ(StateOf(map), before);
                              }
                              ExpectAnswersAsWalks(map);
                            }));
  }
}

}  // namespace
}  // namespace fpgeom::test
