// The members that polygons and regions share: location queries, one point
// at a time or a whole array at once, and transforms, each returning a
// transformed copy (in Python both are values).
#pragma once

#include <optional>

#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include "Arrays.h"
#include "Batch.h"

namespace fpgeom::python {

template <typename Geometry, typename Edit>
Geometry Edited(const Geometry& geometry, Edit edit) {
  Geometry copy(geometry);
  edit(copy);
  return copy;
}

// (x, y) of a point that the library finds, or None when it reports 0.
template <typename Geometry, int (Geometry::*Find)(CFPPoint&) const>
pybind11::object FoundPoint(const Geometry& geometry) {
  CFPPoint point;
  return (geometry.*Find)(point) ? pybind11::object(PairOf(point)) : pybind11::none();
}

template <typename Geometry, int (Geometry::*Contains)(const CFPPoint&) const>
void BindLocation(pybind11::class_<Geometry>& cls) {
  namespace py = pybind11;
  using py::arg;
  cls.def_property_readonly(
         "bounds", [](const Geometry& geometry) { return BoundsOf(geometry.getBoundsRect()); },
         "(left, bottom, right, top) of every point; (0, 0, 0, 0) for an empty polygon.")
      .def_property_readonly("centroid", &FoundPoint<Geometry, &Geometry::getMassCenter>,
                             "The mass centre as (x, y), or None when there is none (fewer than three points).")
      .def_property_readonly("center", &FoundPoint<Geometry, &Geometry::GetCenterPoint>,
                             "The centre of the bounds as (x, y), or None when there is none.")
      .def(
          "contains",
          [](const Geometry& geometry, double x, double y) {
            return (geometry.*Contains)(FinitePoint(x, y, "contains")) != 0;
          },
          arg("x"), arg("y"),
          "True when (x, y) lies inside. A self-intersecting ring is decided on its loops: inside a\n"
          "filled loop and not inside a hole.")
      .def(
          "distance",
          [](const Geometry& geometry, double x, double y) {
            return geometry.DistanceFromPoint(FinitePoint(x, y, "distance"));
          },
          arg("x"), arg("y"),
          "Signed distance from (x, y) to the nearest edge, negative when contains(x, y) is True;\n"
          "inf for an empty polygon, ValueError for an empty region.")
      .def(
          "contains_xy",
          [](const Geometry& geometry, const py::object& xy) {
            const Geometry copy(geometry);
            return AnswerEach<bool>(xy, [&copy](const CFPPoint& point) { return (copy.*Contains)(point) != 0; });
          },
          arg("xy"), "contains() for every row of an N x 2 float64 array, as a bool array; the GIL is released.")
      .def(
          "distance_xy",
          [](const Geometry& geometry, const py::object& xy) {
            const Geometry copy(geometry);
            return AnswerEach<double>(xy, [&copy](const CFPPoint& point) { return copy.DistanceFromPoint(point); });
          },
          arg("xy"), "distance() for every row of an N x 2 float64 array; the GIL is released.");
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
