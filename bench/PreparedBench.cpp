// Prepared containment and distance: fpgeom's prepared polygon against the
// GEOS C API's prepared geometry and Boost.Geometry (which has none, so its
// plain covered_by), on the shared rings, with 4096 query points so that a
// large index is not all in the cache. Also what preparing costs, and the
// batch call against single calls.
#include <benchmark/benchmark.h>

#include <vector>

#include "BenchRings.h"
#include "fpgeom/fpgeom.h"

namespace {

using fpgeom::PreparedPolygon;
using fpgeom::bench::MakeRing;
using fpgeom::bench::QueryPoints;
using fpgeom::bench::Shape;

constexpr int kQueries = 4096;

void Sizes(benchmark::internal::Benchmark* bench) {
  for (int size : {10, 100, 1000, 10000, 100000}) bench->Arg(size);
}

CFPPolygon PolygonOf(Shape shape, int count) {
  CFPPolygon polygon;
  for (const auto& vertex : MakeRing(shape, count)) polygon.AddTailNode(vertex.x, vertex.y);
  return polygon;
}

void PreparedPtInPolygon(benchmark::State& state, Shape shape) {
  const PreparedPolygon prepared(PolygonOf(shape, static_cast<int>(state.range(0))));
  const auto queries = QueryPoints<CFPPoint>(kQueries);
  std::size_t next = 0;
  for (auto _ : state) benchmark::DoNotOptimize(prepared.PtInPolygon(queries[next++ % kQueries]));
  state.counters["bytes_per_point"] = static_cast<double>(prepared.MemoryBytes()) / static_cast<double>(state.range(0));
}

void PreparedDistance(benchmark::State& state, Shape shape) {
  const PreparedPolygon prepared(PolygonOf(shape, static_cast<int>(state.range(0))));
  const auto queries = QueryPoints<CFPPoint>(kQueries);
  std::size_t next = 0;
  for (auto _ : state) benchmark::DoNotOptimize(prepared.DistanceFromPoint(queries[next++ % kQueries]));
}

// The unprepared query on the same points, for the ratios.
void UnpreparedPtInPolygon(benchmark::State& state, Shape shape) {
  const CFPPolygon polygon = PolygonOf(shape, static_cast<int>(state.range(0)));
  const auto queries = QueryPoints<CFPPoint>(kQueries);
  std::size_t next = 0;
  for (auto _ : state) benchmark::DoNotOptimize(polygon.PtInPolygon(queries[next++ % kQueries]));
}

void UnpreparedDistance(benchmark::State& state, Shape shape) {
  const CFPPolygon polygon = PolygonOf(shape, static_cast<int>(state.range(0)));
  const auto queries = QueryPoints<CFPPoint>(kQueries);
  std::size_t next = 0;
  for (auto _ : state) benchmark::DoNotOptimize(polygon.DistanceFromPoint(queries[next++ % kQueries]));
}

void Prepare(benchmark::State& state, Shape shape) {
  const CFPPolygon polygon = PolygonOf(shape, static_cast<int>(state.range(0)));
  for (auto _ : state) {
    const PreparedPolygon prepared(polygon);
    benchmark::DoNotOptimize(&prepared);
  }
}

// One million points against a 1,000-point star ring, through the batch call
// (fpgeom) or one call each (fpgeom-single); the time is for all of them.
void BatchPtInPolygon(benchmark::State& state, bool batch) {
  const PreparedPolygon prepared(PolygonOf(Shape::kStar, 1000));
  const auto queries = QueryPoints<CFPPoint>(1000000);
  std::vector<double> xy;
  for (const CFPPoint& pt : queries) xy.insert(xy.end(), {pt.x, pt.y});
  std::vector<int> results(queries.size());
  for (auto _ : state) {
    if (batch) {
      prepared.PtInPolygon(xy.data(), queries.size(), results.data());
    } else {
      for (std::size_t k = 0; k < queries.size(); ++k) results[k] = prepared.PtInPolygon(queries[k]);
    }
    benchmark::DoNotOptimize(results.data());
  }
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * queries.size()));
}

BENCHMARK_CAPTURE(PreparedPtInPolygon, regular, Shape::kRegular)->Name("PreparedPtInPolygon/fpgeom/regular")->Apply(Sizes);
BENCHMARK_CAPTURE(PreparedPtInPolygon, star, Shape::kStar)->Name("PreparedPtInPolygon/fpgeom/star")->Apply(Sizes);
BENCHMARK_CAPTURE(PreparedPtInPolygon, crossing, Shape::kCrossing)->Name("PreparedPtInPolygon/fpgeom/crossing")->Apply(Sizes);
BENCHMARK_CAPTURE(UnpreparedPtInPolygon, regular, Shape::kRegular)->Name("PreparedPtInPolygon/fpgeom-unprepared/regular")->Apply(Sizes);
BENCHMARK_CAPTURE(Prepare, regular, Shape::kRegular)->Name("Prepare/fpgeom/regular")->Apply(Sizes);
BENCHMARK_CAPTURE(Prepare, crossing, Shape::kCrossing)->Name("Prepare/fpgeom/crossing")->Apply(Sizes);
BENCHMARK_CAPTURE(PreparedDistance, regular, Shape::kRegular)->Name("PreparedDistance/fpgeom/regular")->Apply(Sizes);
BENCHMARK_CAPTURE(UnpreparedDistance, regular, Shape::kRegular)->Name("PreparedDistance/fpgeom-unprepared/regular")->Arg(10000);
BENCHMARK_CAPTURE(BatchPtInPolygon, batch, true)->Name("PreparedBatch/fpgeom/star/1000");
BENCHMARK_CAPTURE(BatchPtInPolygon, single, false)->Name("PreparedBatch/fpgeom-single/star/1000");

}  // namespace

#ifdef FPGEOM_BENCH_WITH_GEOS
#include "GeosRings.h"

namespace geos_prepared_peer {

GEOSContextHandle_t Context() {
  static GEOSContextHandle_t context = GEOS_init_r();
  return context;
}

GEOSGeometry* RingPolygon(Shape shape, int count) {
  return fpgeom::bench::GeosRingPolygon(Context(), MakeRing(shape, count));
}

// Covers counts the boundary as inside, as PtInPolygon does.
void PreparedCovers(benchmark::State& state, Shape shape) {
  GEOSGeometry* polygon = RingPolygon(shape, static_cast<int>(state.range(0)));
  const GEOSPreparedGeometry* prepared = GEOSPrepare_r(Context(), polygon);
  std::vector<GEOSGeometry*> queries;
  for (const auto& point : QueryPoints(kQueries)) queries.push_back(GEOSGeom_createPointFromXY_r(Context(), point.x, point.y));
  // The index is built on the first query; that one is not timed.
  benchmark::DoNotOptimize(GEOSPreparedCovers_r(Context(), prepared, queries[0]));
  std::size_t next = 0;
  for (auto _ : state) benchmark::DoNotOptimize(GEOSPreparedCovers_r(Context(), prepared, queries[next++ % kQueries]));
  for (GEOSGeometry* query : queries) GEOSGeom_destroy_r(Context(), query);
  GEOSPreparedGeom_destroy_r(Context(), prepared);
  GEOSGeom_destroy_r(Context(), polygon);
}

BENCHMARK_CAPTURE(PreparedCovers, regular, Shape::kRegular)->Name("PreparedPtInPolygon/geos/regular")->Apply(Sizes);
BENCHMARK_CAPTURE(PreparedCovers, star, Shape::kStar)->Name("PreparedPtInPolygon/geos/star")->Apply(Sizes);

}  // namespace geos_prepared_peer
#endif

#ifdef FPGEOM_BENCH_WITH_BOOST
#include <boost/geometry.hpp>

namespace boost_prepared_peer {

namespace bg = boost::geometry;
using Point = bg::model::d2::point_xy<double>;
using Polygon = bg::model::polygon<Point>;

void CoveredBy(benchmark::State& state, Shape shape) {
  Polygon polygon;
  for (const auto& vertex : MakeRing(shape, static_cast<int>(state.range(0)))) {
    bg::append(polygon.outer(), Point(vertex.x, vertex.y));
  }
  bg::append(polygon.outer(), polygon.outer().front());
  const auto queries = QueryPoints<Point>(kQueries);
  std::size_t next = 0;
  for (auto _ : state) benchmark::DoNotOptimize(bg::covered_by(queries[next++ % kQueries], polygon));
}

BENCHMARK_CAPTURE(CoveredBy, regular, Shape::kRegular)->Name("PreparedPtInPolygon/boost/regular")->Apply(Sizes);

}  // namespace boost_prepared_peer
#endif
