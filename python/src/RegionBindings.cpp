#include <memory>
#include <optional>
#include <vector>

#include "Arrays.h"
#include "Bindings.h"
#include "SharedMembers.h"
#include "Errors.h"
#include "fpgeom/io/ArchiveRecord.h"
#include "fpgeom/io/Document.h"
#include "fpgeom/io/IoErrors.h"

namespace fpgeom::python {
namespace {

namespace py = pybind11;
using py::arg;

CFPPolygon PolygonOf(const py::handle& item) {
  if (py::isinstance<CFPPolygon>(item)) return item.cast<const CFPPolygon&>();
  return RingFromPoints(item);
}

CFPPolygon PolygonAt(const CFPPolyRgn& region, py::ssize_t index) {
  const py::ssize_t count = region.getCount();
  if (index < 0) index += count;
  if (index < 0 || index >= count) throw py::index_error("region index out of range");
  region.BeginIteration();
  for (py::ssize_t i = 0; i < index; ++i) region.getNextPolygon();
  return *region.getCurrentPolygon();
}

bool Intersects(const CFPPolyRgn& region, const py::object& other) {
  if (py::isinstance<CFPPolygon>(other)) return region.isIntersect(other.cast<const CFPPolygon&>()) != 0;
  return region.isIntersect(RectFromTuple(other)) != 0;
}

}  // namespace

CFPPolyRgn RegionOf(const py::iterable& polygons) {
  CFPPolyRgn region;
  for (const py::handle item : polygons) region.AddPolygon(std::make_unique<CFPPolygon>(PolygonOf(item)).release());
  return region;
}

CFPPolyRgn RegionOfOne(const CFPPolygon& polygon) {
  CFPPolyRgn region;
  region.AddPolygon(std::make_unique<CFPPolygon>(polygon).release());
  return region;
}

CFPPolygon OnlyPolygon(const CFPPolyRgn& region) {
  if (region.getCount() != 1) throw ArchiveError("expected the record of a region of one polygon");
  region.BeginIteration();
  return *region.getNextPolygon();
}

py::bytes ArchiveBytes(const CFPPolyRgn& region) { return py::bytes(io::WriteArchive(region)); }

CFPPolyRgn RegionFromArchive(const py::bytes& bytes) {
  try {
    return io::ReadArchive(std::string(bytes), "archive").rings;
  } catch (const io::ReadError& error) {
    throw ArchiveError(error.what());
  }
}

py::tuple PickledState(const CFPPolyRgn& region) { return py::make_tuple(ArchiveBytes(region)); }

CFPPolyRgn RegionFromState(const py::tuple& state) {
  if (state.size() != 1) throw ArchiveError("expected one archive in the pickled state");
  return RegionFromArchive(state[0].cast<py::bytes>());
}

void BindRegion(py::module_& module) {
  py::class_<CFPPolyRgn> regionClass(module, "Region",
                         "An ordered list of polygons answering questions for all of them. Regions are\n"
                         "values: indexing and iteration give copies, transforms return new regions.");
  regionClass
      .def(py::init(&RegionOf), arg("polygons") = py::tuple(),
           "Region(polygons=()): from Polygons or anything Polygon() accepts.")
      .def("__len__", &CFPPolyRgn::getCount)
      .def("__getitem__", &PolygonAt, arg("index"), "A copy of the polygon at index.")
      .def_property_readonly(
          "polygons", [](const CFPPolyRgn& region) { return py::cast(io::RingsOf(region)); },
          "Copies of the polygons, in order.")
      .def("__iter__", [](const CFPPolyRgn& region) { return py::iter(py::cast(io::RingsOf(region))); })
      .def("__eq__", [](const CFPPolyRgn& a, const CFPPolyRgn& b) { return io::SameRings(a, b); },
           "True when both hold bit-identical rings in the same order.")
      .def("__repr__",
           [](const CFPPolyRgn& region) { return "<Region of " + std::to_string(region.getCount()) + " polygons>"; })
      .def_property_readonly("area", &CFPPolyRgn::Area, "The sum of the polygons' signed areas.")
      .def(
          "nearest_vertex",
          [](const CFPPolyRgn& region, double x, double y, double limit) -> py::object {
            CFPPolyRgn copy(region);  // the library's search is not const
            CFPPoint vertex;
            if (!copy.GetNearestVertex(FinitePoint(x, y, "nearest_vertex"), limit, vertex)) return py::none();
            return PairOf(vertex);
          },
          arg("x"), arg("y"), arg("limit"), "The nearest polygon point within limit of (x, y), or None.")
      .def("intersects", &Intersects, arg("other"),
           "True when some polygon meets other, a Polygon or a rectangle (left, bottom, right, top).")
      .def(
          "clip",
          [](const CFPPolyRgn& region, const py::object& rect) {
            const CFPRect border = RectFromTuple(rect);
            return Edited(region, [&border](CFPPolyRgn& copy) { copy.IntersectRect(border); });
          },
          arg("rect"), "Every polygon clipped by rect; the polygons clipped away are dropped.")
      .def("to_bytes", &ArchiveBytes, "The region as an fpgeom archive: one region record.")
      .def_static("from_bytes", &RegionFromArchive, arg("data"),
                  "The region of an fpgeom archive; ArchiveError unless data is exactly one region record.")
      .def(py::pickle(&PickledState, &RegionFromState));
  BindLocation<CFPPolyRgn, &CFPPolyRgn::PtInRgn>(regionClass);
  BindTransforms(regionClass);
}

}  // namespace fpgeom::python
