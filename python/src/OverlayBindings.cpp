#include "Arrays.h"
#include "Bindings.h"
#include "fpgeom/overlay/Overlay.h"

namespace fpgeom::python {
namespace {

namespace py = pybind11;
using py::arg;

using Combine = CFPPolyRgn (*)(const CFPPolyRgn&, const CFPPolyRgn&, FillRule);

// One boolean operation as a method and, under the even-odd rule, as the
// operator Python spells it with.
void BindOperation(py::class_<CFPPolyRgn>& cls, const char* name, const char* op, Combine combine,
                   const char* doc) {
  cls.def(name, combine, arg("other"), arg("rule") = FillRule::kEvenOdd, doc);
  cls.def(op, [combine](const CFPPolyRgn& a, const CFPPolyRgn& b) { return combine(a, b, FillRule::kEvenOdd); },
          py::is_operator());
}

}  // namespace

void BindOverlay(py::module_& module) {
  py::enum_<FillRule>(module, "FillRule",
                      "How the overlay operations read a region as an area: EVEN_ODD (inside an odd\n"
                      "number of rings) or NON_ZERO (winding numbers adding up to a value other than 0).")
      .value("EVEN_ODD", FillRule::kEvenOdd)
      .value("NON_ZERO", FillRule::kNonZero);

  auto region = py::reinterpret_borrow<py::class_<CFPPolyRgn>>(module.attr("Region"));
  region.def("normalize", &Normalize, arg("rule") = FillRule::kEvenOdd,
             "The area of the region under the rule in normal form: each outer ring clockwise (area\n"
             ">= 0) followed by its holes (area < 0), no ring meeting itself.");
  region.def(
      "area_contains",
      [](const CFPPolyRgn& self, double x, double y, FillRule rule) {
        return AreaContains(self, FinitePoint(x, y, "area_contains"), rule) != 0;
      },
      arg("x"), arg("y"), arg("rule") = FillRule::kEvenOdd,
      "True when (x, y) lies in the region's area under the rule or on its boundary.");
  BindOperation(region, "union", "__or__", &Union, "The union of both areas, in normal form (also a | b).");
  BindOperation(region, "intersection", "__and__", &Intersection,
                "The intersection of both areas, in normal form (also a & b).");
  BindOperation(region, "difference", "__sub__", &Difference,
                "This area without the other's, in normal form (also a - b).");
  BindOperation(region, "symmetric_difference", "__xor__", &SymmetricDifference,
                "The area in exactly one of the two, in normal form (also a ^ b).");
}

}  // namespace fpgeom::python
