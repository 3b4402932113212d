#include "RingFacts.h"

#include <cmath>

#include "Formatting.h"
#include "Loops.h"

namespace fpgeom::tool {

RingFacts FactsOf(const CFPPolygon& ring, int index) {
  const BreakdownVerdict verdict = BreakDownRing(ring);
  // ScalarArea's sum, from the same breakdown rather than a second one.
  double unsignedArea = verdict.loops.empty() ? std::fabs(ring.Area()) : 0.0;
  for (const auto& loop : verdict.loops) unsignedArea = unsignedArea + std::fabs(loop->Area());
  RingFacts facts{index,
                  ring.getCount(),
                  ring.Area(),
                  unsignedArea,
                  ring.isFilled() != 0,
                  ring.getBoundsRect(),
                  std::nullopt,
                  static_cast<int>(verdict.loops.size()),
                  verdict.meeting == SelfMeeting::kGaveUp ? verdict.pointsReached : 0};
  CFPPoint centre;
  if (ring.getMassCenter(centre) != 0) facts.massCentre = centre;
  return facts;
}

std::string RingFactsText(const RingFacts& facts) {
  return "ring " + std::to_string(facts.index) + ": " + std::to_string(facts.points) + " points, area " +
         Number(facts.area) + ", unsigned area " + Number(facts.unsignedArea) + ", " +
         (facts.filled ? "filled" : "negative (a hole)") + "\n  bounds " + RectText(facts.bounds) +
         ", mass centre " + (facts.massCentre ? PointText(*facts.massCentre) : "none") + ", meets itself: " +
         (facts.gaveUpAfter > 0 ? "yes, " + GaveUpText(facts.gaveUpAfter)
          : facts.loops > 0    ? "yes, " + std::to_string(facts.loops) + " loops"
                               : "no");
}

nlohmann::json RingFactsJson(const RingFacts& facts) {
  return {{"index", facts.index},
          {"points", facts.points},
          {"area", facts.area},
          {"unsignedArea", facts.unsignedArea},
          {"filled", facts.filled},
          {"bounds", RectJson(facts.bounds)},
          {"massCentre", facts.massCentre ? PointJson(*facts.massCentre) : nlohmann::json()},
          {"meetsItself", facts.loops > 0 || facts.gaveUpAfter > 0},
          {"gaveUpAfter", facts.gaveUpAfter > 0 ? nlohmann::json(facts.gaveUpAfter) : nlohmann::json()},
          {"loops", facts.loops}};
}

}  // namespace fpgeom::tool
