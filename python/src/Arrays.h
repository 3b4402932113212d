// Conversions between Python values and the library's points, rectangles and
// rings. Every coordinate that enters the library must be finite: NaN and
// infinities are refused with ValueError here, at the boundary, so that no
// query has to say what it makes of them.
#pragma once

#include <vector>

#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>

#include "fpgeom/polygon/FPPolygon.h"
#include "fpgeom/values/FPPoint.h"
#include "fpgeom/values/FPRect.h"

namespace fpgeom::python {

namespace py = pybind11;

// Coordinates given to queries: an N x 2 float64 array of any strides (read
// in place, never copied) or a sequence of (x, y) pairs. ValueError for any
// other dtype or shape and for a coordinate that is not finite; `what` names
// the argument in the message.
py::array_t<double> QueryPoints(const py::handle& xy, const char* what);

// The ring of a polygon from the same kinds of input, head first.
CFPPolygon RingFromPoints(const py::handle& xy);

CFPPoint FinitePoint(double x, double y, const char* what);
// (x, y) from any sequence of two numbers.
CFPPoint PointFromPair(const py::handle& pair, const char* what);
// (left, bottom, right, top), the order of bounds; left <= right and
// bottom <= top.
CFPRect RectFromTuple(const py::handle& rect);

py::tuple PairOf(const CFPPoint& point);
py::tuple BoundsOf(const CFPRect& rect);
// N x 2 float64 array of the points.
py::array_t<double> ArrayOf(const std::vector<CFPPoint>& points);

}  // namespace fpgeom::python
