// The look-ups of CVertexList and CEdgeList checked against the walks that
// define them over long mixes of edits and queries decoded from random
// bytes (support/TopologyWorkload.h, which the fuzz target decodes too).
// FPGEOM_INDEX_OPERATIONS sets the number of operations; without it the run
// is brief.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "algorithms/ScreenCases.h"
#include "support/TopologyWorkload.h"

namespace {

// Grids from a single cell, which only walks, to 24 x 24, indexed at once.
constexpr fpgeom::workload::Limits kLimits{2000, 2, 1, 23};

TEST(TopologyIndex, RandomEditsAndLookUpsAgreeWithTheWalkInAnswerOrderAndCursor) {
  const std::size_t runs = fpgeom::test::RequestedCases("FPGEOM_INDEX_OPERATIONS", 60000) / kLimits.operations + 1;
  std::mt19937_64 random(1);
  fpgeom::test::Outcomes seen;
  for (std::size_t run = 0; run < runs; ++run) {
    std::vector<std::uint8_t> bytes(16 * kLimits.operations);
    for (std::uint8_t& byte : bytes) byte = static_cast<std::uint8_t>(random());
    fpgeom::workload::TopologyWorkload workload(bytes.data(), bytes.size(), kLimits, [run](const std::string& failure) {
      ADD_FAILURE() << "run " << run << ", " << failure;
    });
    if (!workload.Run()) return;
    for (const auto& [outcome, count] : workload.Topology().Seen()) seen[outcome] += count;
  }
  // Agreeing proves little unless the mix reached every kind of answer.
  for (const char* outcome : {"vertex found", "vertex made", "vertex deleted", "move made", "move refused",
                              "nearest vertex", "edge found", "edge made", "nearest edge"}) {
    EXPECT_GT(seen[outcome], 0u) << outcome;
  }
}

}  // namespace
