// Building the shared topology of a grid map of square cells, and dragging
// its vertices.
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <vector>

#include "fpgeom/fpgeom.h"

namespace {

// side x side square cells of size 10, each a polygon of four points.
struct GridMap {
  explicit GridMap(int side) {
    for (int row = 0; row < side; ++row) {
      for (int column = 0; column < side; ++column) {
        auto cell = std::make_unique<CFPPolygon>();
        const double x = 10.0 * column;
        const double y = 10.0 * row;
        cell->AddTailNode(x, y);
        cell->AddTailNode(x, y + 10);
        cell->AddTailNode(x + 10, y + 10);
        cell->AddTailNode(x + 10, y);
        polygons.push_back(cell.get());
        cells.push_back(std::move(cell));
      }
    }
  }

  // Every cell's points into the vertex list, its edges into the edge list.
  void Build(CVertexList& vertices, CEdgeList& edges) {
    fpgeom::LinkPolygons(polygons.data(), static_cast<int>(polygons.size()), vertices, edges);
  }

  std::vector<std::unique_ptr<CFPPolygon>> cells;
  std::vector<CFPPolygon*> polygons;
};

int SideFor(int64_t insertions) { return static_cast<int>(std::lround(std::sqrt(insertions / 4.0))); }

// Only the build is timed: the teardown that makes room for the next one is
// not part of building.
void TopologyBuild(benchmark::State& state) {
  GridMap map(SideFor(state.range(0)));
  for (auto _ : state) {
    {
      CVertexList vertices;
      CEdgeList edges;
      map.Build(vertices, edges);
      state.PauseTiming();
      edges.Empty();
      vertices.Empty();
    }
    state.ResumeTiming();
  }
  state.counters["insertions"] = static_cast<double>(map.cells.size() * 4);
}

// A grid map with its topology built, torn down with it.
struct BuiltMap {
  explicit BuiltMap(int side) : map(side) { map.Build(vertices, edges); }
  ~BuiltMap() {
    edges.Empty();
    vertices.Empty();
  }
  // A point near the middle of the map, offset from its grid point.
  CFPPoint Middle(double dx, double dy) const {
    const double middle = 10.0 * static_cast<int>(std::lround(std::sqrt(map.cells.size())) / 2);
    return CFPPoint(middle + dx, middle + dy);
  }

  GridMap map;
  CVertexList vertices;
  CEdgeList edges;
};

// Finds an inner vertex by GetNearest and drags it a little and back.
void VertexDrag(benchmark::State& state) {
  BuiltMap built(SideFor(state.range(0)));
  const CFPPoint home = built.Middle(0, 0);
  for (auto _ : state) {
    CVertex* vertex = built.vertices.GetNearest(home, 1.0);
    benchmark::DoNotOptimize(vertex->change(CFPPoint(home.x + 1, home.y + 2)));
    benchmark::DoNotOptimize(vertex->change(home));
  }
}

// Finds the edge nearest a point beside the middle of the map.
void EdgePick(benchmark::State& state) {
  BuiltMap built(SideFor(state.range(0)));
  const CFPPoint probe = built.Middle(3, 0.5);
  for (auto _ : state) benchmark::DoNotOptimize(built.edges.GetNearest(probe, 2.0));
}

BENCHMARK(TopologyBuild)->Arg(100)->Arg(1000)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(VertexDrag)->Arg(100)->Arg(1000)->Arg(10000)->Arg(100000);
BENCHMARK(EdgePick)->Arg(100)->Arg(1000)->Arg(10000)->Arg(100000);

}  // namespace
