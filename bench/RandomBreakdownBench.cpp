// The breakdown of random rings (points spread uniformly over a square, so
// the edges cross many times), fast beside plain where the plain path
// finishes within a minute. Each benchmark is one ring: its size and seed are
// the arguments, and the counters tell how it ended.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "BenchRings.h"
#include "algorithms/PlainBreakdown.h"
#include "fpgeom/fpgeom.h"

namespace {

CFPPolygon RandomPolygon(const benchmark::State& state) {
  CFPPolygon polygon;
  for (const auto& vertex :
       fpgeom::bench::RandomRing(static_cast<int>(state.range(0)), static_cast<std::uint64_t>(state.range(1)))) {
    polygon.AddTailNode(vertex.x, vertex.y);
  }
  return polygon;
}

// gaveUp is 1 for a ring whose breakdown reached the bound, loops counts the
// loops of one that did not.
void Report(benchmark::State& state, const fpgeom::BreakdownVerdict& verdict) {
  state.counters["gaveUp"] = verdict.meeting == fpgeom::SelfMeeting::kGaveUp ? 1 : 0;
  state.counters["loops"] = static_cast<double>(verdict.loops.size());
}

void RandomBreakdown(benchmark::State& state) {
  const CFPPolygon polygon = RandomPolygon(state);
  fpgeom::BreakdownVerdict verdict;
  for (auto _ : state) verdict = fpgeom::BreakDownRing(polygon);
  Report(state, verdict);
}

void RandomBreakdownPlain(benchmark::State& state) {
  const CFPPolygon polygon = RandomPolygon(state);
  fpgeom::BreakdownVerdict verdict;
  for (auto _ : state) verdict = fpgeom::detail::PlainBreakDownRing(polygon);
  Report(state, verdict);
}

void Rings(benchmark::internal::Benchmark* benchmark, std::initializer_list<int> sizes) {
  for (const int size : sizes) {
    for (const int seed : {1, 2, 3}) benchmark->Args({size, seed});
  }
  benchmark->ArgNames({"points", "seed"})->Unit(benchmark::kMillisecond);
}

BENCHMARK(RandomBreakdown)->Apply([](benchmark::internal::Benchmark* b) { Rings(b, {50, 100, 150, 200, 400, 1000}); });
// From 200 points on the plain path takes minutes on a ring that reaches the
// bound.
BENCHMARK(RandomBreakdownPlain)->Apply([](benchmark::internal::Benchmark* b) { Rings(b, {50, 100, 150}); });

}  // namespace
