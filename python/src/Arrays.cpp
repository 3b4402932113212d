#include "Arrays.h"

#include <climits>
#include <cmath>
#include <string>

namespace fpgeom::python {
namespace {

std::string ShapeText(const py::array& array) {
  std::string text = "(";
  for (py::ssize_t axis = 0; axis < array.ndim(); ++axis) {
    if (axis > 0) text += ", ";
    text += std::to_string(array.shape(axis));
  }
  return text + (array.ndim() == 1 ? ",)" : ")");
}

// The argument as a float64 array of shape N x 2, without copying an array
// that already is one.
py::array_t<double> PointArray(const py::handle& xy, const char* what) {
  py::array array;
  if (py::isinstance<py::array>(xy)) {
    if (!py::isinstance<py::array_t<double>>(xy)) {
      throw py::value_error(std::string(what) + ": expected a float64 array, got dtype " +
                            py::str(xy.attr("dtype")).cast<std::string>() + " (convert with .astype(float))");
    }
    array = py::reinterpret_borrow<py::array>(xy);
  } else {
    try {
      array = py::module_::import("numpy").attr("asarray")(xy, py::arg("dtype") = "float64").cast<py::array>();
    } catch (py::error_already_set& error) {
      throw py::value_error(std::string(what) + ": expected a sequence of (x, y) pairs of numbers (" +
                            error.what() + ")");
    }
    // An empty sequence holds no pairs rather than pairs of the wrong size.
    if (array.ndim() == 1 && array.shape(0) == 0) array = array.attr("reshape")(0, 2).cast<py::array>();
  }
  if (array.ndim() != 2 || array.shape(1) != 2) {
    throw py::value_error(std::string(what) + ": expected an N x 2 array of (x, y) pairs, got shape " +
                          ShapeText(array));
  }
  return py::reinterpret_borrow<py::array_t<double>>(array);
}

void RequireFinite(const py::array_t<double>& points, const char* what) {
  const auto view = points.unchecked<2>();
  for (py::ssize_t row = 0; row < view.shape(0); ++row) {
    if (!std::isfinite(view(row, 0)) || !std::isfinite(view(row, 1))) {
      throw py::value_error(std::string(what) + ": point " + std::to_string(row) +
                            " has a coordinate that is NaN or infinite");
    }
  }
}

double FiniteNumber(double value, const char* what) {
  if (!std::isfinite(value)) throw py::value_error(std::string(what) + ": coordinates must be finite numbers");
  return value;
}

}  // namespace

py::array_t<double> QueryPoints(const py::handle& xy, const char* what) {
  py::array_t<double> points = PointArray(xy, what);
  RequireFinite(points, what);
  return points;
}

CFPPolygon RingFromPoints(const py::handle& xy) {
  const py::array_t<double> points = PointArray(xy, "points");
  // A ring counts its points in an int; checked before anything is read.
  if (points.shape(0) > INT_MAX) throw py::value_error("points: a ring holds at most 2147483647 points");
  RequireFinite(points, "points");
  const auto view = points.unchecked<2>();
  CFPPolygon ring;
  for (py::ssize_t row = 0; row < view.shape(0); ++row) ring.AddTailNode(view(row, 0), view(row, 1));
  return ring;
}

CFPPoint FinitePoint(double x, double y, const char* what) {
  return CFPPoint(FiniteNumber(x, what), FiniteNumber(y, what));
}

CFPPoint PointFromPair(const py::handle& pair, const char* what) {
  py::sequence sequence;
  try {
    sequence = py::cast<py::sequence>(pair);
  } catch (const py::cast_error&) {
    throw py::value_error(std::string(what) + ": expected an (x, y) pair");
  }
  if (py::len(sequence) != 2) throw py::value_error(std::string(what) + ": expected an (x, y) pair");
  try {
    return FinitePoint(sequence[0].cast<double>(), sequence[1].cast<double>(), what);
  } catch (const py::cast_error&) {
    throw py::value_error(std::string(what) + ": expected an (x, y) pair of numbers");
  }
}

CFPRect RectFromTuple(const py::handle& rect) {
  const char* what = "rect";
  py::sequence sequence;
  try {
    sequence = py::cast<py::sequence>(rect);
  } catch (const py::cast_error&) {
    throw py::value_error("rect: expected (left, bottom, right, top)");
  }
  if (py::len(sequence) != 4) throw py::value_error("rect: expected (left, bottom, right, top)");
  double sides[4];
  for (int i = 0; i < 4; ++i) {
    try {
      sides[i] = FiniteNumber(sequence[static_cast<std::size_t>(i)].cast<double>(), what);
    } catch (const py::cast_error&) {
      throw py::value_error("rect: expected (left, bottom, right, top) as numbers");
    }
  }
  if (sides[0] > sides[2] || sides[1] > sides[3]) {
    throw py::value_error("rect: expected left <= right and bottom <= top");
  }
  return CFPRect(sides[0], sides[2], sides[1], sides[3]);
}

py::tuple PairOf(const CFPPoint& point) { return py::make_tuple(point.x, point.y); }

py::tuple BoundsOf(const CFPRect& rect) { return py::make_tuple(rect.left, rect.bottom, rect.right, rect.top); }

py::array_t<double> ArrayOf(const std::vector<CFPPoint>& points) {
  py::array_t<double> array({static_cast<py::ssize_t>(points.size()), py::ssize_t{2}});
  auto view = array.mutable_unchecked<2>();
  for (std::size_t i = 0; i < points.size(); ++i) {
    view(static_cast<py::ssize_t>(i), 0) = points[i].x;
    view(static_cast<py::ssize_t>(i), 1) = points[i].y;
  }
  return array;
}

}  // namespace fpgeom::python
