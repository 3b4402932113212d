// The values the demo builds and then keeps in its archive file.
#pragma once

#include <vector>

#include <fpgeom/fpgeom.h>

namespace host_demo {

struct Shapes {
  std::vector<CFPPoint> points;
  std::vector<CFPRect> rectangles;
};

}  // namespace host_demo
