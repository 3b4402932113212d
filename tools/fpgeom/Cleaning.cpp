#include "Cleaning.h"

#include <algorithm>
#include <memory>

#include "fpgeom/io/Document.h"

namespace fpgeom::tool {

bool CleanOutcome::AnyDegenerate() const {
  return std::any_of(rings.begin(), rings.end(), [](const CleanedRing& ring) { return !ring.valid; });
}

CleanOutcome Clean(const CFPPolyRgn& map) {
  CleanOutcome outcome;
  int index = 0;
  for (const CFPPolygon& ring : io::RingsOf(map)) {
    auto cleaned = std::make_unique<CFPPolygon>(ring);
    const bool valid = cleaned->OptimizeAndCheck() != 0;
    outcome.rings.push_back({index++, ring.getCount(), cleaned->getCount(), valid});
    if (valid) outcome.result.AddPolygon(cleaned.release());
  }
  return outcome;
}

std::string CleanedRingText(const CleanedRing& ring) {
  const std::string head = "ring " + std::to_string(ring.index) + ": " + std::to_string(ring.pointsBefore) + " -> ";
  if (!ring.valid) return head + "fewer than 3 points; dropped";
  return head + std::to_string(ring.pointsAfter) + " points";
}

nlohmann::json CleanedRingJson(const CleanedRing& ring) {
  return {{"index", ring.index},
          {"pointsBefore", ring.pointsBefore},
          {"pointsAfter", ring.pointsAfter},
          {"valid", ring.valid}};
}

}  // namespace fpgeom::tool
