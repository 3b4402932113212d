// The transforms that polygons and regions share, each returning a
// transformed copy: in Python both are values.
#pragma once

#include <optional>

#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include "Arrays.h"

namespace fpgeom::python {

template <typename Geometry, typename Edit>
Geometry Edited(const Geometry& geometry, Edit edit) {
  Geometry copy(geometry);
  edit(copy);
  return copy;
}

template <typename Geometry>
void BindTransforms(pybind11::class_<Geometry>& cls) {
  namespace py = pybind11;
  using py::arg;
  cls.def(
         "translate",
         [](const Geometry& geometry, double dx, double dy) {
           const CFPPoint offset = FinitePoint(dx, dy, "translate");
           return Edited(geometry, [&offset](Geometry& copy) { copy += CFPSize(offset.x, offset.y); });
         },
         arg("dx"), arg("dy"), "A copy moved by (dx, dy).")
      .def(
          "rotate",
          [](const Geometry& geometry, double angle, const py::object& center) {
            const CFPPoint pivot = PointFromPair(center, "center");
            return Edited(geometry, [angle, &pivot](Geometry& copy) { copy.rotate(angle, pivot); });
          },
          arg("angle"), arg("center") = py::make_tuple(0.0, 0.0),
          "A copy turned by angle radians about center; a positive angle turns clockwise.")
      .def(
          "scale",
          [](const Geometry& geometry, double kx, std::optional<double> ky, const py::object& origin) {
            const CFPPoint fixed = PointFromPair(origin, "origin");
            const CFPPoint factors = FinitePoint(kx, ky.value_or(kx), "scale");
            return Edited(geometry, [&](Geometry& copy) { copy.resize(fixed, factors.x, factors.y); });
          },
          arg("kx"), arg("ky") = py::none(), arg("origin") = py::make_tuple(0.0, 0.0),
          "A copy scaled by kx along x and ky (default kx) along y about origin.")
      .def(
          "mirror",
          [](const Geometry& geometry, std::optional<double> x, std::optional<double> y) {
            if (!x && !y) throw py::value_error("mirror: give x, y or both");
            // Axis codes: 1 reflects x, 0 reflects y, -1 both.
            const int axis = x && y ? -1 : (x ? 1 : 0);
            const CFPPoint line = FinitePoint(x.value_or(0.0), y.value_or(0.0), "mirror");
            return Edited(geometry, [&](Geometry& copy) { copy.mirror(axis, line.x, line.y); });
          },
          arg("x") = py::none(), arg("y") = py::none(),
          "A copy reflected in the vertical line through x, the horizontal line through y, or both.");
}

}  // namespace fpgeom::python
