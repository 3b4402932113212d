#include <string>
#include <vector>

#include "Arrays.h"
#include "Bindings.h"
#include "fpgeom/io/Document.h"
#include "fpgeom/io/GeoJson.h"
#include "fpgeom/io/Svg.h"
#include "fpgeom/io/Wkt.h"

namespace fpgeom::python {
namespace {

namespace py = pybind11;
using py::arg;

std::vector<CFPPoint> PointsFrom(const py::handle& xy, const char* what) {
  std::vector<CFPPoint> points;
  if (xy.is_none()) return points;
  const py::array_t<double> array = QueryPoints(xy, what);
  const auto view = array.unchecked<2>();
  points.reserve(static_cast<std::size_t>(view.shape(0)));
  for (py::ssize_t row = 0; row < view.shape(0); ++row) points.emplace_back(view(row, 0), view(row, 1));
  return points;
}

CFPPolyRgn RingsFrom(const py::handle& geometry) {
  if (py::isinstance<CFPPolygon>(geometry)) return RegionOfOne(geometry.cast<const CFPPolygon&>());
  if (py::isinstance<CFPPolyRgn>(geometry)) return geometry.cast<const CFPPolyRgn&>();
  throw py::type_error("expected a Region or a Polygon");
}

io::Document DocumentOf(const py::handle& geometry, const py::handle& points) {
  io::Document document;
  document.rings = RingsFrom(geometry);
  document.points = PointsFrom(points, "points");
  return document;
}

py::object Loaded(const io::Document& document, bool withPoints) {
  if (!withPoints) return py::cast(document.rings);
  return py::make_tuple(document.rings, ArrayOf(document.points));
}

constexpr const char* kLoadsNote =
    "Every ring becomes one Polygon, with its closing point dropped, by its role: a polygon's\n"
    "first ring is turned clockwise (an outer ring), the rings after it counter-clockwise (its\n"
    "holes), whatever their direction in the text; a closed line keeps its direction. Loose points (POINT, MULTIPOINT) are returned as an N x 2 array\n"
    "when with_points is true: the result is then (region, points). ValueError, naming the\n"
    "line and column, when the text does not parse.";

}  // namespace

void BindIo(py::module_& module) {
  module.def(
      "loads_wkt",
      [](const std::string& text, bool withPoints) { return Loaded(io::ReadWkt(text, "wkt"), withPoints); },
      arg("text"), arg("with_points") = false,
      (std::string("The Region of a well-known-text document of POLYGON, MULTIPOLYGON, POINT and\n"
                   "MULTIPOINT geometries. ") + kLoadsNote).c_str());
  module.def(
      "loads_geojson",
      [](const std::string& text, bool withPoints) {
        return Loaded(io::ReadGeoJson(text, "geojson"), withPoints);
      },
      arg("text"), arg("with_points") = false,
      (std::string("The Region of a GeoJSON FeatureCollection, Feature, GeometryCollection or bare\n"
                   "geometry. ") + kLoadsNote).c_str());
  module.def(
      "dumps_wkt", [](const py::object& geometry, const py::object& points) {
        return io::WriteWkt(DocumentOf(geometry, points));
      },
      arg("geometry"), arg("points") = py::none(),
      "WKT of a Region or Polygon (each clockwise ring a polygon with the anticlockwise rings\n"
      "after it as its holes; anticlockwise rings before any clockwise one as closed lines) and,\n"
      "when given, an N x 2 array of loose points as a MULTIPOINT. It reads back ring for ring,\n"
      "and numbers read back exactly.");
  module.def(
      "dumps_geojson", [](const py::object& geometry, const py::object& points) {
        return io::WriteGeoJson(DocumentOf(geometry, points));
      },
      arg("geometry"), arg("points") = py::none(),
      "A GeoJSON FeatureCollection of a Region or Polygon (grouped as dumps_wkt does, outer rings\n"
      "anticlockwise and holes clockwise as RFC 7946 asks) and, when given, an N x 2 array of\n"
      "loose points as one MultiPoint feature. It reads back ring for ring.");
  module.def(
      "render_svg",
      [](const py::object& geometry, const py::object& inside, const py::object& outside, const std::string& title) {
        io::SvgScene scene;
        scene.title = title;
        scene.rings = io::RingsOf(RingsFrom(geometry));
        for (const CFPPoint& point : PointsFrom(inside, "inside")) scene.probes.push_back({point, true});
        for (const CFPPoint& point : PointsFrom(outside, "outside")) scene.probes.push_back({point, false});
        return io::WriteSvg(scene);
      },
      arg("geometry"), arg("inside") = py::none(), arg("outside") = py::none(), arg("title") = "",
      "An SVG picture (as text) of a Region or Polygon, with optional N x 2 arrays of points\n"
      "marked inside and outside. Every point becomes an element: draw a sample of a large set.");
}

}  // namespace fpgeom::python
