// The breakdown without the self-meeting screen: the reference that the
// screened breakdown is tested against.
#pragma once

#include <memory>
#include <vector>

class CFPPolygon;

namespace fpgeom::detail {

// The loops as BreakdownLoops gives them, always by both phases of the plain
// algorithm, with the same effect on the polygon's cursor.
std::vector<std::unique_ptr<CFPPolygon>> PlainBreakdownLoops(const CFPPolygon& polygon);

}  // namespace fpgeom::detail
