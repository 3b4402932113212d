// The same workloads in other geometry libraries, each compiled in only when
// the library was found: Boost.Geometry, the GEOS C API and Clipper. Their
// results are not checked against fpgeom's; the rings and queries are the
// same, and the time is what is compared.
#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "BenchRings.h"

using fpgeom::bench::Box;
using fpgeom::bench::MakeRing;
using fpgeom::bench::QueryPoints;
using fpgeom::bench::Shape;

void AllSizes(benchmark::internal::Benchmark* bench) {
  for (int size : {10, 100, 1000, 10000, 100000}) bench->Arg(size);
}

#ifdef FPGEOM_BENCH_WITH_BOOST
#include <boost/geometry.hpp>

namespace boost_peer {

namespace bg = boost::geometry;
using Point = bg::model::d2::point_xy<double>;
using Polygon = bg::model::polygon<Point>;  // clockwise, closed, as the rings are

Polygon PolygonOf(Shape shape, int count) {
  Polygon polygon;
  for (const auto& vertex : MakeRing(shape, count)) bg::append(polygon.outer(), Point(vertex.x, vertex.y));
  bg::append(polygon.outer(), polygon.outer().front());
  return polygon;
}

void Area(benchmark::State& state, Shape shape) {
  const Polygon polygon = PolygonOf(shape, static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(bg::area(polygon));
}

void PtInPolygon(benchmark::State& state, Shape shape) {
  const Polygon polygon = PolygonOf(shape, static_cast<int>(state.range(0)));
  const auto queries = QueryPoints<Point>(64);
  std::size_t next = 0;
  for (auto _ : state) benchmark::DoNotOptimize(bg::covered_by(queries[next++ % queries.size()], polygon));
}

void DistanceFromPoint(benchmark::State& state, Shape shape) {
  const Polygon polygon = PolygonOf(shape, static_cast<int>(state.range(0)));
  const bg::model::linestring<Point> boundary(polygon.outer().begin(), polygon.outer().end());
  const auto queries = QueryPoints<Point>(64);
  std::size_t next = 0;
  for (auto _ : state) benchmark::DoNotOptimize(bg::distance(queries[next++ % queries.size()], boundary));
}

void IntersectRect(benchmark::State& state, Shape shape) {
  const Polygon polygon = PolygonOf(shape, static_cast<int>(state.range(0)));
  const Box box;
  const bg::model::box<Point> rect(Point(box.left, box.bottom), Point(box.right, box.top));
  for (auto _ : state) {
    std::vector<Polygon> clipped;
    bg::intersection(polygon, rect, clipped);
    benchmark::DoNotOptimize(clipped.size());
  }
}

void SelfIntersection(benchmark::State& state, Shape shape) {
  const Polygon polygon = PolygonOf(shape, static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(bg::intersects(polygon));
}

BENCHMARK_CAPTURE(Area, regular, Shape::kRegular)->Name("Area/boost/regular")->Apply(AllSizes);
BENCHMARK_CAPTURE(PtInPolygon, regular, Shape::kRegular)->Name("PtInPolygon/boost/regular")->Apply(AllSizes);
BENCHMARK_CAPTURE(PtInPolygon, star, Shape::kStar)->Name("PtInPolygon/boost/star")->Apply(AllSizes);
BENCHMARK_CAPTURE(DistanceFromPoint, regular, Shape::kRegular)->Name("DistanceFromPoint/boost/regular")->Apply(AllSizes);
BENCHMARK_CAPTURE(IntersectRect, regular, Shape::kRegular)->Name("IntersectRect/boost/regular")->Apply(AllSizes);
BENCHMARK_CAPTURE(SelfIntersection, regular, Shape::kRegular)->Name("SelfIntersection/boost/regular")->Apply(AllSizes);
BENCHMARK_CAPTURE(SelfIntersection, star, Shape::kStar)->Name("SelfIntersection/boost/star")->Apply(AllSizes);

}  // namespace boost_peer
#endif

#ifdef FPGEOM_BENCH_WITH_GEOS
#include "GeosRings.h"

namespace geos_peer {

// One context for the whole run; geometries are freed by their owners below.
GEOSContextHandle_t Context() {
  static GEOSContextHandle_t context = GEOS_init_r();
  return context;
}

struct Geometry {
  explicit Geometry(GEOSGeometry* made) : geometry(made) {}
  Geometry(const Geometry&) = delete;
  Geometry& operator=(const Geometry&) = delete;
  ~Geometry() { GEOSGeom_destroy_r(Context(), geometry); }
  GEOSGeometry* geometry;
};

GEOSGeometry* RingPolygon(const std::vector<fpgeom::bench::Vertex>& vertices) {
  return fpgeom::bench::GeosRingPolygon(Context(), vertices);
}

std::vector<GEOSGeometry*> Queries() {
  std::vector<GEOSGeometry*> queries;
  for (const auto& point : QueryPoints(64)) queries.push_back(GEOSGeom_createPointFromXY_r(Context(), point.x, point.y));
  return queries;
}

void FreeAll(std::vector<GEOSGeometry*>& geometries) {
  for (GEOSGeometry* geometry : geometries) GEOSGeom_destroy_r(Context(), geometry);
}

void Area(benchmark::State& state, Shape shape) {
  const Geometry polygon(RingPolygon(MakeRing(shape, static_cast<int>(state.range(0)))));
  double area = 0;
  for (auto _ : state) benchmark::DoNotOptimize(GEOSArea_r(Context(), polygon.geometry, &area));
}

void PtInPolygon(benchmark::State& state, Shape shape) {
  const Geometry polygon(RingPolygon(MakeRing(shape, static_cast<int>(state.range(0)))));
  auto queries = Queries();
  std::size_t next = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(GEOSCovers_r(Context(), polygon.geometry, queries[next++ % queries.size()]));
  }
  FreeAll(queries);
}

void DistanceFromPoint(benchmark::State& state, Shape shape) {
  const Geometry polygon(RingPolygon(MakeRing(shape, static_cast<int>(state.range(0)))));
  const GEOSGeometry* boundary = GEOSGetExteriorRing_r(Context(), polygon.geometry);
  auto queries = Queries();
  std::size_t next = 0;
  double distance = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(GEOSDistance_r(Context(), boundary, queries[next++ % queries.size()], &distance));
  }
  FreeAll(queries);
}

void IntersectRect(benchmark::State& state, Shape shape) {
  const Geometry polygon(RingPolygon(MakeRing(shape, static_cast<int>(state.range(0)))));
  const Box box;
  for (auto _ : state) {
    const Geometry clipped(GEOSClipByRect_r(Context(), polygon.geometry, box.left, box.bottom, box.right, box.top));
    benchmark::DoNotOptimize(clipped.geometry);
  }
}

void SelfIntersection(benchmark::State& state, Shape shape) {
  const Geometry polygon(RingPolygon(MakeRing(shape, static_cast<int>(state.range(0)))));
  for (auto _ : state) benchmark::DoNotOptimize(GEOSisSimple_r(Context(), polygon.geometry));
}

BENCHMARK_CAPTURE(Area, regular, Shape::kRegular)->Name("Area/geos/regular")->Apply(AllSizes);
BENCHMARK_CAPTURE(PtInPolygon, regular, Shape::kRegular)->Name("PtInPolygon/geos/regular")->Apply(AllSizes);
BENCHMARK_CAPTURE(PtInPolygon, star, Shape::kStar)->Name("PtInPolygon/geos/star")->Apply(AllSizes);
BENCHMARK_CAPTURE(DistanceFromPoint, regular, Shape::kRegular)->Name("DistanceFromPoint/geos/regular")->Apply(AllSizes);
BENCHMARK_CAPTURE(IntersectRect, regular, Shape::kRegular)->Name("IntersectRect/geos/regular")->Apply(AllSizes);
BENCHMARK_CAPTURE(SelfIntersection, regular, Shape::kRegular)->Name("SelfIntersection/geos/regular")->Apply(AllSizes);
BENCHMARK_CAPTURE(SelfIntersection, star, Shape::kStar)->Name("SelfIntersection/geos/star")->Apply(AllSizes);

}  // namespace geos_peer
#endif

#ifdef FPGEOM_BENCH_WITH_CLIPPER
#include <polyclipping/clipper.hpp>

namespace clipper_peer {

ClipperLib::Path IntegerPath(Shape shape, int count) {
  ClipperLib::Path path;
  for (const auto& vertex : MakeRing(shape, count)) path.emplace_back(std::lround(vertex.x), std::lround(vertex.y));
  return path;
}

void Area(benchmark::State& state, Shape shape) {
  const ClipperLib::Path path = IntegerPath(shape, static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(ClipperLib::Area(path));
}

void IntegerClipping(benchmark::State& state, Shape shape) {
  const ClipperLib::Path path = IntegerPath(shape, static_cast<int>(state.range(0)));
  const Box box;
  const ClipperLib::Path rect{{std::lround(box.left), std::lround(box.bottom)},
                              {std::lround(box.left), std::lround(box.top)},
                              {std::lround(box.right), std::lround(box.top)},
                              {std::lround(box.right), std::lround(box.bottom)}};
  for (auto _ : state) {
    ClipperLib::Clipper clipper;
    clipper.AddPath(path, ClipperLib::ptSubject, true);
    clipper.AddPath(rect, ClipperLib::ptClip, true);
    ClipperLib::Paths solution;
    clipper.Execute(ClipperLib::ctIntersection, solution);
    benchmark::DoNotOptimize(solution.size());
  }
}

BENCHMARK_CAPTURE(Area, regular, Shape::kRegular)->Name("Area/clipper/regular")->Apply(AllSizes);
BENCHMARK_CAPTURE(IntegerClipping, regular, Shape::kRegular)->Name("IntegerClipping/clipper/regular")->Apply(AllSizes);

}  // namespace clipper_peer
#endif

// Says in the report which peers this binary was built without.
int main(int argc, char** argv) {
  benchmark::AddCustomContext("peers_skipped", FPGEOM_BENCH_PEERS_SKIPPED);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
