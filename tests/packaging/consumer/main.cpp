// A host program built against an installed fpgeom: it includes the umbrella
// header, links the shared library and exits non-zero when a result differs.
#include <fpgeom/fpgeom.h>

#include <iostream>

// The standard the host chose must be the one in force: fpgeom's flags must
// not impose their own.
#ifdef FPGEOM_HOST_CXX
static_assert(__cplusplus == FPGEOM_HOST_CXX, "the host's C++ standard was overridden");
#endif

int main() {
  // Exported functions of several classes, and the runtime-class registry of
  // the library, reached from the host.
  CFPPoint crossing(-1.0, -1.0);
  const bool works =
      IntersectSegments(CFPPoint(0, 0), CFPPoint(10, 10), CFPPoint(0, 10), CFPPoint(10, 0), crossing) == INTERSECT_POINT &&
      crossing.x == 5.0 && crossing.y == 5.0 && CFPPoint(0, 0).distance(CFPPoint(3, 4)) == 5.0 &&
      CFPRect(0, 10, 0, 5).PtInRect(CFPPoint(2, 3)) == 1 && CRuntimeClass::FromName("CFPPoint") == RUNTIME_CLASS(CFPPoint);
  std::cout << (works ? "installed fpgeom works\n" : "mismatch: a result of the installed fpgeom differs\n");
  return works ? 0 : 1;
}
