// Boolean operations of the overlay library beside GEOS's own time on the
// same geometries. fpgeom's figures include reading the regions into the
// engine and building the result region; GEOS's start from its own
// geometries, built once.
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "BenchRings.h"
#include "GeosRings.h"
#include "fpgeom/overlay.h"

namespace {

using fpgeom::bench::MakeRing;
using fpgeom::bench::Ring;
using fpgeom::bench::Shape;

// The second ring is the first moved by a fifth of its radius, so that the
// two cross at many edges.
Ring Moved(Ring ring, double dx, double dy) {
  for (auto& vertex : ring) {
    vertex.x += dx;
    vertex.y += dy;
  }
  return ring;
}

void AddRing(CFPPolyRgn& region, const Ring& ring) {
  auto polygon = std::make_unique<CFPPolygon>();
  for (const auto& vertex : ring) polygon->AddTailNode(vertex.x, vertex.y);
  region.AddPolygon(polygon.release());
}

CFPPolyRgn RegionOf(const std::vector<Ring>& rings) {
  CFPPolyRgn region;
  for (const Ring& ring : rings) AddRing(region, ring);
  return region;
}

std::vector<Ring> RingPair(Shape shape, int count, bool second) {
  const Ring ring = MakeRing(shape, count);
  return {second ? Moved(ring, 200, 130) : ring};
}

// A map of rows x columns unit squares, clockwise, from (dx, dy).
std::vector<Ring> GridMap(int size, double dx, double dy) {
  std::vector<Ring> cells;
  for (int row = 0; row < size; ++row) {
    for (int column = 0; column < size; ++column) {
      const double x = column + dx;
      const double y = row + dy;
      cells.push_back({{x, y}, {x, y + 1}, {x + 1, y + 1}, {x + 1, y}});
    }
  }
  return cells;
}

using Operation = CFPPolyRgn (*)(const CFPPolyRgn&, const CFPPolyRgn&, fpgeom::FillRule);
using GeosOperation = GEOSGeometry* (*)(GEOSContextHandle_t, const GEOSGeometry*, const GEOSGeometry*);

void Fpgeom(benchmark::State& state, Operation operation, const std::vector<Ring>& a, const std::vector<Ring>& b) {
  const CFPPolyRgn regionA = RegionOf(a);
  const CFPPolyRgn regionB = RegionOf(b);
  for (auto _ : state) {
    const CFPPolyRgn result = operation(regionA, regionB, fpgeom::FillRule::kEvenOdd);
    benchmark::DoNotOptimize(result.getCount());
  }
}

struct GeosWorld {
  GEOSContextHandle_t context = GEOS_init_r();
  ~GeosWorld() { GEOS_finish_r(context); }

  GEOSGeometry* Polygon(const Ring& ring) const { return fpgeom::bench::GeosRingPolygon(context, ring); }
};

void Geos(benchmark::State& state, GeosOperation operation, const Ring& a, const Ring& b) {
  const GeosWorld world;
  GEOSGeometry* polygonA = world.Polygon(a);
  GEOSGeometry* polygonB = world.Polygon(b);
  for (auto _ : state) {
    GEOSGeometry* result = operation(world.context, polygonA, polygonB);
    benchmark::DoNotOptimize(result);
    GEOSGeom_destroy_r(world.context, result);
  }
  GEOSGeom_destroy_r(world.context, polygonA);
  GEOSGeom_destroy_r(world.context, polygonB);
}

// GEOS with its geometries built from the same vertex arrays in every
// iteration, as fpgeom's figures include reading its regions.
void GeosWithBuilding(benchmark::State& state, GeosOperation operation, const Ring& a, const Ring& b) {
  const GeosWorld world;
  for (auto _ : state) {
    GEOSGeometry* polygonA = world.Polygon(a);
    GEOSGeometry* polygonB = world.Polygon(b);
    GEOSGeometry* result = operation(world.context, polygonA, polygonB);
    benchmark::DoNotOptimize(result);
    GEOSGeom_destroy_r(world.context, result);
    GEOSGeom_destroy_r(world.context, polygonA);
    GEOSGeom_destroy_r(world.context, polygonB);
  }
}

void RegisterRingPairs() {
  constexpr int kPoints = 10000;
  for (const Shape shape : {Shape::kRegular, Shape::kStar}) {
    const std::string name = fpgeom::bench::ShapeName(shape);
    const auto a = RingPair(shape, kPoints, false);
    const auto b = RingPair(shape, kPoints, true);
    benchmark::RegisterBenchmark(("Union/fpgeom/" + name).c_str(), Fpgeom, &fpgeom::Union, a, b)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(("Union/geos/" + name).c_str(), Geos, &GEOSUnion_r, a[0], b[0])
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(("Union/geos+build/" + name).c_str(), GeosWithBuilding, &GEOSUnion_r, a[0], b[0])
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(("Intersection/fpgeom/" + name).c_str(), Fpgeom, &fpgeom::Intersection, a, b)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(("Intersection/geos/" + name).c_str(), Geos, &GEOSIntersection_r, a[0], b[0])
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(("Intersection/geos+build/" + name).c_str(), GeosWithBuilding, &GEOSIntersection_r,
                                 a[0], b[0])
        ->Unit(benchmark::kMillisecond);
  }
  // Two maps of 100 x 100 cells, the second shifted by half a cell.
  benchmark::RegisterBenchmark("Intersection/fpgeom/grid100", Fpgeom, &fpgeom::Intersection, GridMap(100, 0, 0),
                               GridMap(100, 0.5, 0.5))
      ->Unit(benchmark::kMillisecond)
      ->Iterations(3);
}

}  // namespace

int main(int argc, char** argv) {
  RegisterRingPairs();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
