#include "Describe.h"

#include <sstream>

namespace host_demo {

std::string Describe(const CFPPoint& point) {
  std::ostringstream text;
  text << '(' << point.x << ", " << point.y << ')';
  return text.str();
}

std::string Describe(const CFPRect& rect) {
  std::ostringstream text;
  text << "[left " << rect.left << ", bottom " << rect.bottom << ", right " << rect.right << ", top "
       << rect.top << ']';
  return text.str();
}

const char* NameOf(INTERSECT_TYPE type) {
  switch (type) {
    case INTERSECT_NONE:
      return "INTERSECT_NONE";
    case INTERSECT_POINT:
      return "INTERSECT_POINT";
    case INTERSECT_PARALLEL:
      return "INTERSECT_PARALLEL";
    case INTERSECT_OVERLAP:
      return "INTERSECT_OVERLAP";
  }
  return "unknown";
}

}  // namespace host_demo
