// Text for the values the demo prints.
#pragma once

#include <string>

#include <fpgeom/fpgeom.h>

namespace host_demo {

std::string Describe(const CFPPoint& point);
std::string Describe(const CFPRect& rect);
const char* NameOf(INTERSECT_TYPE type);

}  // namespace host_demo
