// SVG pictures of rings and what the tools find out about them. The y axis
// points up as in fpgeom's plane, the view is fitted to everything drawn with
// a margin, and a legend below the plot names each kind of mark: filled rings
// (area >= 0) with their holes cut out (the rings of negative area that
// follow each, as Document.h's OuterRingsOf groups them), rings of negative
// area that no outer ring holds, the clipping rectangle, breakdown
// loops (each in its own colour), probe points inside and outside, and the
// shared vertices and edges of a topology.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "fpgeom/polygon/FPPolygon.h"
#include "fpgeom/values/FPPoint.h"
#include "fpgeom/values/FPRect.h"
#include "fpgeom/values/FPSegment.h"

namespace fpgeom::io {

struct SvgProbe {
  CFPPoint point;
  bool inside;
};

struct SvgScene {
  std::string title;
  std::vector<CFPPolygon> rings;  // labelled by their index
  std::optional<CFPRect> clipRect;
  std::vector<CFPPolygon> loops;
  std::vector<SvgProbe> probes;
  std::vector<CFPPoint> sharedVertices;
  std::vector<CFPSegment> sharedEdges;
};

std::string WriteSvg(const SvgScene& scene);

}  // namespace fpgeom::io
