// Shows one pair of segments for each result of IntersectSegments.
#pragma once

#include <ostream>

namespace host_demo {

// Returns the number of pairs whose result is not the expected one.
int ShowSegmentIntersections(std::ostream& out);

}  // namespace host_demo
