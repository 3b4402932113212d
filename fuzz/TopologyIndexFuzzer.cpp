// Edits and look-ups decoded from the input by the workload that the index
// differential test runs on random bytes (support/TopologyWorkload.h): every
// look-up's answer and both cursors must be those of the walk over a record
// of the lists' order.
#include <cstddef>
#include <cstdint>
#include <string>

#include "Invariant.h"
#include "support/TopologyWorkload.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using fpgeom::test::Narration;
  using fpgeom::workload::TopologyWorkload;
  // Steps are only numbered, which keeps a run fast; a run that disagrees is
  // repeated with every step described, and that report ends the process.
  const auto quiet = [](const std::string&) {};
  if (TopologyWorkload(data, size, fpgeom::workload::kFuzzLimits, quiet, Narration::kNumberSteps).Run()) return 0;
  const auto abort = [](const std::string& failure) { fpgeom::fuzz::Require(false, failure.c_str()); };
  TopologyWorkload(data, size, fpgeom::workload::kFuzzLimits, abort).Run();
  fpgeom::fuzz::Require(false, "a disagreement that went away when the steps were described");
  return 0;
}
