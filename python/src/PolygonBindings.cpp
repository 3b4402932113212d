#include <optional>
#include <utility>
#include <vector>

#include <pybind11/stl.h>

#include "Arrays.h"
#include "Bindings.h"
#include "SharedMembers.h"
#include "Breakdown.h"
#include "fpgeom/io/Document.h"

namespace fpgeom::python {
namespace {

namespace py = pybind11;
using py::arg;

}  // namespace

void BindPolygon(py::module_& module) {
  py::enum_<BreakdownOutcome>(module, "BreakdownOutcome",
                              "How a breakdown ended: LOOPS (the ring meets itself and falls into loops),\n"
                              "SIMPLE (it meets itself nowhere, or has fewer than three points), GAVE_UP (it\n"
                              "meets itself, but rounding made the search run away and it was abandoned).")
      .value("LOOPS", BreakdownOutcome::Loops)
      .value("SIMPLE", BreakdownOutcome::Simple)
      .value("GAVE_UP", BreakdownOutcome::GaveUp);

  py::class_<BreakdownResult>(module, "Breakdown", "The result of Polygon.breakdown().")
      .def_readonly("outcome", &BreakdownResult::outcome, "A BreakdownOutcome.")
      .def_readonly("points_reached", &BreakdownResult::pointsReached,
                    "For GAVE_UP, the working copy's point count when the search was abandoned.")
      .def_property_readonly(
          "loops", [](const BreakdownResult& result) { return py::cast(result.loops, py::return_value_policy::copy); },
          "The loops as new Polygons (empty unless outcome is LOOPS); a loop of\n"
          "negative area is a hole.")
      .def("__repr__", [](const BreakdownResult& result) {
        return "<Breakdown " + py::str(py::cast(result.outcome)).cast<std::string>() + ", " +
               std::to_string(result.loops.size()) + " loops>";
      });

  py::class_<CFPPolygon> polygonClass(module, "Polygon",
                         "A closed ring of points: the last point joins back to the first, which is\n"
                         "not repeated. Clockwise rings (y up) have positive area and are filled.\n"
                         "Polygons are values: every transform and algorithm returns a new Polygon.");
  polygonClass
      .def(py::init([](const py::object& points) { return RingFromPoints(points); }), arg("points") = py::tuple(),
           "Polygon(points=()): from a sequence of (x, y) pairs or an N x 2 float64 array.\n"
           "Raises ValueError for another shape or dtype, or a coordinate that is not finite.")
      .def_property_readonly(
          "points", [](const CFPPolygon& polygon) { return ArrayOf(io::PointsOf(polygon)); },
          "The points as a new N x 2 float64 array, first point first.")
      .def("__len__", &CFPPolygon::getCount)
      .def("__eq__", [](const CFPPolygon& a, const CFPPolygon& b) { return io::SameRing(a, b); },
           "True when both rings hold bit-identical points in the same order.")
      .def("__repr__",
           [](const CFPPolygon& polygon) {
             return "<Polygon of " + std::to_string(polygon.getCount()) + " points>";
           })
      .def_property_readonly("area", &CFPPolygon::Area,
                             "Signed area: positive for a clockwise ring, negative for an anticlockwise one.")
      .def_property_readonly("scalar_area", &CFPPolygon::ScalarArea,
                             "The area with every loop of a self-intersecting ring counted positive.")
      .def_property_readonly("is_filled", [](const CFPPolygon& polygon) { return polygon.isFilled() != 0; },
                             "True when the area is not negative.")
      .def(
          "nearest_vertex",
          [](const CFPPolygon& polygon, double x, double y, double tolerance) -> py::object {
            CFPPoint vertex;
            if (!polygon.GetNearestVertex(FinitePoint(x, y, "nearest_vertex"), tolerance, vertex)) return py::none();
            return PairOf(vertex);
          },
          arg("x"), arg("y"), arg("tolerance"),
          "The first point of the ring within tolerance of (x, y), as (x, y), or None.")
      .def(
          "nearest_edge",
          [](const CFPPolygon& polygon, double x, double y, double tolerance, bool closed) -> py::object {
            CFPSegment edge;
            if (!polygon.GetNearestEdge(FinitePoint(x, y, "nearest_edge"), tolerance, edge, closed ? 1 : 0)) {
              return py::none();
            }
            return py::make_tuple(PairOf(edge.pt1), PairOf(edge.pt2));
          },
          arg("x"), arg("y"), arg("tolerance"), arg("closed") = true,
          "The edge nearest to (x, y) within tolerance as ((x1, y1), (x2, y2)), or None;\n"
          "closed=False leaves out the edge from the last point back to the first.")
      .def(
          "intersects", [](const CFPPolygon& a, const CFPPolygon& b) { return a.isIntersect(b) != 0; }, arg("other"),
          "True when the two polygons overlap or touch; ValueError when one is empty.")
      .def(
          "clean", [](const CFPPolygon& polygon) { return Edited(polygon, [](CFPPolygon& copy) { copy.OptimizeAndCheck(); }); },
          "A copy without coincident or collinear points; empty when fewer than three remain.")
      .def(
          "clip",
          [](const CFPPolygon& polygon, const py::object& rect) {
            const CFPRect border = RectFromTuple(rect);
            return Edited(polygon, [&border](CFPPolygon& copy) { copy.IntersectRect(border); });
          },
          arg("rect"), "The part inside rect = (left, bottom, right, top); empty when nothing is left.")
      .def("breakdown", &BreakDown,
           "The loops into which the ring falls apart where it meets itself, as a Breakdown.")
      .def(py::pickle([](const CFPPolygon& polygon) { return PickledState(RegionOfOne(polygon)); },
                      [](const py::tuple& state) { return OnlyPolygon(RegionFromState(state)); }));
  BindLocation<CFPPolygon, &CFPPolygon::PtInPolygon>(polygonClass);
  BindTransforms(polygonClass);
}

}  // namespace fpgeom::python
