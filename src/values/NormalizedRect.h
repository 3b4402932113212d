// Normalised copies: the set operations and the location queries work on
// them so that their operands keep whatever order their fields have.
#pragma once

#include "fpgeom/values/FPRect.h"

namespace fpgeom::detail {

inline CFPRect NormalizedCopy(const CFPRect& rect) {
  CFPRect copy(rect);
  copy.Normalize();
  return copy;
}

}  // namespace fpgeom::detail
