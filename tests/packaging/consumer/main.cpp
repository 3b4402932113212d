// A host program built against an installed fpgeom: it includes the umbrella
// header, links the shared library and exits non-zero when a result differs.
#include <fpgeom/fpgeom.h>

#include <iostream>

// The standard the host chose must be the one in force: fpgeom's flags must
// not impose their own.
#ifdef FPGEOM_HOST_CXX
static_assert(__cplusplus == FPGEOM_HOST_CXX, "the host's C++ standard was overridden");
#endif

namespace {

int failures = 0;

void Expect(bool condition, const char* what) {
  if (!condition) {
    std::cerr << "mismatch: " << what << '\n';
    ++failures;
  }
}

}  // namespace

int main() {
  const CFPPoint a1(0.0, 0.0);
  const CFPPoint a2(10.0, 10.0);
  const CFPPoint sum = a1 + a2;
  Expect(sum.x == 10.0 && sum.y == 10.0, "CFPPoint addition");
  Expect(a1.distance(CFPPoint(3.0, 4.0)) == 5.0, "CFPPoint::distance");

  const CFPRect rect(0.0, 10.0, 0.0, 5.0);
  Expect(rect.Width() == 10.0 && rect.Height() == 5.0, "CFPRect extents");
  Expect(rect.PtInRect(CFPPoint(2.0, 3.0)) == 1, "CFPRect::PtInRect");

  CFPPoint crossing(-1.0, -1.0);
  Expect(IntersectSegments(a1, a2, CFPPoint(0.0, 10.0), CFPPoint(10.0, 0.0), crossing) == INTERSECT_POINT,
         "IntersectSegments type");
  Expect(crossing.x == 5.0 && crossing.y == 5.0, "IntersectSegments point");

  // The runtime-class registry of the library is reachable from the host.
  Expect(CRuntimeClass::FromName("CFPPoint") == RUNTIME_CLASS(CFPPoint), "CFPPoint registered by name");

  if (failures == 0) {
    std::cout << "installed fpgeom works\n";
  }
  return failures == 0 ? 0 : 1;
}
