// Points and rectangles given on the command line as comma-separated
// numbers: X,Y and L,B,R,T. Anything else is a UsageError naming the option.
#pragma once

#include <string>
#include <vector>

#include "fpgeom/values/FPPoint.h"
#include "fpgeom/values/FPRect.h"

namespace fpgeom::tool {

CFPPoint ParsePoint(const std::string& option, const std::string& text);
CFPRect ParseRect(const std::string& option, const std::string& text);
std::vector<CFPPoint> ParsePoints(const std::string& option, const std::vector<std::string>& texts);

}  // namespace fpgeom::tool
