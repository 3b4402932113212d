// fpgeom's own workloads on the shared rings.
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <vector>

#include "BenchRings.h"
#include "algorithms/PlainBreakdown.h"
#include "fpgeom/fpgeom.h"

namespace {

using fpgeom::bench::Box;
using fpgeom::bench::MakeRing;
using fpgeom::bench::QueryPoints;
using fpgeom::bench::Shape;

CFPPolygon PolygonOf(Shape shape, int count) {
  CFPPolygon polygon;
  for (const auto& vertex : MakeRing(shape, count)) polygon.AddTailNode(vertex.x, vertex.y);
  return polygon;
}

void Area(benchmark::State& state, Shape shape) {
  const CFPPolygon polygon = PolygonOf(shape, static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(polygon.Area());
}

void PtInPolygon(benchmark::State& state, Shape shape) {
  const CFPPolygon polygon = PolygonOf(shape, static_cast<int>(state.range(0)));
  const auto queries = QueryPoints<CFPPoint>(64);
  std::size_t next = 0;
  for (auto _ : state) benchmark::DoNotOptimize(polygon.PtInPolygon(queries[next++ % queries.size()]));
}

void DistanceFromPoint(benchmark::State& state, Shape shape) {
  const CFPPolygon polygon = PolygonOf(shape, static_cast<int>(state.range(0)));
  const auto queries = QueryPoints<CFPPoint>(64);
  std::size_t next = 0;
  for (auto _ : state) benchmark::DoNotOptimize(polygon.DistanceFromPoint(queries[next++ % queries.size()]));
}

// Clipping edits the polygon, so each iteration clips a fresh copy; the copy
// is part of the time.
void IntersectRect(benchmark::State& state, Shape shape) {
  const CFPPolygon polygon = PolygonOf(shape, static_cast<int>(state.range(0)));
  const Box box;
  const CFPRect rect(box.left, box.right, box.bottom, box.top);
  for (auto _ : state) {
    CFPPolygon copy(polygon);
    benchmark::DoNotOptimize(copy.IntersectRect(rect));
  }
}

// The copy that each IntersectRect iteration above makes, alone: the floor
// of that workload that no clipping work can lower.
void PolygonCopy(benchmark::State& state, Shape shape) {
  const CFPPolygon polygon = PolygonOf(shape, static_cast<int>(state.range(0)));
  for (auto _ : state) {
    CFPPolygon copy(polygon);
    benchmark::DoNotOptimize(copy.getCount());
  }
}

void IntegerClipping(benchmark::State& state, Shape shape) {
  std::vector<tagPOINT> points;
  for (const auto& vertex : MakeRing(shape, static_cast<int>(state.range(0)))) {
    points.push_back({static_cast<int32_t>(std::lround(vertex.x)), static_cast<int32_t>(std::lround(vertex.y))});
  }
  const Box box;
  tagRECT rect{static_cast<int32_t>(box.left), static_cast<int32_t>(box.top), static_cast<int32_t>(box.right),
               static_cast<int32_t>(box.bottom)};
  std::vector<tagPOINT> out(points.size() * 2 + 8);
  for (auto _ : state) {
    benchmark::DoNotOptimize(IntersectPolyWithRect(points.data(), static_cast<int>(points.size()), &rect, out.data(),
                                                   static_cast<int>(out.size())));
  }
}

// Self-intersection detection: the breakdown's answer, screened and plain.
// A long ring that meets itself nowhere keeps a copy of its points and is
// only compared the next time, so from 64 points on each iteration asks a
// fresh copy, made and dropped outside the timing, as a ring asked about
// once would be.
void SelfIntersection(benchmark::State& state, Shape shape) {
  const CFPPolygon ring = PolygonOf(shape, static_cast<int>(state.range(0)));
  if (state.range(0) < 64) {
    for (auto _ : state) benchmark::DoNotOptimize(fpgeom::BreakdownLoops(ring).size());
    return;
  }
  for (auto _ : state) {
    state.PauseTiming();
    auto fresh = std::make_unique<CFPPolygon>(ring);
    state.ResumeTiming();
    benchmark::DoNotOptimize(fpgeom::BreakdownLoops(*fresh).size());
    state.PauseTiming();
    fresh.reset();
    state.ResumeTiming();
  }
}

void SelfIntersectionPlain(benchmark::State& state, Shape shape) {
  const CFPPolygon polygon = PolygonOf(shape, static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(fpgeom::detail::PlainBreakdownLoops(polygon).size());
}

// A ring with every point doubled and a midpoint on every edge, cleaned from
// a fresh copy each iteration.
void OptimizeAndCheck(benchmark::State& state, Shape shape) {
  const auto ring = MakeRing(shape, static_cast<int>(state.range(0)));
  CFPPolygon polygon;
  for (std::size_t k = 0; k < ring.size(); ++k) {
    const auto& here = ring[k];
    const auto& next = ring[(k + 1) % ring.size()];
    polygon.AddTailNode(here.x, here.y);
    polygon.AddTailNode(here.x, here.y);
    polygon.AddTailNode((here.x + next.x) / 2, (here.y + next.y) / 2);
  }
  for (auto _ : state) {
    CFPPolygon copy(polygon);
    benchmark::DoNotOptimize(copy.OptimizeAndCheck());
  }
}

void ArchiveStore(benchmark::State& state, Shape shape) {
  CFPPolygon polygon = PolygonOf(shape, static_cast<int>(state.range(0)));
  ULONGLONG bytes = 0;
  for (auto _ : state) {
    CMemFile file;
    {
      CArchive archive(&file, CArchive::store);
      polygon.Serialize(archive);
    }
    bytes = file.GetLength();
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
}

void ArchiveLoad(benchmark::State& state, Shape shape) {
  CFPPolygon polygon = PolygonOf(shape, static_cast<int>(state.range(0)));
  CMemFile stored;
  {
    CArchive archive(&stored, CArchive::store);
    polygon.Serialize(archive);
  }
  const ULONGLONG length = stored.GetLength();
  std::vector<BYTE> bytes(static_cast<std::size_t>(length));
  stored.SeekToBegin();
  stored.Read(bytes.data(), static_cast<UINT>(length));
  for (auto _ : state) {
    CMemFile file(bytes.data(), static_cast<UINT>(bytes.size()));
    CArchive archive(&file, CArchive::load);
    CFPPolygon loaded;
    loaded.Serialize(archive);
    benchmark::DoNotOptimize(loaded.getCount());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * length));
}

void AllSizes(benchmark::internal::Benchmark* bench) {
  for (int size : {10, 100, 1000, 10000, 100000}) bench->Arg(size);
}

void UpTo(benchmark::internal::Benchmark* bench, int largest) {
  for (int size = 10; size <= largest; size *= 10) bench->Arg(size);
}

BENCHMARK_CAPTURE(Area, regular, Shape::kRegular)->Name("Area/fpgeom/regular")->Apply(AllSizes);
BENCHMARK_CAPTURE(PtInPolygon, regular, Shape::kRegular)->Name("PtInPolygon/fpgeom/regular")->Apply(AllSizes);
BENCHMARK_CAPTURE(PtInPolygon, star, Shape::kStar)->Name("PtInPolygon/fpgeom/star")->Apply(AllSizes);
BENCHMARK_CAPTURE(PtInPolygon, crossing, Shape::kCrossing)->Name("PtInPolygon/fpgeom/crossing")->Apply([](auto* b) { UpTo(b, 10000); });
BENCHMARK_CAPTURE(DistanceFromPoint, regular, Shape::kRegular)->Name("DistanceFromPoint/fpgeom/regular")->Apply(AllSizes);
BENCHMARK_CAPTURE(IntersectRect, regular, Shape::kRegular)->Name("IntersectRect/fpgeom/regular")->Apply(AllSizes);
BENCHMARK_CAPTURE(PolygonCopy, regular, Shape::kRegular)->Name("PolygonCopy/fpgeom/regular")->Apply(AllSizes);
BENCHMARK_CAPTURE(IntegerClipping, regular, Shape::kRegular)->Name("IntegerClipping/fpgeom/regular")->Apply(AllSizes);
BENCHMARK_CAPTURE(SelfIntersection, regular, Shape::kRegular)->Name("SelfIntersection/fpgeom/regular")->Apply(AllSizes);
BENCHMARK_CAPTURE(SelfIntersection, star, Shape::kStar)->Name("SelfIntersection/fpgeom/star")->Apply(AllSizes);
BENCHMARK_CAPTURE(SelfIntersection, crossing, Shape::kCrossing)->Name("SelfIntersection/fpgeom/crossing")->Apply([](auto* b) { UpTo(b, 10000); });
BENCHMARK_CAPTURE(SelfIntersectionPlain, regular, Shape::kRegular)->Name("SelfIntersection/fpgeom-plain/regular")->Apply([](auto* b) { UpTo(b, 10000); });
BENCHMARK_CAPTURE(SelfIntersectionPlain, crossing, Shape::kCrossing)
    ->Name("SelfIntersection/fpgeom-plain/crossing")
    ->Apply([](auto* b) { UpTo(b, 10000); });
BENCHMARK_CAPTURE(OptimizeAndCheck, regular, Shape::kRegular)->Name("OptimizeAndCheck/fpgeom/regular")->Apply(AllSizes);
BENCHMARK_CAPTURE(ArchiveStore, regular, Shape::kRegular)->Name("ArchiveStore/fpgeom/regular")->Apply(AllSizes);
BENCHMARK_CAPTURE(ArchiveLoad, regular, Shape::kRegular)->Name("ArchiveLoad/fpgeom/regular")->Apply(AllSizes);

}  // namespace
