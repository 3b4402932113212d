// What the three candidate searches of the self-meeting screen share: the
// ring's points in an array, the margins that the rounding analysis of
// IntersectSegments asks for, and the tester that calls IntersectSegments on
// each candidate pair within a budget.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "algorithms/ScratchVector.h"
#include "algorithms/SelfMeetingScreen.h"
#include "fpgeom/frame/List.h"
#include "fpgeom/values/FPPoint.h"

namespace fpgeom::detail {

// A point relative to the lower left corner of the ring's bounding box: a
// plain pair, cheap to make and to copy in the searches' loops.
struct LocalPoint {
  double x;
  double y;
};

// Edge i runs from point i to point i + 1, the last one back to point 0.
class ScreenedRing {
 public:
  // Empty for rings the screen declines: a coordinate that is not finite or
  // whose size could make IntersectSegments overflow, or all points at one
  // place.
  static std::optional<ScreenedRing> From(const CList<CFPPoint, const CFPPoint&>& ring);

  std::size_t EdgeCount() const { return m_points->size(); }
  const CFPPoint& Start(std::size_t edge) const { return (*m_points)[edge]; }
  const CFPPoint& End(std::size_t edge) const { return (*m_points)[Next(edge)]; }
  // Relative to the lower left corner of the bounding box, so that rounding
  // scales with the ring's extent rather than with its distance from the
  // origin.
  LocalPoint LocalStart(std::size_t edge) const { return Local(Start(edge)); }
  LocalPoint LocalEnd(std::size_t edge) const { return Local(End(edge)); }
  // The larger side of the bounding box.
  double Extent() const { return m_extent; }
  // Edges that share a point: the breakdown never tests them.
  bool Adjacent(std::size_t first, std::size_t second) const;

 private:
  ScreenedRing(ScratchVector<CFPPoint> points, double left, double bottom, double extent);
  std::size_t Next(std::size_t edge) const { return edge + 1 == m_points->size() ? 0 : edge + 1; }
  LocalPoint Local(const CFPPoint& point) const { return {point.x - m_left, point.y - m_bottom}; }

  ScratchVector<CFPPoint> m_points;
  double m_left;
  double m_bottom;
  double m_extent;
};

// Tests candidate pairs with IntersectSegments within a budget of tests and
// keeps those that meet.
class CandidateTester {
 public:
  CandidateTester(const ScreenedRing& ring, std::uint64_t budget) : m_ring(ring), m_budget(budget) {}

  // Tests the pair unless the edges are adjacent; false when the budget is
  // spent and the screen must give up.
  bool Test(std::size_t first, std::size_t second);
  // The pairs that met, sorted and each once.
  std::vector<EdgePair> TakeMeetingPairs();

 private:
  const ScreenedRing& m_ring;
  std::uint64_t m_budget;
  // Where IntersectSegments puts a meeting point, which the screen ignores;
  // kept across tests rather than made for each.
  CFPPoint m_meeting;
  std::vector<EdgePair> m_meetingPairs;
};

// The three searches. Each hands every pair it cannot rule out to the tester
// and returns false as soon as the tester gives up (or it declines).

// Pairs whose segments come within the proximity margin of each other.
bool TestNearbyPairs(const ScreenedRing& ring, CandidateTester& tester);
// Nearly parallel pairs on nearly one line, however far apart.
bool TestNearlyCollinearPairs(const ScreenedRing& ring, CandidateTester& tester);
// Pairs whose later edge is shorter than the rounding scale.
bool TestShortEdgePairs(const ScreenedRing& ring, CandidateTester& tester);

// The margins, all derived in SelfMeetingScreen.cpp.
double ProximityMargin(double extent);
double LineOffsetMargin(double extent);
double ShortEdgeLength(double extent);

}  // namespace fpgeom::detail
