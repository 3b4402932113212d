#include <cstddef>
#include <type_traits>
#include <vector>

#include "Arrays.h"
#include "Bindings.h"
#include "fpgeom/prepared/PreparedPolygon.h"
#include "fpgeom/prepared/PreparedRegion.h"

namespace fpgeom::python {
namespace {

namespace py = pybind11;
using py::arg;

// A prepared object with the region it was prepared from, which is what
// pickling sends: the index is rebuilt on the other side rather than sent.
template <typename Prepared>
struct Snapshot {
  explicit Snapshot(const CFPPolyRgn& region) : source(region), prepared(Source(region)) {}

  static const auto& Source(const CFPPolyRgn& region) {
    if constexpr (std::is_same_v<Prepared, PreparedRegion>) {
      return region;
    } else {
      region.BeginIteration();
      return *region.getNextPolygon();
    }
  }

  CFPPolyRgn source;
  Prepared prepared;
};

// The batch entry points read interleaved coordinates, so rows are copied
// into one contiguous block when the array is not one already.
py::array_t<double, py::array::c_style | py::array::forcecast> Interleaved(const py::handle& xy) {
  return py::array_t<double, py::array::c_style | py::array::forcecast>::ensure(QueryPoints(xy, "xy"));
}

template <typename Prepared, typename Batch>
py::array_t<bool> ContainsEach(const Snapshot<Prepared>& snapshot, const py::handle& xy, Batch batch) {
  const auto points = Interleaved(xy);
  const auto count = static_cast<std::size_t>(points.shape(0));
  py::array_t<bool> answers(points.shape(0));
  bool* out = answers.mutable_data();
  {
    py::gil_scoped_release released;
    std::vector<int> found(count);
    (snapshot.prepared.*batch)(points.data(), count, found.data());
    for (std::size_t i = 0; i < count; ++i) out[i] = found[i] != 0;
  }
  return answers;
}

template <typename Prepared>
py::array_t<double> DistanceEach(const Snapshot<Prepared>& snapshot, const py::handle& xy) {
  const auto points = Interleaved(xy);
  const auto count = static_cast<std::size_t>(points.shape(0));
  py::array_t<double> answers(points.shape(0));
  double* out = answers.mutable_data();
  const double* in = points.data();
  {
    py::gil_scoped_release released;
    for (std::size_t i = 0; i < count; ++i) {
      out[i] = snapshot.prepared.DistanceFromPoint(CFPPoint(in[2 * i], in[2 * i + 1]));
    }
  }
  return answers;
}

}  // namespace

void BindPrepared(py::module_& module) {
  using PolygonSnapshot = Snapshot<PreparedPolygon>;
  using RegionSnapshot = Snapshot<PreparedRegion>;
  using PolygonBatch = void (PreparedPolygon::*)(const double*, std::size_t, int*) const;
  using RegionBatch = void (PreparedRegion::*)(const double*, std::size_t, int*) const;

  py::class_<PolygonSnapshot>(module, "PreparedPolygon",
                              "An indexed snapshot of a Polygon for many point queries, answering exactly as\n"
                              "the polygon did when prepared. Immutable: threads may share one.")
      .def(py::init([](const CFPPolygon& polygon) { return PolygonSnapshot(RegionOfOne(polygon)); }), arg("polygon"))
      .def(
          "contains",
          [](const PolygonSnapshot& snapshot, const py::object& xy) {
            return ContainsEach(snapshot, xy, static_cast<PolygonBatch>(&PreparedPolygon::PtInPolygon));
          },
          arg("xy"), "Polygon.contains for every row of an N x 2 float64 array; the GIL is released.")
      .def("distance", &DistanceEach<PreparedPolygon>, arg("xy"),
           "Polygon.distance for every row of an N x 2 float64 array; the GIL is released.")
      .def(py::pickle([](const PolygonSnapshot& snapshot) { return PickledState(snapshot.source); },
                      [](const py::tuple& state) {
                        return PolygonSnapshot(RegionOfOne(OnlyPolygon(RegionFromState(state))));
                      }));

  py::class_<RegionSnapshot>(module, "PreparedRegion",
                             "An indexed snapshot of a Region for many point queries, answering exactly as the\n"
                             "region did when prepared. Immutable: threads may share one.")
      .def(py::init([](const CFPPolyRgn& region) { return RegionSnapshot(region); }), arg("region"))
      .def(
          "contains",
          [](const RegionSnapshot& snapshot, const py::object& xy) {
            return ContainsEach(snapshot, xy, static_cast<RegionBatch>(&PreparedRegion::PtInRgn));
          },
          arg("xy"), "Region.contains for every row of an N x 2 float64 array; the GIL is released.")
      .def("distance", &DistanceEach<PreparedRegion>, arg("xy"),
           "Region.distance for every row of an N x 2 float64 array; the GIL is released. ValueError\n"
           "for an empty region.")
      .def(py::pickle([](const RegionSnapshot& snapshot) { return PickledState(snapshot.source); },
                      [](const py::tuple& state) { return RegionSnapshot(RegionFromState(state)); }));
}

}  // namespace fpgeom::python
