// The breakdown of random rings (points spread uniformly over a square, so
// the edges cross many times), fast beside plain where the plain path
// finishes within a minute. Each benchmark is one ring, named
// RandomBreakdown/<path>/random-<seed>/<points>; its gaveUp counter is 1 when
// the breakdown reached its bound.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "BenchRings.h"
#include "algorithms/PlainBreakdown.h"
#include "fpgeom/fpgeom.h"

namespace {

using BreakDown = fpgeom::BreakdownVerdict (*)(const CFPPolygon&);

void RandomBreakdown(benchmark::State& state, BreakDown breakDown, int points, std::uint64_t seed) {
  CFPPolygon polygon;
  for (const auto& vertex : fpgeom::bench::RandomRing(points, seed)) polygon.AddTailNode(vertex.x, vertex.y);
  fpgeom::BreakdownVerdict verdict;
  for (auto _ : state) verdict = breakDown(polygon);
  state.counters["gaveUp"] = verdict.meeting == fpgeom::SelfMeeting::kGaveUp ? 1 : 0;
  state.counters["loops"] = static_cast<double>(verdict.loops.size());
}

void Register(const char* path, BreakDown breakDown, std::initializer_list<int> sizes) {
  for (const int points : sizes) {
    for (const std::uint64_t seed : {1, 2, 3}) {
      const std::string name = std::string("RandomBreakdown/") + path + "/random-" + std::to_string(seed) + "/" +
                               std::to_string(points);
      benchmark::RegisterBenchmark(name.c_str(), RandomBreakdown, breakDown, points, seed)
          ->Unit(benchmark::kMillisecond);
    }
  }
}

// The plain path takes minutes from 200 points on when a ring reaches the
// bound.
const bool kRegistered = [] {
  Register("fpgeom", fpgeom::BreakDownRing, {50, 100, 150, 200, 400, 1000});
  Register("fpgeom-plain", fpgeom::detail::PlainBreakDownRing, {50, 100, 150});
  return true;
}();

}  // namespace
