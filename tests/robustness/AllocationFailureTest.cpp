// Makes each allocation of an operation fail in turn (the first, then the
// second, ...) until the operation completes, and checks after every failure
// that nothing leaked, that the objects are still whole, and that the state
// each operation promises on failure holds.
#include <algorithm>
#include <iostream>
#include <memory>
#include <new>
#include <vector>

#include <gtest/gtest.h>

#include "support/AllocationCounter.h"
#include "robustness/RobustnessSupport.h"
#include "support/CheckedTopology.h"
#include "support/TopologyLists.h"

namespace fpgeom::test {
namespace {

// arrange() makes the objects before any failure is armed; act(objects) is
// the operation under test; checkAfterFailure(objects) runs after each
// failure, before the objects are destroyed. Returns how many failure points
// were swept: the number of allocations the operation makes.
template <class Arrange, class Act, class CheckAfterFailure>
long SweepAllocationFailures(const char* operation, Arrange arrange, Act act, CheckAfterFailure checkAfterFailure) {
  constexpr long kMaxFailurePoints = 100000;
  for (long failing = 0; failing < kMaxFailurePoints; ++failing) {
    const std::ptrdiff_t liveBefore = AllocationCounter::LiveBlocks();
    bool failed = false;
    {
      auto objects = arrange();
      AllocationCounter::FailAfter(failing);
      try {
        act(*objects);
      } catch (const std::bad_alloc&) {
        EXPECT_TRUE(AllocationCounter::HasFailed()) << "a bad_alloc that was not injected";
      }
      AllocationCounter::Disarm();
      failed = AllocationCounter::HasFailed();
      if (failed) checkAfterFailure(*objects);
    }
    EXPECT_EQ(AllocationCounter::LiveBlocks(), liveBefore) << operation << ": leak after failing allocation " << failing;
    if (::testing::Test::HasFailure()) {
      ADD_FAILURE() << operation << ": failing allocation " << failing;
      return failing;
    }
    if (!failed) {
      std::cout << "[ swept    ] " << operation << ": " << failing << " allocation failure points\n";
      return failing;
    }
  }
  ADD_FAILURE() << operation << " never completed";
  return kMaxFailurePoints;
}

Ring Spiral(int points) {
  Ring ring;
  for (int i = 0; i < points; ++i) ring.emplace_back(i, (i % 3) * i);
  return ring;
}

// A five-pointed star drawn in one stroke: every edge crosses two others.
const Ring kStar = {{0, 3}, {2, -3}, {-3, 1}, {3, 1}, {-2, -3}};
const Ring kLegs = {{0, 0}, {2, 0}, {2, 4}, {4, 4}, {4, 0}, {6, 0}, {6, 6}, {0, 6}};

bool IsPrefix(const Ring& part, const Ring& whole) {
  return part.size() <= whole.size() && std::equal(part.begin(), part.end(), whole.begin());
}

TEST(AllocationFailure, BuildingAPolygonKeepsThePointsAddedBefore) {
  const Ring start = {{0, 0}, {0, 1}, {1, 1}};
  const Ring added = Spiral(25);
  Ring whole = start;
  whole.insert(whole.end(), added.begin(), added.end());
  const long points = SweepAllocationFailures(
      "AddTailNode",
      [&] {
        auto polygon = std::make_unique<CFPPolygon>();
        AppendRing(*polygon, start);
        return polygon;
      },
      [&](CFPPolygon& polygon) { AppendRing(polygon, added); },
      [&](CFPPolygon& polygon) {
        const Ring kept = WalkedRing(polygon);
        EXPECT_TRUE(kept.size() >= start.size() && IsPrefix(kept, whole));
        polygon.AddTailNode(9, 9);
        EXPECT_EQ(WalkedRing(polygon).size(), kept.size() + 1);
      });
  EXPECT_GT(points, 0);
}

struct PolygonPair {
  CFPPolygon source;
  CFPPolygon target;
};

TEST(AllocationFailure, CopyingAPolygonLeavesBothWhole) {
  const Ring sourceRing = Spiral(25);
  const auto arrange = [&] {
    auto pair = std::make_unique<PolygonPair>();
    AppendRing(pair->source, sourceRing);
    AppendRing(pair->target, kStar);
    return pair;
  };
  const auto check = [&](PolygonPair& pair) {
    EXPECT_EQ(WalkedRing(pair.source), sourceRing);
    WalkedRing(pair.target);
  };
  EXPECT_GT(SweepAllocationFailures("CFPPolygon copy", arrange, [](PolygonPair& pair) { CFPPolygon copy(pair.source); },
                                    check),
            0);
  EXPECT_GT(SweepAllocationFailures("CFPPolygon assignment", arrange,
                                    [](PolygonPair& pair) { pair.target = pair.source; }, check),
            0);
}

TEST(AllocationFailure, ClippingLeavesAWholeRing) {
  EXPECT_GT(SweepAllocationFailures(
                "IntersectRect",
                [] {
                  auto polygon = std::make_unique<CFPPolygon>();
                  AppendRing(*polygon, kLegs);
                  return polygon;
                },
                [](CFPPolygon& polygon) { polygon.IntersectRect(CFPRect(1, 5, 1, 3)); },
                [](CFPPolygon& polygon) { WalkedRing(polygon); }),
            0);
}

TEST(AllocationFailure, IntegerClippingWritesNothingWhenItFails) {
  const std::vector<tagPOINT> square = {{0, 0}, {10, 0}, {10, 10}, {0, 10}};
  const tagRECT rect = {2, 2, 8, 8};
  constexpr tagPOINT kUntouched = {-7, -7};
  EXPECT_GT(SweepAllocationFailures(
                "IntersectPolyWithRect", [&] { return std::make_unique<std::vector<tagPOINT>>(8, kUntouched); },
                [&](std::vector<tagPOINT>& out) {
                  IntersectPolyWithRect(square.data(), 4, &rect, out.data(), static_cast<int>(out.size()));
                },
                [&](std::vector<tagPOINT>& out) {
                  EXPECT_TRUE(std::all_of(out.begin(), out.end(), [&](const tagPOINT& p) {
                    return p.x == kUntouched.x && p.y == kUntouched.y;
                  }));
                }),
            0);
}

TEST(AllocationFailure, QueriesOnACrossingRingLeaveItUnchanged) {
  const auto arrange = [] {
    auto polygon = std::make_unique<CFPPolygon>();
    AppendRing(*polygon, kStar);
    return polygon;
  };
  const auto check = [](CFPPolygon& polygon) { EXPECT_EQ(WalkedRing(polygon), kStar); };
  EXPECT_GT(SweepAllocationFailures("BreakdownLoops", arrange, [](CFPPolygon& p) { BreakdownLoops(p); }, check), 0);
  EXPECT_GT(SweepAllocationFailures("ScalarArea", arrange, [](CFPPolygon& p) { p.ScalarArea(); }, check), 0);
  EXPECT_GT(SweepAllocationFailures("PtInPolygon", arrange, [](CFPPolygon& p) { p.PtInPolygon(0.0, 0.0); }, check),
            0);
}

struct PolygonLoad {
  explicit PolygonLoad(const Ring& record) : bytes(ArchiveBytes().PolygonRecord(record).bytes()), archive(bytes) {
    AppendRing(polygon, kStar);
  }
  std::vector<BYTE> bytes;
  LoadingArchive archive;
  CFPPolygon polygon;
};

TEST(AllocationFailure, LoadingAPolygonKeepsThePointsReadBefore) {
  const Ring record = Spiral(25);
  EXPECT_GT(SweepAllocationFailures(
                "CFPPolygon::Serialize loading", [&] { return std::make_unique<PolygonLoad>(record); },
                [](PolygonLoad& load) { load.polygon.Serialize(load.archive.archive); },
                [&](PolygonLoad& load) { EXPECT_TRUE(IsPrefix(WalkedRing(load.polygon), record)); }),
            0);
}

struct RegionLoad {
  explicit RegionLoad(std::vector<BYTE> record) : bytes(std::move(record)), archive(bytes) {
    auto polygon = std::make_unique<CFPPolygon>();
    AppendRing(*polygon, kStar);
    region.AddPolygon(polygon.release());
  }
  std::vector<BYTE> bytes;
  LoadingArchive archive;
  CFPPolyRgn region;
};

TEST(AllocationFailure, LoadingARegionKeepsThePolygonsReadBefore) {
  const std::vector<Ring> rings = {Spiral(12), kLegs, kStar};
  ArchiveBytes record;
  record.Word(static_cast<std::uint16_t>(rings.size())).NewClass(1, "CFPPolygon").PolygonRecord(rings[0]);
  for (std::size_t i = 1; i < rings.size(); ++i) record.Word(0x8001).PolygonRecord(rings[i]);
  EXPECT_GT(SweepAllocationFailures(
                "CFPPolyRgn::Serialize loading", [&] { return std::make_unique<RegionLoad>(record.bytes()); },
                [](RegionLoad& load) { load.region.Serialize(load.archive.archive); },
                [&](RegionLoad& load) {
                  const std::vector<Ring> kept = WalkedRegion(load.region);
                  EXPECT_TRUE(kept.size() < rings.size() && std::equal(kept.begin(), kept.end(), rings.begin()));
                }),
            0);
}

struct RegionPair {
  RegionPair() {
    for (const Ring& ring : {Spiral(12), kLegs, kStar}) {
      auto polygon = std::make_unique<CFPPolygon>();
      AppendRing(*polygon, ring);
      source.AddPolygon(polygon.release());
    }
    auto polygon = std::make_unique<CFPPolygon>();
    AppendRing(*polygon, kLegs);
    target.AddPolygon(polygon.release());
  }
  CFPPolyRgn source;
  CFPPolyRgn target;
};

TEST(AllocationFailure, CopyingARegionLeavesBothWhole) {
  const std::vector<Ring> sourceRings = {Spiral(12), kLegs, kStar};
  const auto arrange = [] { return std::make_unique<RegionPair>(); };
  const auto check = [&](RegionPair& pair) {
    EXPECT_EQ(WalkedRegion(pair.source), sourceRings);
    WalkedRegion(pair.target);
  };
  EXPECT_GT(SweepAllocationFailures("CFPPolyRgn copy", arrange, [](RegionPair& pair) { CFPPolyRgn copy(pair.source); },
                                    check),
            0);
  EXPECT_GT(SweepAllocationFailures("CFPPolyRgn assignment", arrange,
                                    [](RegionPair& pair) { pair.target = pair.source; }, check),
            0);
}

// Two squares that share the side from (4,0) to (4,4), linked as a host links
// them.
struct SharedSideMap {
  SharedSideMap() {
    AppendRing(left, {{0, 0}, {4, 0}, {4, 4}, {0, 4}});
    AppendRing(right, {{4, 0}, {8, 0}, {8, 4}, {4, 4}});
    for (CFPPolygon* polygon : {&left, &right}) {
      std::vector<CVertex*> corners;
      for (const auto& [x, y] : WalkedRing(*polygon)) corners.push_back(vertices.AddVertex(CFPPoint(x, y), polygon));
      for (std::size_t i = 0; i < corners.size(); ++i) {
        edges.AddEdge(corners[i], corners[(i + 1) % corners.size()], polygon);
      }
    }
    sharedCorner = vertices.GetNearest(CFPPoint(4, 0), 0.5);
    sharedSide = edges.GetNearest(CFPPoint(4, 2), 0.5);
  }
  ~SharedSideMap() {
    edges.Empty();
    vertices.Empty();
  }
  std::vector<Ring> Rings() const { return {WalkedRing(left), WalkedRing(right)}; }

  CFPPolygon left;
  CFPPolygon right;
  CVertexList vertices;
  CEdgeList edges;
  CVertex* sharedCorner = nullptr;
  CEdge* sharedSide = nullptr;
};

TEST(AllocationFailure, AFailedMoveChangesNothing) {
  const auto arrange = [] { return std::make_unique<SharedSideMap>(); };
  const std::vector<Ring> before = SharedSideMap().Rings();
  const auto unchanged = [&](SharedSideMap& map) {
    EXPECT_EQ(map.Rings(), before);
    EXPECT_TRUE(map.sharedCorner->m_point == CFPPoint(4, 0));
  };
  EXPECT_GT(SweepAllocationFailures("CVertex::change", arrange,
                                    [](SharedSideMap& map) { EXPECT_EQ(map.sharedCorner->change(CFPPoint(5, -1)), 1); },
                                    unchanged),
            0);
  EXPECT_GT(SweepAllocationFailures("CEdge::change", arrange,
                                    [](SharedSideMap& map) { EXPECT_EQ(map.sharedSide->change(CFPPoint(5, 2)), 1); },
                                    unchanged),
            0);
}

// A grid map of unit squares whose lists grow long enough to be indexed.
struct GridTopology {
  static constexpr int kSide = 11;

  GridTopology() {
    for (int row = 0; row < kSide; ++row) {
      for (int column = 0; column < kSide; ++column) {
        cells.push_back(std::make_unique<CFPPolygon>());
        AppendRing(*cells.back(), {{column, row}, {column, row + 1.0}, {column + 1.0, row + 1.0}, {column + 1.0, row}});
      }
    }
  }
  ~GridTopology() {
    edges.Empty();
    vertices.Empty();
  }

  void Build() {
    for (const auto& cell : cells) {
      std::vector<CVertex*> corners;
      for (const auto& [x, y] : WalkedRing(*cell)) corners.push_back(vertices.AddVertex(CFPPoint(x, y), cell.get()));
      for (std::size_t i = 0; i < corners.size(); ++i) edges.AddEdge(corners[i], corners[(i + 1) % 4], cell.get());
    }
  }

  std::vector<std::unique_ptr<CFPPolygon>> cells;
  CVertexList vertices;
  CEdgeList edges;
};

// Whether a failure lands in the framework or in an index (which gives up
// and walks), what was built answers as a walk.
void ExpectAnswersAsWalks(GridTopology& map) {
  WalkModel<CVertex> vertexWalk{VerticesOf(map.vertices)};
  WalkModel<CEdge> edgeWalk{EdgesOf(map.edges)};
  const std::vector<CVertex*>& vertices = vertexWalk.order;
  const std::vector<CEdge*>& edges = edgeWalk.order;
  for (int probe = 0; probe < 12; ++probe) {
    const CFPPoint pt(0.93 * probe, 0.57 * probe);
    EXPECT_EQ(map.vertices.GetNearest(pt, 0.6), vertexWalk.Nearest(pt, 0.6)) << probe;
    EXPECT_EQ(map.edges.GetNearest(pt, 0.6), edgeWalk.Nearest(pt, 0.6)) << probe;
  }
  for (std::size_t i = 0; i < vertices.size(); i += 7) {
    EXPECT_EQ(map.vertices.AddVertex(vertices[i]->m_point, map.cells.front().get()), vertices[i]);
  }
  for (std::size_t i = 0; i < edges.size(); i += 7) {
    map.edges.AddEdge(edges[i]->m_pVertex2, edges[i]->m_pVertex1, map.cells.front().get());
  }
  EXPECT_EQ(EdgesOf(map.edges), edges);
}

TEST(AllocationFailure, ALargeTopologyAnswersAsItsWalksWhenMemoryRunsOut) {
  EXPECT_GT(SweepAllocationFailures(
                "topology build", [] { return std::make_unique<GridTopology>(); },
                [](GridTopology& map) {
                  map.Build();
                  map.vertices.GetNearest(CFPPoint(5, 5), 1);
                  map.edges.GetNearest(CFPPoint(5, 5), 1);
                },
                ExpectAnswersAsWalks),
            0);
  // A move so far that both indexes must grow their cells while the vertex
  // tells them one after the other: one that gives up must not disturb the
  // round.
  const auto built = [] {
    auto map = std::make_unique<GridTopology>();
    map->Build();
    map->edges.GetNearest(CFPPoint(5, 5), 1);
    return map;
  };
  EXPECT_GT(SweepAllocationFailures(
                "far vertex move", built,
                [](GridTopology& map) { map.vertices.GetNearest(CFPPoint(5, 5), 0.5)->change(CFPPoint(1e300, 1e300)); },
                ExpectAnswersAsWalks),
            0);
}

}  // namespace
}  // namespace fpgeom::test
