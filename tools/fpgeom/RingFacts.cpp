#include "RingFacts.h"

#include <cmath>

#include "Formatting.h"
#include "Loops.h"
#include "fpgeom/io/Document.h"

namespace fpgeom::tool {

RingFacts FactsOf(const CFPPolygon& ring, int index, int outerRing) {
  const BreakdownVerdict verdict = BreakDownRing(ring);
  // ScalarArea's sum, from the same breakdown rather than a second one.
  double unsignedArea = verdict.loops.empty() ? std::fabs(ring.Area()) : 0.0;
  for (const auto& loop : verdict.loops) unsignedArea = unsignedArea + std::fabs(loop->Area());
  RingFacts facts{index,
                  ring.getCount(),
                  ring.Area(),
                  unsignedArea,
                  ring.isFilled() != 0,
                  outerRing,
                  ring.getBoundsRect(),
                  std::nullopt,
                  static_cast<int>(verdict.loops.size()),
                  verdict.meeting == SelfMeeting::kGaveUp ? verdict.pointsReached : 0};
  CFPPoint centre;
  if (ring.getMassCenter(centre) != 0) facts.massCentre = centre;
  return facts;
}

namespace {

// Its part in the polygons with holes that the writers make of the rings.
std::string RoleText(const RingFacts& facts) {
  if (facts.outerRing == facts.index) return ", outer ring";
  if (facts.outerRing != io::kNoOuterRing) return ", hole of ring " + std::to_string(facts.outerRing);
  return facts.filled ? "" : ", no outer ring before it";
}

nlohmann::json RoleJson(const RingFacts& facts) {
  if (facts.outerRing == facts.index) return "outer";
  return facts.outerRing == io::kNoOuterRing ? "none" : "hole";
}

}  // namespace

std::string RingFactsText(const RingFacts& facts) {
  return "ring " + std::to_string(facts.index) + ": " + std::to_string(facts.points) + " points, area " +
         Number(facts.area) + ", unsigned area " + Number(facts.unsignedArea) + ", " +
         (facts.filled ? "filled" : "negative") + RoleText(facts) + "\n  bounds " + RectText(facts.bounds) +
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
          {"role", RoleJson(facts)},
          {"outerRing", facts.outerRing == io::kNoOuterRing ? nlohmann::json() : nlohmann::json(facts.outerRing)},
          {"bounds", RectJson(facts.bounds)},
          {"massCentre", facts.massCentre ? PointJson(*facts.massCentre) : nlohmann::json()},
          {"meetsItself", facts.loops > 0 || facts.gaveUpAfter > 0},
          {"gaveUpAfter", facts.gaveUpAfter > 0 ? nlohmann::json(facts.gaveUpAfter) : nlohmann::json()},
          {"loops", facts.loops}};
}

}  // namespace fpgeom::tool
