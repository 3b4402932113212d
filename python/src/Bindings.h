// The parts of the module, each adding its classes and functions to it, and
// what they share: the archive bytes that pickling and to_bytes use.
#pragma once

#include <string>

#include <pybind11/pybind11.h>
#include <pybind11/stl.h>  // in every part alike, as pybind11 requires

#include "fpgeom/region/FPPolyRgn.h"

namespace fpgeom::python {

void BindPolygon(pybind11::module_& module);
void BindRegion(pybind11::module_& module);
void BindIo(pybind11::module_& module);
void BindTopology(pybind11::module_& module);
// Built when the library has its prepared classes (FPGEOM_PYTHON_PREPARED).
void BindPrepared(pybind11::module_& module);
// Built with the overlay library (FPGEOM_PYTHON_OVERLAY); after BindRegion.
void BindOverlay(pybind11::module_& module);

// A region of copies of Polygons, or of anything Polygon() accepts.
CFPPolyRgn RegionOf(const pybind11::iterable& polygons);

CFPPolyRgn RegionOfOne(const CFPPolygon& polygon);
// The polygon of a region of one; ArchiveError for any other count.
CFPPolygon OnlyPolygon(const CFPPolyRgn& region);

pybind11::bytes ArchiveBytes(const CFPPolyRgn& region);
// ArchiveError when the bytes are not exactly one region record.
CFPPolyRgn RegionFromArchive(const pybind11::bytes& bytes);
// What pickling keeps of a region, and of anything made from one: a tuple
// holding its archive bytes.
pybind11::tuple PickledState(const CFPPolyRgn& region);
CFPPolyRgn RegionFromState(const pybind11::tuple& state);

}  // namespace fpgeom::python
