// The overlay hands a lone ring to the engine unchecked when it can prove the
// ring simple. The proof must never accept a ring the engine finds invalid,
// and must accept the ordinary rings it is there for.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <vector>

#include "BenchRings.h"
#include "GeosContext.h"
#include "SimpleRing.h"

namespace fpgeom::overlay_detail {
namespace {

Ring FromBench(const bench::Ring& ring) {
  Ring out;
  for (const auto& v : ring) out.push_back({v.x, v.y});
  return out;
}

bool EngineFindsValid(const Ring& ring) {
  const GeosContext context;
  GEOSCoordSequence* sequence = GEOSCoordSeq_create_r(context.get(), static_cast<unsigned>(ring.size() + 1), 2);
  for (std::size_t k = 0; k <= ring.size(); ++k) {
    const Vertex& v = ring[k % ring.size()];
    GEOSCoordSeq_setXY_r(context.get(), sequence, static_cast<unsigned>(k), v.x, v.y);
  }
  Geometry shell = Own(context, GEOSGeom_createLinearRing_r(context.get(), sequence), "ring");
  const Geometry polygon =
      Own(context, GEOSGeom_createPolygon_r(context.get(), shell.release(), nullptr, 0), "polygon");
  return GEOSisValid_r(context.get(), polygon.get()) == 1;
}

TEST(SimpleRing, ProvesOrdinaryRingsAndNothingTheEngineFindsInvalid) {
  for (const bench::Shape shape : {bench::Shape::kRegular, bench::Shape::kStar}) {
    EXPECT_TRUE(IsCertainlySimple(FromBench(bench::MakeRing(shape, 10000)))) << bench::ShapeName(shape);
  }
  // Rings that cross themselves in a few places or everywhere, wind twice
  // while turning one way, lie flat or hold a NaN: whatever is proved, the
  // engine must agree with.
  const double nan = std::numeric_limits<double>::quiet_NaN();
  std::vector<Ring> rings = {FromBench(bench::MakeRing(bench::Shape::kCrossing, 400)),
                             {{0, 1}, {0.59, -0.81}, {-0.95, 0.31}, {0.95, 0.31}, {-0.59, -0.81}},
                             {{0, 0}, {1, 0}, {2, 0}},
                             {{0, 0}, {0, 1}, {nan, 1}, {1, 0}}};
  for (std::uint64_t seed = 0; seed < 200; ++seed) rings.push_back(FromBench(bench::RandomRing(3 + seed % 5, seed)));
  int proved = 0;
  for (const Ring& ring : rings) {
    const bool simple = IsCertainlySimple(ring);
    proved += simple ? 1 : 0;
    EXPECT_TRUE(!simple || EngineFindsValid(ring)) << ring.size() << " points";
  }
  // Every random triangle is star-shaped about its mean.
  EXPECT_GE(proved, 40);
}

}  // namespace
}  // namespace fpgeom::overlay_detail
