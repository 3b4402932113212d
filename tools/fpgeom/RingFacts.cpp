#include "RingFacts.h"

#include "Formatting.h"

namespace fpgeom::tool {

RingFacts FactsOf(const CFPPolygon& ring, int index) {
  RingFacts facts{index, ring.getCount(), ring.Area(), ring.ScalarArea(), ring.isFilled() != 0,
                  ring.getBoundsRect(), std::nullopt, static_cast<int>(BreakdownLoops(ring).size())};
  CFPPoint centre;
  if (ring.getMassCenter(centre) != 0) facts.massCentre = centre;
  return facts;
}

std::string RingFactsText(const RingFacts& facts) {
  return "ring " + std::to_string(facts.index) + ": " + std::to_string(facts.points) + " points, area " +
         Number(facts.area) + ", unsigned area " + Number(facts.unsignedArea) + ", " +
         (facts.filled ? "filled" : "negative (a hole)") + "\n  bounds " + RectText(facts.bounds) +
         ", mass centre " + (facts.massCentre ? PointText(*facts.massCentre) : "none") + ", meets itself: " +
         (facts.loops > 0 ? "yes, " + std::to_string(facts.loops) + " loops" : "no");
}

nlohmann::json RingFactsJson(const RingFacts& facts) {
  return {{"index", facts.index},
          {"points", facts.points},
          {"area", facts.area},
          {"unsignedArea", facts.unsignedArea},
          {"filled", facts.filled},
          {"bounds", RectJson(facts.bounds)},
          {"massCentre", facts.massCentre ? PointJson(*facts.massCentre) : nlohmann::json()},
          {"meetsItself", facts.loops > 0},
          {"loops", facts.loops}};
}

}  // namespace fpgeom::tool
