#include "Loops.h"

#include <memory>

#include "Formatting.h"
#include "fpgeom/io/Document.h"

namespace fpgeom::tool {

std::vector<CFPPolygon> BreakdownOutcome::AllLoops() const {
  std::vector<CFPPolygon> loops;
  for (const RingLoops& ring : rings) loops.insert(loops.end(), ring.loops.begin(), ring.loops.end());
  return loops;
}

BreakdownOutcome BreakDown(const CFPPolyRgn& map) {
  BreakdownOutcome outcome;
  int index = 0;
  for (const CFPPolygon& ring : io::RingsOf(map)) {
    RingLoops entry{index++, {}};
    const BreakdownVerdict verdict = BreakDownRing(ring);
    for (const auto& loop : verdict.loops) entry.loops.push_back(*loop);
    if (verdict.meeting == SelfMeeting::kGaveUp) entry.gaveUpAfter = verdict.pointsReached;
    if (entry.loops.empty()) outcome.result.AddPolygon(std::make_unique<CFPPolygon>(ring).release());
    for (const CFPPolygon& loop : entry.loops) outcome.result.AddPolygon(std::make_unique<CFPPolygon>(loop).release());
    outcome.rings.push_back(std::move(entry));
  }
  return outcome;
}

std::string GaveUpText(std::uint64_t points) { return "gave up after " + std::to_string(points) + " points"; }

std::string RingLoopsText(const RingLoops& ring) {
  std::string text = "ring " + std::to_string(ring.index) + ": ";
  if (ring.gaveUpAfter > 0) return text + "meets itself, " + GaveUpText(ring.gaveUpAfter);
  if (ring.loops.empty()) return text + "meets itself nowhere";
  text += std::to_string(ring.loops.size()) + " loops";
  for (std::size_t i = 0; i < ring.loops.size(); ++i) {
    const double area = ring.loops[i].Area();
    text += "\n  loop " + std::to_string(i) + ": " + std::to_string(ring.loops[i].getCount()) + " points, area " +
            Number(area) + (area >= 0 ? " (filled)" : " (negative)");
  }
  return text;
}

nlohmann::json RingLoopsJson(const RingLoops& ring) {
  nlohmann::json loops = nlohmann::json::array();
  for (const CFPPolygon& loop : ring.loops) {
    nlohmann::json points = nlohmann::json::array();
    for (const CFPPoint& point : io::PointsOf(loop)) points.push_back(PointJson(point));
    loops.push_back({{"area", loop.Area()}, {"points", std::move(points)}});
  }
  return {{"index", ring.index},
          {"meetsItself", !ring.loops.empty() || ring.gaveUpAfter > 0},
          {"gaveUpAfter", ring.gaveUpAfter > 0 ? nlohmann::json(ring.gaveUpAfter) : nlohmann::json()},
          {"loops", std::move(loops)}};
}

}  // namespace fpgeom::tool
