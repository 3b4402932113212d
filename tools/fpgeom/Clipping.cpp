#include "Clipping.h"

#include <memory>

#include "Formatting.h"
#include "fpgeom/io/Document.h"

namespace fpgeom::tool {

ClipOutcome Clip(const CFPPolyRgn& map, const CFPRect& rect) {
  ClipOutcome outcome;
  int index = 0;
  for (const CFPPolygon& ring : io::RingsOf(map)) {
    auto clipped = std::make_unique<CFPPolygon>(ring);
    const bool kept = clipped->IntersectRect(rect) != 0;
    outcome.rings.push_back({index++, ring.getCount(), clipped->getCount(), ring.Area(), clipped->Area(), kept});
    if (clipped->getCount() > 0) outcome.result.AddPolygon(clipped.release());
  }
  return outcome;
}

std::string ClippedRingText(const ClippedRing& ring) {
  const std::string head = "ring " + std::to_string(ring.index) + ": ";
  if (!ring.kept) return head + "nothing left inside the rectangle";
  return head + std::to_string(ring.pointsBefore) + " -> " + std::to_string(ring.pointsAfter) + " points, area " +
         Number(ring.areaBefore) + " -> " + Number(ring.areaAfter);
}

nlohmann::json ClippedRingJson(const ClippedRing& ring) {
  return {{"index", ring.index},          {"kept", ring.kept},         {"pointsBefore", ring.pointsBefore},
          {"pointsAfter", ring.pointsAfter}, {"areaBefore", ring.areaBefore}, {"areaAfter", ring.areaAfter}};
}

}  // namespace fpgeom::tool
